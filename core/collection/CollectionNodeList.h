#pragma once
#include "core/collection/CollectionNode.h"
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// The entries of one level of a collection tree, in file order. The list
// owns its nodes and, through them, their subtrees. Walks over a tree go
// through CollectionWalk; the list keeps no walk position.
class CollectionNodeList {
public:
    CollectionNodeList() = default;
    ~CollectionNodeList();
    CollectionNodeList(const CollectionNodeList&) = delete;
    CollectionNodeList& operator=(const CollectionNodeList&) = delete;

    bool IsEmpty() const { return nodes.empty(); }
    std::size_t Size() const { return nodes.size(); }
    CollectionNode* At(std::size_t index) const { return nodes[index].get(); }
    // The first and the last node; null for an empty list.
    CollectionNode* Front() const { return nodes.empty() ? nullptr : nodes.front().get(); }
    CollectionNode* Back() const { return nodes.empty() ? nullptr : nodes.back().get(); }

    // Adds node at the end and returns it.
    CollectionNode* Append(std::unique_ptr<CollectionNode> node);
    // Puts node directly after anchor, or at the front when anchor is null,
    // and returns it.
    CollectionNode* InsertAfter(const CollectionNode* anchor, std::unique_ptr<CollectionNode> node);
    // Takes node, with its subtree, out of the list and hands it over; null
    // when this list does not hold it.
    std::unique_ptr<CollectionNode> Unlink(const CollectionNode* node);
    // Destroys every node and its subtree; the list stays, empty.
    void Clear();

    // The "<HR>" separators of the file: how many stand directly before the
    // node at index, or after the last node when index is Size(). They are
    // no entries, so nothing else counts or shows them; they keep their
    // place as nodes come and go around them.
    std::size_t SeparatorsBefore(std::size_t index) const;
    // One more after the last node; a node appended later follows it.
    void AppendSeparator();

private:
    std::size_t IndexOf(const CollectionNode* node) const;

    std::vector<std::unique_ptr<CollectionNode>> nodes;
    // Empty while the list has no separator; otherwise the count before
    // each node and, last, the count after them.
    std::vector<std::uint32_t> separators;
};
