#include "core/collection/CollectionEdit.h"
#include "core/collection/BookmarkReader.h"
#include "core/collection/CollectionNode.h"
#include "core/collection/CollectionNodeList.h"
#include "core/collection/CollectionWalk.h"

namespace CollectionEdit {

namespace {

bool InSubtree(const CollectionNode* node, const CollectionNode* candidate)
{
    return node->IsFolder() && FindListContaining(*node->children, candidate);
}

const std::size_t kNowhere = static_cast<std::size_t>(-1);

// 0 for a node at the top of root, 1 below it, and so on; kNowhere when the
// node is not in the tree.
std::size_t DepthOf(const CollectionNodeList& root, const CollectionNode* node)
{
    for (CollectionWalk walk(root); walk.Next();) {
        if (!walk.Leaving() && &walk.Node() == node)
            return walk.Depth();
    }
    return kNowhere;
}

// The levels of folders a branch brings along: none for a link.
std::size_t BranchLevels(const CollectionNode& node)
{
    return node.IsFolder() ? 1 + FolderLevels(*node.children) : 0;
}

// A branch of the given levels put at depth reaches down to level
// depth + levels.
bool TooDeep(std::size_t depth, std::size_t levels)
{
    return depth + levels > BookmarkReader::kMaxDepth;
}

}  // namespace

CollectionNode* AppendLink(CollectionNode* folder, const std::string& name, const std::string& url)
{
    if (!folder || !folder->IsFolder())
        return nullptr;
    return folder->children->Append(CollectionNode::MakeLink(name, url));
}

CollectionNode* AppendFolder(CollectionNode* folder, const std::string& name)
{
    if (!folder || !folder->IsFolder())
        return nullptr;
    return folder->children->Append(CollectionNode::MakeFolder(name));
}

bool DeleteChild(CollectionNode* folder, CollectionNode* node)
{
    if (!folder || !folder->IsFolder())
        return false;
    return folder->children->Unlink(node) != nullptr;
}

bool MoveNode(CollectionNodeList& root, CollectionNode* node, CollectionNode* target)
{
    if (!node || !target || node == target || InSubtree(node, target))
        return false;
    CollectionNodeList* source = FindListContaining(root, node);
    CollectionNodeList* targetList = FindListContaining(root, target);
    if (!source || !targetList)
        return false;
    if (target->IsFolder()) {
        target->children->Append(source->Unlink(node));
        return true;
    }
    if (targetList == &root)
        return false;
    targetList->InsertAfter(target, source->Unlink(node));
    return true;
}

bool NewFolderTooDeep(const CollectionNodeList& root, const CollectionNode* folder)
{
    const std::size_t depth = DepthOf(root, folder);
    return depth != kNowhere && TooDeep(depth + 1, 1);
}

// Into a folder the branch goes one level below it, beside a link on the
// link's own level.
bool MoveTooDeep(const CollectionNodeList& root, const CollectionNode* node, const CollectionNode* target)
{
    const std::size_t depth = DepthOf(root, target);
    if (!node || depth == kNowhere)
        return false;
    return TooDeep(target->IsFolder() ? depth + 1 : depth, BranchLevels(*node));
}

}  // namespace CollectionEdit
