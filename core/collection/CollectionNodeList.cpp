#include "core/collection/CollectionNodeList.h"
#include "core/collection/CollectionNode.h"

#include <vector>

CollectionNodeList::~CollectionNodeList()
{
    Clear();
}

CollectionNode* CollectionNodeList::First()
{
    cursor = head;
    return cursor;
}

CollectionNode* CollectionNodeList::Next()
{
    if (cursor)
        cursor = cursor->next;
    return cursor;
}

CollectionNode* CollectionNodeList::FindLast() const
{
    CollectionNode* node = head;
    while (node && node->next)
        node = node->next;
    return node;
}

CollectionNode* CollectionNodeList::Append(std::unique_ptr<CollectionNode> node)
{
    return AppendAfter(FindLast(), std::move(node));
}

CollectionNode* CollectionNodeList::AppendAfter(CollectionNode* last, std::unique_ptr<CollectionNode> node)
{
    CollectionNode* added = node.release();
    added->next = nullptr;
    if (last)
        last->next = added;
    else
        head = added;
    return added;
}

CollectionNode* CollectionNodeList::InsertAfter(CollectionNode* anchor, std::unique_ptr<CollectionNode> node)
{
    CollectionNode* added = node.release();
    CollectionNode*& link = anchor ? anchor->next : head;
    added->next = link;
    link = added;
    return added;
}

std::unique_ptr<CollectionNode> CollectionNodeList::Unlink(CollectionNode* node)
{
    for (CollectionNode** link = &head; *link; link = &(*link)->next) {
        if (*link != node)
            continue;
        *link = node->next;
        node->next = nullptr;
        if (cursor == node)
            cursor = nullptr;
        return std::unique_ptr<CollectionNode>(node);
    }
    return nullptr;
}

void CollectionNodeList::Clear()
{
    // Files from elsewhere can nest folders hundreds of thousands deep, so
    // the subtree is flattened into one pending chain instead of recursing:
    // each folder's children are spliced in front of the rest before the
    // folder itself is deleted with an empty children list.
    CollectionNode* pending = head;
    head = nullptr;
    cursor = nullptr;
    while (pending) {
        CollectionNode* node = pending;
        pending = node->next;
        if (node->children && node->children->head) {
            CollectionNode* last = node->children->FindLast();
            last->next = pending;
            pending = node->children->head;
            node->children->head = nullptr;
            node->children->cursor = nullptr;
        }
        delete node;
    }
}

bool CollectionNodeList::Holds(const CollectionNode* node) const
{
    for (const CollectionNode* n = head; n; n = n->next) {
        if (n == node)
            return true;
    }
    return false;
}

CollectionNodeList* CollectionNodeList::FindListContaining(const CollectionNode* node)
{
    if (!node)
        return nullptr;
    if (Holds(node))
        return this;
    // The order of a recursive search, kept on an explicit stack so that deep
    // trees cannot overflow the call stack. Each entry is the next sibling
    // whose children remain to be searched at that level.
    std::vector<CollectionNode*> pending{head};
    while (!pending.empty()) {
        CollectionNode*& candidate = pending.back();
        while (candidate && !candidate->IsFolder())
            candidate = candidate->next;
        if (!candidate) {
            pending.pop_back();
            continue;
        }
        CollectionNodeList* inner = candidate->children.get();
        candidate = candidate->next;
        if (inner->Holds(node))
            return inner;
        pending.push_back(inner->head);
    }
    return nullptr;
}
