#include "core/collection/CollectionEdit.h"
#include "core/collection/CollectionNode.h"
#include "core/collection/CollectionNodeList.h"
#include "core/collection/CollectionWalk.h"

namespace CollectionEdit {

namespace {

bool InSubtree(const CollectionNode* node, const CollectionNode* candidate)
{
    return node->IsFolder() && FindListContaining(*node->children, candidate);
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

}  // namespace CollectionEdit
