#pragma once
#include <string>
#include <vector>

class IniDocument;
class Profile;

// The tab sets the INI file keeps, each a section of one shape: "COUNT",
// then "URL000", "URL001", ... in strip order, and "PIN000", ... = 1 beside
// a pinned tab (absent for the others; files without them read as unpinned).
extern const char kDefaultTabsSection[];  // "TAB": the default tab set
// "SESSION": the tabs open now, kept while the program runs so that a run
// that never ends properly (killed, crashed) leaves them behind.
extern const char kSessionSection[];

struct SavedTab {
    std::string url;
    bool pinned;
};

struct SavedTabSet {
    // As written: 0 means an empty set, which opens the home page; a
    // negative count opens nothing.
    int count;
    // The first count tabs, at most maxTabs of them; a missing key gives an
    // empty address.
    std::vector<SavedTab> tabs;
};

// Key of the i-th address of a tab set: "URL000", "URL001", ...
std::string TabUrlKey(int index);

SavedTabSet ReadTabSet(const Profile& profile, const char* section, int maxTabs);
// Replaces the set in the section by tabs; keys of a longer old set (below
// maxTabs) are removed, so none is left behind.
void WriteTabSet(IniDocument& doc, const char* section, const std::vector<SavedTab>& tabs, int maxTabs);
