#include "core/Settings.h"
#include "core/SettingsRules.h"
#include "core/TabSide.h"
#include <cassert>
#include <climits>
#include <cstdio>
#include <cstdlib>

namespace {
const char kSection[] = "SETTING";
const char kDefaultBookmarkFile[] = "Qvbookmark.htm";
const char kDefaultExpireFile[] = "Qvexpire.htm";

using S = Settings;
using R = SettingRange;
constexpr SettingRange kAnyNumber = { R::kKept, INT_MIN, INT_MAX };

constexpr SettingKey Number(const char* key, int S::*member, int defaultValue, SettingRange range = kAnyNumber)
{
    return { key, member, nullptr, defaultValue, nullptr, range };
}
constexpr SettingKey Text(const char* key, std::string S::*member, const char* defaultValue,
                          SettingRange range = kAnyNumber)
{
    return { key, nullptr, member, 0, defaultValue, range };
}
}

// In the order the section is written.
const SettingKey kSettingKeys[] = {
    Number("SAVELASTTAB", &S::m_bSaveLastTab, 0),
    Number("STEALSMODE", &S::m_bStealthMode, 0),
    Number("STATE", &S::m_nState, 1),
    Number("LEFT", &S::m_nLeft, 0),
    Number("TOP", &S::m_nTop, 0),
    Number("RIGHT", &S::m_nRight, 0),
    Number("BOTTOM", &S::m_nBottom, 0),
    Number("TABORIENTATION", &S::m_nTabOrientation, kTabSideBottom, { R::kDefault, kTabSideTop, kTabSideRight }),
    Text("BOOKMARKFILE", &S::m_strBookmarkFile, ""),
    Number("USEDEFAULTBOOKMARKFILE", &S::m_bUseDefaultBookmarkFile, 1),
    Text("EXPIREPAGEFILE", &S::m_strExpirePageFile, ""),
    Number("USEDEFAULTEXPIREPAGEFILE", &S::m_bUseDefaultExpirePageFile, 1),
    Number("ENABLEEXPIREPAGE", &S::m_bExpireEnabled, 0),
    Number("PINNEDSTATIC", &S::m_bPinnedStatic, 0),
    Number("MULTILINETAB", &S::m_bMultiLineTab, 0),
    // One of the seven icons IDI_TRAY0 to IDI_TRAY6.
    Number("TRAYICON", &S::m_nTrayIcon, 0, { R::kDefault, 0, 6 }),
    // Bytes of a tab label.
    Number("TABTEXTLENGTH", &S::m_nTabTextLength, 8, { R::kNearerEnd, 0, 63 }),
    // Minutes.
    Text("AUTOHIDETIME", &S::m_strAutoHideTime, "10.0", { R::kKept, 0.1, 1440.0 }),
    Number("ENABLEAUTOHIDE", &S::m_bEnableAutoHide, 0),
    Number("NEEDCLICKTRAY", &S::m_bNeedClickTray, 0),
    Number("PRIORITY", &S::m_nPriority, 1, { R::kDefault, 0, 3 }),
};
const int kSettingKeyCount = static_cast<int>(sizeof kSettingKeys / sizeof kSettingKeys[0]);

int SettingKey::PullIntoRange(int value) const
{
    if (range.onReading == R::kKept || (value >= range.min && value <= range.max))
        return value;
    if (range.onReading == R::kDefault)
        return defaultNumber;
    return static_cast<int>(value < range.min ? range.min : range.max);
}

namespace {
template <typename Field>
const SettingKey& KeyWhere(Field SettingKey::*column, Field field)
{
    for (const SettingKey& k : kSettingKeys)
        if (k.*column == field)
            return k;
    assert(!"a field without a key");
    return kSettingKeys[0];
}
}

const SettingKey& SettingKeyOf(int Settings::*number)
{
    return KeyWhere(&SettingKey::number, number);
}

const SettingKey& SettingKeyOf(std::string Settings::*text)
{
    return KeyWhere(&SettingKey::text, text);
}

Settings::Settings()
{
    for (const SettingKey& k : kSettingKeys) {
        if (k.text)
            this->*k.text = k.defaultText;
        else
            this->*k.number = k.defaultNumber;
    }
}

void Settings::Load(const Profile& profile)
{
    for (const SettingKey& k : kSettingKeys) {
        if (k.text) {
            this->*k.text = profile.ReadString(kSection, k.key, k.defaultText);
            continue;
        }
        this->*k.number = k.PullIntoRange(profile.ReadInt(kSection, k.key, k.defaultNumber));
    }
}

void Settings::Save(Profile& profile) const
{
    for (const SettingKey& k : kSettingKeys) {
        if (k.text)
            profile.WriteString(kSection, k.key, this->*k.text);
        else
            profile.WriteInt(kSection, k.key, this->*k.number);
    }
}

std::string Settings::BookmarkFilePath(const std::string& startDir) const
{
    return EffectiveFilePath(m_bUseDefaultBookmarkFile != 0, startDir, kDefaultBookmarkFile, m_strBookmarkFile);
}

std::string Settings::ExpireFilePath(const std::string& startDir) const
{
    return EffectiveFilePath(m_bUseDefaultExpirePageFile != 0, startDir, kDefaultExpireFile, m_strExpirePageFile);
}

int Settings::AutoHideMs() const
{
    return AutoHideMilliseconds(m_strAutoHideTime.c_str());
}

float Settings::AutoHideMinutes() const
{
    return static_cast<float>(std::strtod(m_strAutoHideTime.c_str(), nullptr));
}

void Settings::SetAutoHideMinutes(float minutes)
{
    char text[64];
    std::snprintf(text, sizeof text, "%0.2f", static_cast<double>(minutes));
    m_strAutoHideTime = text;
}
