#include "core/expire/ExpireRules.h"
#include "core/collection/CollectionNode.h"
#include "core/collection/CollectionNodeList.h"
#include "core/collection/CollectionStore.h"

#include <algorithm>

CollectionNodeList* FindExpireEntries(const CollectionNodeList* root)
{
    if (!root || !root->head || !root->head->IsFolder())
        return nullptr;
    return root->head->children.get();
}

CollectionNodeList& ProvideExpireEntries(CollectionNodeList& root)
{
    if (CollectionNodeList* entries = FindExpireEntries(&root))
        return *entries;
    return *root.InsertAfter(nullptr, CollectionNode::MakeFolder(kDefaultExpireTitle))->children;
}

bool ExpireUrlMatches(const std::string& url, const std::string& address)
{
    if (url.empty() || address.empty())
        return false;
    const std::size_t common = std::min(url.size(), address.size());
    return url.compare(0, common, address, 0, common) == 0;
}

bool MatchesExpireList(const CollectionNodeList* root, const std::string& address)
{
    const CollectionNodeList* entries = FindExpireEntries(root);
    if (!entries)
        return false;
    // Matching only reads, so it follows the chain and leaves the list's
    // cursor to the walks that own it.
    for (const CollectionNode* entry = entries->head; entry; entry = entry->next) {
        if (!entry->IsFolder() && ExpireUrlMatches(entry->url, address))
            return true;
    }
    return false;
}
