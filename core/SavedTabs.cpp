#include "core/SavedTabs.h"
#include "core/IniDocument.h"
#include <algorithm>
#include <cstdio>

const char kDefaultTabsSection[] = "TAB";
const char kSessionSection[] = "SESSION";

namespace {
const char kCount[] = "COUNT";

std::string TabPinKey(int index)
{
    char key[32];
    std::snprintf(key, sizeof key, "PIN%03d", index);
    return key;
}
}

std::string TabUrlKey(int index)
{
    char key[32];
    std::snprintf(key, sizeof key, "URL%03d", index);
    return key;
}

SavedTabSet ReadTabSet(const Profile& profile, const char* section, int maxTabs)
{
    SavedTabSet set{ profile.ReadInt(section, kCount, 0), {} };
    const int count = std::min(set.count, maxTabs);
    for (int i = 0; i < count; ++i)
        set.tabs.push_back({ profile.ReadString(section, TabUrlKey(i).c_str(), ""),
                             profile.ReadInt(section, TabPinKey(i).c_str(), 0) != 0 });
    return set;
}

void WriteTabSet(IniDocument& doc, const char* section, const std::vector<SavedTab>& tabs, int maxTabs)
{
    const int oldCount = doc.ReadInt(section, kCount, 0);
    const int count = static_cast<int>(tabs.size());
    doc.WriteInt(section, kCount, count);
    // Our own sets never pass maxTabs; a hand-edited huge COUNT must not
    // turn saving into billions of removals.
    for (int i = count; i < std::min(oldCount, maxTabs); ++i) {
        doc.Remove(section, TabUrlKey(i));
        doc.Remove(section, TabPinKey(i));
    }
    // The document drops line breaks inside a value: "[x]" on a line of its
    // own would move every later key into another section.
    for (int i = 0; i < count; ++i) {
        doc.WriteString(section, TabUrlKey(i).c_str(), tabs[static_cast<size_t>(i)].url);
        if (tabs[static_cast<size_t>(i)].pinned)
            doc.WriteInt(section, TabPinKey(i).c_str(), 1);
        else
            doc.Remove(section, TabPinKey(i));
    }
}
