#include "core/expire/ExpireRules.h"
#include "core/collection/CollectionNode.h"
#include "core/collection/CollectionNodeList.h"
#include "core/collection/CollectionStore.h"
#include "core/collection/CollectionWalk.h"

CollectionNodeList* FindExpireEntries(const CollectionNodeList* root)
{
    const CollectionNode* first = root ? root->Front() : nullptr;
    return first && first->IsFolder() ? first->children.get() : nullptr;
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
    // Only the entries themselves count: folders among them are passed over
    // whole.
    for (CollectionWalk walk(*entries); walk.Next();) {
        if (walk.Node().IsFolder())
            walk.SkipChildren();
        else if (ExpireUrlMatches(walk.Node().url, address))
            return true;
    }
    return false;
}
