#pragma once
#include <string>

class CollectionNodeList;

// The expire list is the nodes directly inside the first top-level folder of
// the expire-page file; other top-level nodes and deeper levels play no part.

// That folder's children; null when the tree is absent, empty, or starts
// with a link.
CollectionNodeList* FindExpireEntries(const CollectionNodeList* root);

// The same, first putting an empty folder named kDefaultExpireTitle at the
// front of root when there is none, so that an entry added there counts.
CollectionNodeList& ProvideExpireEntries(CollectionNodeList& root);

// True when address equals url or starts with it, byte for byte. An address
// that is only a beginning of url does not match, and an empty url (a folder,
// or a hand-made entry) matches nothing.
bool ExpireUrlMatches(const std::string& url, const std::string& address);

// True when a link among the entries of root matches address.
bool MatchesExpireList(const CollectionNodeList* root, const std::string& address);
