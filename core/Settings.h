#pragma once
#include "core/Profile.h"
#include <string>

// The user's settings: the "SETTING" section of the INI file, one field per
// key; kSettingKeys names each field's key. Flags
// are ints, non-zero meaning on, as the file stores them. The main window
// owns one; the options sheet edits a copy and hands it back.
struct Settings {
    Settings();  // every field at its key's default

    int m_bSaveLastTab;
    int m_bStealthMode;
    // The main window's placement: its show command and normal rectangle.
    int m_nState;
    int m_nLeft, m_nTop, m_nRight, m_nBottom;
    int m_nTabOrientation;  // a TabSide
    // The files the user chose; used only while the matching flag is off.
    std::string m_strBookmarkFile;
    int m_bUseDefaultBookmarkFile;
    std::string m_strExpirePageFile;
    int m_bUseDefaultExpirePageFile;
    int m_bExpireEnabled;
    int m_bPinnedStatic;
    int m_bMultiLineTab;
    int m_nTrayIcon;
    int m_nTabTextLength;
    std::string m_strAutoHideTime;  // minutes, kept as written
    int m_bEnableAutoHide;
    int m_bNeedClickTray;
    int m_nPriority;

    // Every key; a missing one gives its default, an out-of-range number is
    // pulled into range.
    void Load(const Profile& profile);
    // Every key, in table order, integers as signed decimals.
    void Save(Profile& profile) const;

    // What the program uses, derived from the stored values: the tab
    // collection and expire-page files (the default name in the start
    // directory, or the user's text unchanged), and the idle time in ms.
    std::string BookmarkFilePath(const std::string& startDir) const;
    std::string ExpireFilePath(const std::string& startDir) const;
    int AutoHideMs() const;
    // The idle time in minutes as the options edit it, and back as the text
    // they store: two decimals, 10 becomes "10.00".
    float AutoHideMinutes() const;
    void SetAutoHideMinutes(float minutes);
};

// The values a number key may take. A number read from the file outside
// [min, max] is pulled to the nearer end or falls back to the key's default,
// or is kept as it is; the options refuse it. The idle time is a text key of
// minutes: its range binds only the options.
struct SettingRange {
    enum OnReading { kKept, kNearerEnd, kDefault };
    OnReading onReading;
    double min, max;
};

// One key of the section and the field it fills.
struct SettingKey {
    const char* key;
    int Settings::*number;          // an integer key, or
    std::string Settings::*text;    // a string key
    int defaultNumber;
    const char* defaultText;
    SettingRange range;

    // A number as reading keeps it.
    int PullIntoRange(int value) const;
};
extern const SettingKey kSettingKeys[];
extern const int kSettingKeyCount;

// The key of a field; every field has one.
const SettingKey& SettingKeyOf(int Settings::*number);
const SettingKey& SettingKeyOf(std::string Settings::*text);
