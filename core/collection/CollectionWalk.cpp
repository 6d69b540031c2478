#include "core/collection/CollectionWalk.h"
#include "core/collection/CollectionNode.h"
#include "core/collection/CollectionNodeList.h"

#include <algorithm>

CollectionWalk::CollectionWalk(const CollectionNodeList& list) : open_{ Open{ &list, 0, nullptr } }
{
}

bool CollectionWalk::Next()
{
    if (open_.empty())
        return false;
    if (node_ && !leaving_ && node_->IsFolder()) {
        if (skip_) {
            skip_ = false;
            leaving_ = true;
            return true;
        }
        open_.push_back(Open{ node_->children.get(), 0, node_ });
    }
    skip_ = false;
    Open& top = open_.back();
    if (top.next < top.list->Size()) {
        node_ = top.list->At(top.next++);
        leaving_ = false;
        return true;
    }
    node_ = top.folder;
    leaving_ = true;
    open_.pop_back();
    return node_ != nullptr;
}

CollectionNodeList* FindListContaining(CollectionNodeList& root, const CollectionNode* node)
{
    if (!node)
        return nullptr;
    for (CollectionWalk walk(root); walk.Next();) {
        // Every list under root belongs to it, so what the walk reads the
        // caller may change.
        if (!walk.Leaving() && &walk.Node() == node)
            return const_cast<CollectionNodeList*>(&walk.List());
    }
    return nullptr;
}

std::size_t FolderLevels(const CollectionNodeList& list)
{
    std::size_t levels = 0;
    for (CollectionWalk walk(list); walk.Next();) {
        if (!walk.Leaving() && walk.Node().IsFolder())
            levels = std::max(levels, walk.Depth() + 1);
    }
    return levels;
}
