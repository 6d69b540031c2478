#pragma once
#include <memory>

struct CollectionNode;

// The siblings of one level of a collection tree, as a chain from head.
// The list owns every node of the chain and, through them, their subtrees.
//
// Walks over a list go through its cursor (First, then Next until null), so
// the position belongs to the list: two walks of one list never run at once.
class CollectionNodeList {
public:
    CollectionNodeList() = default;
    ~CollectionNodeList();
    CollectionNodeList(const CollectionNodeList&) = delete;
    CollectionNodeList& operator=(const CollectionNodeList&) = delete;

    CollectionNode* First();
    CollectionNode* Next();
    CollectionNode* Current() const { return cursor; }

    bool IsEmpty() const { return head == nullptr; }
    CollectionNode* FindLast() const;
    // Adds node at the end of the chain and returns it.
    CollectionNode* Append(std::unique_ptr<CollectionNode> node);
    // The same when the caller already knows the last node (null for an
    // empty list); keeps a long run of appends linear.
    CollectionNode* AppendAfter(CollectionNode* last, std::unique_ptr<CollectionNode> node);
    // Puts node directly after anchor, or at the front when anchor is null,
    // and returns it.
    CollectionNode* InsertAfter(CollectionNode* anchor, std::unique_ptr<CollectionNode> node);
    // Takes node, with its subtree, out of the chain and hands it over; null
    // when this list does not hold it.
    std::unique_ptr<CollectionNode> Unlink(CollectionNode* node);
    // Destroys every node and its subtree; the list stays, empty.
    void Clear();

    // The list that holds node: this list first, then the children of each
    // folder in order, depth first. Null when node is not in the tree.
    CollectionNodeList* FindListContaining(const CollectionNode* node);

    CollectionNode* head = nullptr;
    CollectionNode* cursor = nullptr;

private:
    bool Holds(const CollectionNode* node) const;
};
