#include "core/Settings.h"
#include "core/TabSide.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {
// A profile in memory that also keeps the order of its writes.
class MemoryProfile final : public Profile {
public:
    int ReadInt(const char* section, const char* key, int defaultValue) const override
    {
        auto it = values.find({ section, key });
        return it == values.end() ? defaultValue : std::stoi(it->second);
    }
    std::string ReadString(const char* section, const char* key, const char* defaultValue) const override
    {
        auto it = values.find({ section, key });
        return it == values.end() ? defaultValue : it->second;
    }
    void WriteInt(const char* section, const char* key, int value) override
    {
        WriteString(section, key, std::to_string(value));
    }
    void WriteString(const char* section, const char* key, const std::string& value) override
    {
        values[{ section, key }] = value;
        written.push_back(key);
    }

    std::map<std::pair<std::string, std::string>, std::string> values;
    std::vector<std::string> written;
};

// A number as reading the key of its field keeps it.
int Read(int Settings::*field, int value)
{
    return SettingKeyOf(field).PullIntoRange(value);
}
}

// Every key is written once, into "SETTING", and what is written reads back
// into the same values; a key out of range comes back in range.
TEST(SettingsTable, EveryKeyRoundTripsOnceAndRangesApplyOnReading)
{
    Settings changed;
    int n = 0;
    for (int i = 0; i < kSettingKeyCount; ++i) {
        const SettingKey& k = kSettingKeys[i];
        if (k.text)
            changed.*k.text = "text " + std::to_string(i);
        else
            changed.*k.number = k.range.onReading != SettingRange::kKept ? k.PullIntoRange(++n % 3) : 1000 + i;
    }
    MemoryProfile profile;
    changed.Save(profile);
    EXPECT_EQ(static_cast<int>(profile.written.size()), kSettingKeyCount);
    EXPECT_EQ(std::set<std::string>(profile.written.begin(), profile.written.end()).size(), profile.written.size());
    for (const auto& entry : profile.values)
        EXPECT_EQ(entry.first.first, "SETTING");

    Settings read;
    read.Load(profile);
    for (int i = 0; i < kSettingKeyCount; ++i) {
        const SettingKey& k = kSettingKeys[i];
        if (k.text)
            EXPECT_EQ(read.*k.text, changed.*k.text) << k.key;
        else
            EXPECT_EQ(read.*k.number, changed.*k.number) << k.key;
    }

    profile.values[{ "SETTING", "TABTEXTLENGTH" }] = "100";
    read.Load(profile);
    EXPECT_EQ(read.m_nTabTextLength, 63);
}

TEST(SettingsTable, OutOfRangeValuesFallBackOrClamp)
{
    EXPECT_EQ(ClampTabSide(3), 3);
    EXPECT_EQ(ClampTabSide(7), kTabSideBottom);
    EXPECT_EQ(ClampTabSide(-1), kTabSideBottom);
    EXPECT_EQ(Read(&Settings::m_nTabOrientation, 7), kTabSideBottom);
    EXPECT_EQ(Read(&Settings::m_nLeft, -5), -5);
    EXPECT_EQ(Read(&Settings::m_nTrayIcon, 6), 6);
    EXPECT_EQ(Read(&Settings::m_nTrayIcon, 7), 0);
    EXPECT_EQ(Read(&Settings::m_nTrayIcon, -3), 0);
    EXPECT_EQ(Read(&Settings::m_nTabTextLength, 100), 63);
    EXPECT_EQ(Read(&Settings::m_nTabTextLength, -5), 0);
    EXPECT_EQ(Read(&Settings::m_nTabTextLength, 8), 8);
    EXPECT_EQ(Read(&Settings::m_nPriority, 9), 1);
    EXPECT_EQ(Read(&Settings::m_nPriority, -1), 1);
    EXPECT_EQ(Read(&Settings::m_nPriority, 0), 0);
    EXPECT_EQ(Read(&Settings::m_nPriority, 3), 3);
}

TEST(SettingsTable, EachFieldFindsItsKeyAndEachDefaultLiesInItsRange)
{
    for (int i = 0; i < kSettingKeyCount; ++i) {
        const SettingKey& k = kSettingKeys[i];
        EXPECT_EQ(k.text ? &SettingKeyOf(k.text) : &SettingKeyOf(k.number), &k) << k.key;
        const double value = k.text ? std::strtod(k.defaultText, nullptr) : k.defaultNumber;
        EXPECT_TRUE(value >= k.range.min && value <= k.range.max) << k.key;
    }
}

TEST(SettingsTable, DerivedFilesAndIdleTime)
{
    Settings s;
    EXPECT_EQ(s.BookmarkFilePath("C:\\start\\"), "C:\\start\\Qvbookmark.htm");
    EXPECT_EQ(s.ExpireFilePath("C:\\start\\"), "C:\\start\\Qvexpire.htm");
    EXPECT_EQ(s.AutoHideMs(), 600000);
    s.m_bUseDefaultExpirePageFile = 0;
    s.m_strExpirePageFile = "mine.htm";
    s.m_strAutoHideTime = "0.5";
    EXPECT_EQ(s.ExpireFilePath("C:\\start\\"), "mine.htm");
    EXPECT_EQ(s.AutoHideMs(), 30000);
    EXPECT_EQ(s.AutoHideMinutes(), 0.5f);

    const struct { float minutes; const char* text; int ms; } edits[] = {
        { 10.0f, "10.00", 600000 }, { 0.1f, "0.10", 6000 }, { 1440.0f, "1440.00", 86400000 },
    };
    for (const auto& e : edits) {
        s.SetAutoHideMinutes(e.minutes);
        EXPECT_EQ(s.m_strAutoHideTime, e.text);
        EXPECT_EQ(s.AutoHideMs(), e.ms) << e.text;
    }
}
