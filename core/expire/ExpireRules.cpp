#include "core/expire/ExpireRules.h"
#include "core/collection/CollectionNode.h"
#include "core/collection/CollectionNodeList.h"
#include "core/collection/CollectionStore.h"

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
    // Only the entry may be the shorter one: a listed pop-up must not refuse
    // the site or folder it lives in.
    if (url.empty() || address.size() < url.size())
        return false;
    return address.compare(0, url.size(), url) == 0;
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
