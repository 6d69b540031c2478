#include "core/collection/CollectionNodeList.h"
#include "core/collection/CollectionNode.h"

#include <algorithm>

CollectionNodeList::~CollectionNodeList()
{
    Clear();
}

CollectionNode* CollectionNodeList::Append(std::unique_ptr<CollectionNode> node)
{
    nodes.push_back(std::move(node));
    if (!separators.empty())
        separators.push_back(0);
    return nodes.back().get();
}

// Directly after the anchor means before the separators that follow it.
CollectionNode* CollectionNodeList::InsertAfter(const CollectionNode* anchor, std::unique_ptr<CollectionNode> node)
{
    const std::size_t at = anchor ? std::min(IndexOf(anchor) + 1, nodes.size()) : 0;
    if (!separators.empty())
        separators.insert(separators.begin() + static_cast<std::ptrdiff_t>(at), 0);
    return nodes.insert(nodes.begin() + static_cast<std::ptrdiff_t>(at), std::move(node))->get();
}

// The separators before the node stay where it stood.
std::unique_ptr<CollectionNode> CollectionNodeList::Unlink(const CollectionNode* node)
{
    const std::size_t at = IndexOf(node);
    if (at == nodes.size())
        return nullptr;
    if (!separators.empty()) {
        separators[at + 1] += separators[at];
        separators.erase(separators.begin() + static_cast<std::ptrdiff_t>(at));
    }
    std::unique_ptr<CollectionNode> taken = std::move(nodes[at]);
    nodes.erase(nodes.begin() + static_cast<std::ptrdiff_t>(at));
    return taken;
}

std::size_t CollectionNodeList::SeparatorsBefore(std::size_t index) const
{
    return separators.empty() ? 0 : separators[index];
}

void CollectionNodeList::AppendSeparator()
{
    if (separators.empty())
        separators.assign(nodes.size() + 1, 0);
    ++separators.back();
}

// Files from elsewhere can nest folders far deeper than a call stack, so a
// node is destroyed only once its children have been moved out onto the
// pending list: no destructor ever reaches a second level.
void CollectionNodeList::Clear()
{
    std::vector<std::unique_ptr<CollectionNode>> pending = std::move(nodes);
    nodes.clear();
    separators.clear();
    while (!pending.empty()) {
        std::unique_ptr<CollectionNode> node = std::move(pending.back());
        pending.pop_back();
        if (!node->children)
            continue;
        for (std::unique_ptr<CollectionNode>& child : node->children->nodes)
            pending.push_back(std::move(child));
        node->children->nodes.clear();
    }
}

std::size_t CollectionNodeList::IndexOf(const CollectionNode* node) const
{
    std::size_t at = 0;
    while (at < nodes.size() && nodes[at].get() != node)
        ++at;
    return at;
}
