// The settings and the default tab set against real INI files in a temporary
// start directory, read back byte for byte.
#include "app/BrowserApp.h"
#include "browser/MainDlg.h"
#include "core/IniDocument.h"
#include "core/SavedTabs.h"
#include "tests/browser/MainDlgAccess.h"
#include "tests/support/FakeWebBrowser.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/ScenePicture.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

class SettingsDlg : public MainDlgAccess {
public:
    using CMainDlg::m_tabCtrl;
    using CMainDlg::m_settings;
};

using Keys = std::vector<std::pair<std::string, std::string>>;

// A section as the profile functions write it.
std::string Section(const char* name, const Keys& keys)
{
    std::string text = std::string("[") + name + "]\r\n";
    for (const auto& key : keys)
        text += key.first + "=" + key.second + "\r\n";
    return text;
}

// "SETTING" as a first close writes it for the given window rectangle.
Keys DefaultSettingKeys(const RECT& normal)
{
    return {
        { "SAVELASTTAB", "0" }, { "STEALSMODE", "0" }, { "STATE", "1" },
        { "LEFT", std::to_string(normal.left) }, { "TOP", std::to_string(normal.top) },
        { "RIGHT", std::to_string(normal.right) }, { "BOTTOM", std::to_string(normal.bottom) },
        { "TABORIENTATION", "2" }, { "BOOKMARKFILE", "" }, { "USEDEFAULTBOOKMARKFILE", "1" },
        { "EXPIREPAGEFILE", "" }, { "USEDEFAULTEXPIREPAGEFILE", "1" }, { "ENABLEEXPIREPAGE", "0" },
        { "PINNEDSTATIC", "0" }, { "MULTILINETAB", "0" }, { "TRAYICON", "0" }, { "TABTEXTLENGTH", "8" },
        { "AUTOHIDETIME", "10.0" }, { "ENABLEAUTOHIDE", "0" }, { "NEEDCLICKTRAY", "0" }, { "PRIORITY", "1" },
    };
}

std::string ValueOf(const Keys& keys, const char* name)
{
    for (const auto& key : keys)
        if (key.first == name)
            return key.second;
    return "<absent>";
}

// The keys of one section of an INI text, in file order.
Keys ParseSection(const std::string& text, const char* name)
{
    Keys keys;
    const std::string header = std::string("[") + name + "]";
    bool inside = false;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find("\r\n", pos);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(pos, end - pos);
        pos = end + 2;
        if (!line.empty() && line[0] == '[')
            inside = line == header;
        else if (inside && !line.empty()) {
            const size_t eq = line.find('=');
            keys.emplace_back(line.substr(0, eq), eq == std::string::npos ? "" : line.substr(eq + 1));
        }
    }
    return keys;
}

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FakeWebBrowser::Register();
        static int serial = 0;
        char temp[MAX_PATH] = "";
        ::GetTempPathA(sizeof temp, temp);
        char name[64];
        std::snprintf(name, sizeof name, "qvsettings-%lu-%d\\", ::GetCurrentProcessId(), ++serial);
        m_dir = std::string(temp) + name;
        ASSERT_TRUE(::CreateDirectoryA(m_dir.c_str(), nullptr));
        m_savedStartDir = g_strStartDir;
        m_savedProfile = theApp.m_pszProfileName;
        theApp.m_pszProfileName = _strdup(Ini().c_str());
        g_strStartDir = m_dir.c_str();
        m_savedPriority = ::GetPriorityClass(::GetCurrentProcess());
    }

    void TearDown() override
    {
        if (dlg) {
            dlg->DestroyWindow();
            dlg.reset();
        }
        EXPECT_EQ(FakeWebBrowser::LiveCount(), 0) << "a pane leaked its control";
        std::free(theApp.m_pszProfileName);
        theApp.m_pszProfileName = m_savedProfile;
        g_strStartDir = m_savedStartDir;
        // The close sequence also writes the two collection files there.
        for (const char* file : { "Quenvo.ini", "Qvbookmark.htm", "Qvexpire.htm" })
            ::DeleteFileA((m_dir + file).c_str());
        ::RemoveDirectoryA(m_dir.c_str());
        ::SetPriorityClass(::GetCurrentProcess(), m_savedPriority);
    }

    std::string Ini() const { return m_dir + "Quenvo.ini"; }

    void WriteIni(const std::string& bytes) const
    {
        FILE* f = std::fopen(Ini().c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }

    std::string ReadIni() const
    {
        std::string bytes;
        if (FILE* f = std::fopen(Ini().c_str(), "rb")) {
            char buffer[4096];
            size_t got;
            while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0)
                bytes.append(buffer, got);
            std::fclose(f);
        }
        return bytes;
    }

    void Open()
    {
        dlg = std::make_unique<SettingsDlg>();
        ASSERT_TRUE(dlg->Create(CMainDlg::IDD));
    }
    void Close() { dlg->SendMessage(WM_CLOSE); }
    void Command(UINT id) { dlg->SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    FakeWebBrowser* Fake(int index) const
    {
        CWebBrowser2* pane = dlg->GetPane(index);
        return pane ? FakeWebBrowser::FromHost(pane->m_hWnd) : nullptr;
    }
    // What the pane's control was last asked to do, with its address.
    std::string LastCall(int index) const
    {
        FakeWebBrowser* fake = Fake(index);
        if (!fake || fake->Calls().empty())
            return "<none>";
        const FakeCall& call = fake->Calls().back();
        return call.name + " " + CString::FromWide(call.url.c_str()).str();
    }
    RECT NormalRect() const
    {
        WINDOWPLACEMENT wp = {};
        wp.length = sizeof wp;
        ::GetWindowPlacement(dlg->m_hWnd, &wp);
        return wp.rcNormalPosition;
    }

    std::unique_ptr<SettingsDlg> dlg;
    std::string m_dir;

private:
    CString m_savedStartDir;
    char* m_savedProfile = nullptr;
    DWORD m_savedPriority = NORMAL_PRIORITY_CLASS;
};

TEST_F(SettingsTest, FirstStartUsesEveryDefaultAndTheFirstCloseWritesTheSectionInOrder)
{
    ::SetPriorityClass(::GetCurrentProcess(), IDLE_PRIORITY_CLASS);
    Open();
    const DWORD style = dlg->m_tabCtrl.GetStyle();
    EXPECT_EQ(style & (TCS_VERTICAL | TCS_BOTTOM | TCS_MULTILINE), static_cast<DWORD>(TCS_BOTTOM));
    EXPECT_FALSE(dlg->m_settings.m_bSaveLastTab);
    EXPECT_FALSE(dlg->m_settings.m_bStealthMode);
    EXPECT_FALSE(dlg->m_settings.m_bExpireEnabled);
    EXPECT_EQ(dlg->m_settings.m_nTabTextLength, 8);
    EXPECT_EQ(dlg->m_settings.m_nTrayIcon, 0);
    EXPECT_EQ(dlg->m_settings.m_strAutoHideTime, "10.0");
    EXPECT_EQ(dlg->m_settings.AutoHideMs(), 600000);
    EXPECT_FALSE(dlg->m_settings.m_bEnableAutoHide);
    EXPECT_FALSE(dlg->m_settings.m_bNeedClickTray);
    EXPECT_EQ(dlg->m_settings.m_nPriority, 1);
    EXPECT_EQ(::GetPriorityClass(::GetCurrentProcess()), static_cast<DWORD>(NORMAL_PRIORITY_CLASS));
    EXPECT_EQ(dlg->Popup().GetFile(), (m_dir + "Qvbookmark.htm").c_str());
    EXPECT_EQ(dlg->GetExpireFile(), (m_dir + "Qvexpire.htm").c_str());
    EXPECT_FALSE(::IsZoomed(dlg->m_hWnd)) << "no placement to apply, so the window keeps its created state";
    ASSERT_EQ(dlg->GetTabCount(), 1);
    EXPECT_EQ(LastCall(0), "GoHome ");

    const RECT normal = NormalRect();
    Close();
    EXPECT_EQ(ReadIni(), Section("SETTING", DefaultSettingKeys(normal)));
}

TEST_F(SettingsTest, OutsideStealthModeTheWindowHasATaskbarButton)
{
    WriteIni(Section("SETTING", { { "STEALSMODE", "0" } }));
    Open();
    const LONG_PTR exStyle = ::GetWindowLongPtrA(dlg->m_hWnd, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_APPWINDOW);
    EXPECT_FALSE(exStyle & WS_EX_TOOLWINDOW);
}

TEST_F(SettingsTest, OutOfRangeValuesArePulledInAndWrittenBackCorrected)
{
    WriteIni(Section("SETTING", { { "TABORIENTATION", "7" }, { "TABTEXTLENGTH", "100" }, { "TRAYICON", "7" },
                                  { "PRIORITY", "9" }, { "AUTOHIDETIME", "soon" } }));
    ::SetPriorityClass(::GetCurrentProcess(), IDLE_PRIORITY_CLASS);
    Open();
    EXPECT_EQ(dlg->m_tabCtrl.GetStyle() & (TCS_VERTICAL | TCS_BOTTOM), static_cast<DWORD>(TCS_BOTTOM));
    EXPECT_EQ(dlg->m_settings.m_nTabTextLength, 63);
    EXPECT_EQ(dlg->m_settings.m_nTrayIcon, 0);
    EXPECT_EQ(dlg->m_settings.m_nPriority, 1);
    EXPECT_EQ(::GetPriorityClass(::GetCurrentProcess()), static_cast<DWORD>(NORMAL_PRIORITY_CLASS));
    EXPECT_EQ(dlg->m_settings.AutoHideMs(), 0);
    Close();
    const Keys written = ParseSection(ReadIni(), "SETTING");
    EXPECT_EQ(ValueOf(written, "AUTOHIDETIME"), "soon") << "kept as written until the options replace it";
    EXPECT_EQ(ValueOf(written, "TABORIENTATION"), "2");
    EXPECT_EQ(ValueOf(written, "TABTEXTLENGTH"), "63");
    EXPECT_EQ(ValueOf(written, "TRAYICON"), "0");
    EXPECT_EQ(ValueOf(written, "PRIORITY"), "1");
    EXPECT_EQ(written.size(), 21u);
}

TEST_F(SettingsTest, EachTabSideOpensWithItsStylesAndIsWrittenBack)
{
    const DWORD kSides[4] = { 0, TCS_VERTICAL, TCS_BOTTOM, TCS_VERTICAL | TCS_RIGHT };
    for (int side = 0; side < 4; ++side) {
        WriteIni(Section("SETTING", { { "TABORIENTATION", std::to_string(side) },
                                      { "MULTILINETAB", side % 2 ? "1" : "0" } }));
        Open();
        const DWORD style = dlg->m_tabCtrl.GetStyle();
        EXPECT_EQ(style & (TCS_VERTICAL | TCS_BOTTOM), kSides[side]) << side;
        EXPECT_EQ((style & TCS_MULTILINE) != 0, side % 2 == 1) << side;
        Close();
        EXPECT_EQ(ValueOf(ParseSection(ReadIni(), "SETTING"), "TABORIENTATION"), std::to_string(side));
        dlg->DestroyWindow();
        dlg.reset();
    }
}

TEST_F(SettingsTest, AnEmptyRectangleAppliesNoPlacementNotEvenTheState)
{
    WriteIni(Section("SETTING", { { "STATE", "3" }, { "LEFT", "100" }, { "TOP", "10" }, { "RIGHT", "100" },
                                  { "BOTTOM", "400" } }));
    Open();
    EXPECT_FALSE(::IsZoomed(dlg->m_hWnd));
    EXPECT_NE(NormalRect().left, 100);
}

TEST_F(SettingsTest, WithoutASavedPlacementTheWindowOpensCentredOnTheWorkArea)
{
    Open();
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoA(::MonitorFromWindow(dlg->m_hWnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    RECT r;
    dlg->GetWindowRect(&r);
    EXPECT_TRUE(dlg->IsWindowVisible());
    EXPECT_LE(std::abs((r.left + r.right) - (work.left + work.right)), 1) << r.left;
    EXPECT_LE(std::abs((r.top + r.bottom) - (work.top + work.bottom)), 1) << r.top;
}

TEST_F(SettingsTest, ASavedPlacementIsRestored)
{
    WriteIni(Section("SETTING", { { "STATE", "1" }, { "LEFT", "40" }, { "TOP", "30" }, { "RIGHT", "440" },
                                  { "BOTTOM", "330" } }));
    Open();
    EXPECT_TRUE(dlg->IsWindowVisible());
    const RECT normal = NormalRect();
    EXPECT_EQ(normal.left, 40);
    EXPECT_EQ(normal.top, 30);
    EXPECT_EQ(normal.right, 440);
    EXPECT_EQ(normal.bottom, 330);
    Close();
    const Keys written = ParseSection(ReadIni(), "SETTING");
    EXPECT_EQ(ValueOf(written, "LEFT") + "," + ValueOf(written, "TOP") + "," + ValueOf(written, "RIGHT") + "," +
                  ValueOf(written, "BOTTOM"),
              "40,30,440,330");
}

TEST_F(SettingsTest, UserFilesAreWrittenBackWhileTheDefaultsAreInUse)
{
    WriteIni(Section("SETTING", { { "BOOKMARKFILE", "D:\\mine\\bm.htm" }, { "USEDEFAULTBOOKMARKFILE", "1" },
                                  { "EXPIREPAGEFILE", "" }, { "USEDEFAULTEXPIREPAGEFILE", "0" } }));
    Open();
    EXPECT_EQ(dlg->Popup().GetFile(), (m_dir + "Qvbookmark.htm").c_str());
    EXPECT_EQ(dlg->GetExpireFile(), "");
    Close();
    const Keys written = ParseSection(ReadIni(), "SETTING");
    EXPECT_EQ(ValueOf(written, "BOOKMARKFILE"), "D:\\mine\\bm.htm");
    EXPECT_EQ(ValueOf(written, "USEDEFAULTEXPIREPAGEFILE"), "0");
}

TEST_F(SettingsTest, SaveTabsAtExitTogglesAndClosingThenSavesTheTabsAfterTheSettings)
{
    Open();
    Command(ID_SAVE_TABS_AT_EXIT);
    EXPECT_TRUE(dlg->m_settings.m_bSaveLastTab);
    Command(ID_SAVE_TABS_AT_EXIT);
    EXPECT_FALSE(dlg->m_settings.m_bSaveLastTab);
    Command(ID_SAVE_TABS_AT_EXIT);
    ASSERT_TRUE(dlg->AddTab("http://b.example/"));
    dlg->GetPane(0)->SetLocation("http://a.example/");
    dlg->GetPane(1)->SetLocation("http://b.example/");
    const RECT normal = NormalRect();
    Close();

    Keys settings = DefaultSettingKeys(normal);
    settings[0].second = "1";
    EXPECT_EQ(ReadIni(), Section("SETTING", settings) +
                             Section("TAB", { { "COUNT", "2" }, { "URL000", "http://a.example/" },
                                              { "URL001", "http://b.example/" } }));
}

TEST_F(SettingsTest, PriorityLevelsFollowTheSliderUpward)
{
    Open();
    const DWORD kClasses[4] = { IDLE_PRIORITY_CLASS, NORMAL_PRIORITY_CLASS, ABOVE_NORMAL_PRIORITY_CLASS,
                                HIGH_PRIORITY_CLASS };
    for (int level = 0; level < 4; ++level) {
        dlg->ApplyPriority(level);
        EXPECT_EQ(::GetPriorityClass(::GetCurrentProcess()), kClasses[level]) << level;
    }
    dlg->ApplyPriority(4);
    EXPECT_EQ(::GetPriorityClass(::GetCurrentProcess()), static_cast<DWORD>(HIGH_PRIORITY_CLASS));
}

TEST_F(SettingsTest, SavingFewerTabsRemovesTheStaleKeys)
{
    WriteIni(Section("TAB", { { "COUNT", "5" }, { "URL000", "http://0/" }, { "URL001", "http://1/" },
                              { "URL002", "http://2/" }, { "URL003", "http://3/" }, { "URL004", "http://4/" } }));
    Open();
    ASSERT_EQ(dlg->GetTabCount(), 5);
    EXPECT_EQ(LastCall(4), "Navigate http://4/");
    ASSERT_TRUE(dlg->DeleteTab(4));
    ASSERT_TRUE(dlg->DeleteTab(0));
    dlg->GetPane(1)->SetLocation("http://moved-on/");
    Command(ID_SAVE_DEFAULT_TABS);
    EXPECT_EQ(ReadIni(), Section("TAB", { { "COUNT", "3" }, { "URL000", "http://1/" },
                                          { "URL001", "http://moved-on/" }, { "URL002", "http://3/" } }));
}

TEST_F(SettingsTest, LineBreaksInAnAddressNeverReachTheFile)
{
    Open();
    ASSERT_TRUE(dlg->AddTab("http://b/"));
    dlg->GetPane(0)->SetLocation("http://a/\r\n[x]\nz");
    Command(ID_SAVE_DEFAULT_TABS);
    EXPECT_EQ(ReadIni(), Section("TAB", { { "COUNT", "2" }, { "URL000", "http://a/[x]z" }, { "URL001", "http://b/" } }));
}

TEST_F(SettingsTest, OpeningKeepsPinnedTabsFirstAndReplacesTheOthersWhosePagesLoadWhenShown)
{
    Open();
    ASSERT_TRUE(dlg->AddTab("http://b/"));
    ASSERT_TRUE(dlg->AddTab("http://c/"));
    const char* addresses[3] = { "http://a/", "http://b/", "http://c/" };
    for (int i = 0; i < 3; ++i)
        dlg->GetPane(i)->SetLocation(addresses[i]);
    dlg->SendMessage(WM_APP_TOGGLEPIN, 0, 0);
    CWebBrowser2* pinned = dlg->GetPane(0);
    Command(ID_SAVE_DEFAULT_TABS);
    Command(ID_OPEN_DEFAULT_TABS);

    ASSERT_EQ(dlg->GetTabCount(), 4);
    EXPECT_EQ(FakeWebBrowser::LiveCount(), 1) << "the unpinned panes are gone, the new ones wait to be shown";
    EXPECT_EQ(dlg->GetPane(0), pinned);
    EXPECT_TRUE(pinned->GetPinned());
    EXPECT_EQ(dlg->m_tabCtrl.GetCurSel(), 0) << "the pinned tab keeps the front";
    for (int i = 1; i < 4; ++i) {
        EXPECT_EQ(dlg->GetPane(i)->GetTabLocation(), addresses[i - 1]);
        EXPECT_EQ(dlg->GetPane(i)->GetDlgCtrlID(), IDC_BROWSER_FIRST + i);
    }
    EXPECT_EQ(dlg->m_tabCtrl.GetItemCount(), 4);

    // Its first showing loads a page, once.
    ASSERT_TRUE(dlg->SelectTab(2));
    ASSERT_TRUE(dlg->SelectTab(0));
    ASSERT_TRUE(dlg->SelectTab(2));
    EXPECT_EQ(FakeWebBrowser::LiveCount(), 2);
    EXPECT_TRUE(dlg->GetPane(2)->GetStyle() & WS_VISIBLE);
    ASSERT_NE(Fake(2), nullptr);
    EXPECT_EQ(Fake(2)->Calls().size(), 1u);
    EXPECT_EQ(LastCall(2), "Navigate http://b/");
}

TEST_F(SettingsTest, TabsThatNeverLoadedKeepTheirAddressesThroughExchangesClosesAndSaving)
{
    WriteIni(Section("TAB", { { "COUNT", "4" }, { "URL000", "http://0/" }, { "URL001", "http://1/" },
                              { "URL002", "http://2/" }, { "URL003", "http://3/" } }));
    Open();
    char caption[64] = "";
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = caption;
    item.cchTextMax = sizeof caption;
    dlg->m_tabCtrl.GetItem(1, &item);
    EXPECT_STREQ(caption, "http://1") << "its address, cut to the caption length";
    // What a drag step asks of the window.
    ASSERT_TRUE(dlg->MoveTab(0, 1));
    ASSERT_TRUE(dlg->DeleteTab(2));
    EXPECT_EQ(FakeWebBrowser::LiveCount(), 1) << "only the front tab ever loaded";
    // What the organizer and the expire-page dialog take as name and address.
    EXPECT_EQ(dlg->GetPane(0)->GetLocationName(), "http://1/");
    EXPECT_EQ(dlg->GetPane(0)->GetLocationURL(), "http://1/");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(dlg->GetPane(i)->GetDlgCtrlID(), IDC_BROWSER_FIRST + i);
    Command(ID_SAVE_DEFAULT_TABS);
    EXPECT_EQ(ReadIni(), Section("TAB", { { "COUNT", "3" }, { "URL000", "http://1/" }, { "URL001", "http://0/" },
                                          { "URL002", "http://3/" } }));
}

TEST_F(SettingsTest, AnEmptySetSendsTheFirstTabHomeAndAddsAnEmptyOne)
{
    Open();
    ASSERT_TRUE(dlg->AddTab("http://b/"));
    ASSERT_TRUE(dlg->AddTab("http://c/"));
    CWebBrowser2* before[3] = { dlg->GetPane(0), dlg->GetPane(1), dlg->GetPane(2) };
    Fake(0)->ClearCalls();
    Command(ID_OPEN_DEFAULT_TABS);
    ASSERT_EQ(dlg->GetTabCount(), 4);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(dlg->GetPane(i), before[i]);
    EXPECT_EQ(LastCall(0), "GoHome ");
    EXPECT_EQ(LastCall(1), "Navigate http://b/");
    EXPECT_EQ(LastCall(3), "Navigate ");
}

TEST_F(SettingsTest, ANegativeCountClosesTheUnpinnedTabsAndOpensNothing)
{
    WriteIni(Section("TAB", { { "COUNT", "-2" }, { "URL000", "http://0/" } }));
    Open();
    EXPECT_EQ(dlg->GetTabCount(), 0);
    ASSERT_TRUE(dlg->AddTab("http://a/"));
    ASSERT_TRUE(dlg->AddTab("http://b/"));
    ASSERT_TRUE(dlg->AddTab("http://c/"));
    dlg->SendMessage(WM_APP_TOGGLEPIN, 1, 0);
    CWebBrowser2* pinned = dlg->GetPane(1);
    Command(ID_OPEN_DEFAULT_TABS);
    ASSERT_EQ(dlg->GetTabCount(), 1);
    EXPECT_EQ(dlg->GetPane(0), pinned);
    EXPECT_EQ(pinned->GetDlgCtrlID(), IDC_BROWSER_FIRST);
}

TEST_F(SettingsTest, AddressesWithSeparatorsAndJapaneseReadBackUnchanged)
{
    const std::string address = "http://例え.jp/a?x=1;y=2&z==3 ; end=";
    Open();
    dlg->GetPane(0)->SetLocation(address.c_str());
    Command(ID_SAVE_DEFAULT_TABS);
    EXPECT_EQ(ReadIni(), Section("TAB", { { "COUNT", "1" }, { "URL000", address } }));
    dlg->DestroyWindow();
    dlg.reset();

    Open();
    ASSERT_EQ(dlg->GetTabCount(), 1);
    EXPECT_EQ(dlg->GetPane(0)->GetTabLocation(), address.c_str());
    EXPECT_EQ(LastCall(0), "Navigate " + address);
}

TEST_F(SettingsTest, AHugeCountStopsAtTheTabLimitWithOnlyTheFrontTabLoadedAndSavingStaysBounded)
{
    WriteIni(Section("TAB", { { "COUNT", "2147483647" }, { "URL000", "http://0/" } }));
    Open();
    ASSERT_EQ(dlg->GetTabCount(), CMainDlg::kMaxTabs);
    EXPECT_EQ(FakeWebBrowser::LiveCount(), 1);
    EXPECT_EQ(dlg->m_tabCtrl.GetCurSel(), CMainDlg::kMaxTabs - 1);
    EXPECT_EQ(LastCall(CMainDlg::kMaxTabs - 1), "Navigate ");
    EXPECT_EQ(dlg->GetPane(0)->GetTabLocation(), "http://0/");
    while (dlg->GetTabCount() > 1)
        dlg->DeleteTab(dlg->GetTabCount() - 1);
    EXPECT_EQ(LastCall(0), "Navigate http://0/") << "each tab that came to the front loaded";
    Command(ID_SAVE_DEFAULT_TABS);
    EXPECT_EQ(ReadIni(), Section("TAB", { { "COUNT", "1" }, { "URL000", "http://0/" } }));
}

// The default tab set changes only when it is saved or the program closes;
// the session keeps the open tabs while the program runs, and what a run
// that never closed left behind opens at the next start, pins and all.
TEST_F(SettingsTest, TheSessionStandsInForTheDefaultSetOnlyAfterARunThatDidNotEnd)
{
    enum End { kClose, kSessionEnd, kKilled };
    const struct {
        const char* what;
        bool saveLastTab;
        End end;
        const char* tabAfter;      // the default set's addresses, then the session's
        const char* sessionAfter;
        const char* nextStart;     // '*' marks a pinned tab
    } rows[] = {
        { "kept, closed", true, kClose, "s p q", "", "s p* q" },
        { "kept, session ended", true, kSessionEnd, "s p q", "", "s p* q" },
        { "kept, killed", true, kKilled, "d", "s p q", "s p* q" },
        { "not kept, closed", false, kClose, "d", "", "d" },
        { "not kept, killed", false, kKilled, "d", "", "d" },
    };
    const auto addresses = [](const IniDocument& doc, const char* section) {
        std::string text;
        for (int i = 0; i < doc.ReadInt(section, "COUNT", 0); ++i)
            text += (i ? " " : "") + doc.ReadString(section, TabUrlKey(i).c_str(), "").substr(7, 1);
        return text;
    };
    for (const auto& row : rows) {
        // A session left by an earlier run that did not end, and the default set.
        WriteIni(Section("SETTING", { { "SAVELASTTAB", row.saveLastTab ? "1" : "0" } }) +
                 Section("TAB", { { "COUNT", "1" }, { "URL000", "http://d/" } }) +
                 Section("SESSION", { { "COUNT", "1" }, { "URL000", "http://s/" } }));
        Open();
        ASSERT_TRUE(dlg->AddTab("http://p/"));
        ASSERT_TRUE(dlg->AddTab("http://q/"));
        dlg->SendMessage(WM_APP_TOGGLEPIN, 1, 0);
        if (row.end == kKilled)
            PumpFor(2300);
        else if (row.end == kClose)
            Close();
        else
            dlg->SendMessage(WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
        dlg->DestroyWindow();
        dlg.reset();

        IniDocument doc;
        ASSERT_TRUE(doc.Parse(ReadIni()));
        EXPECT_EQ(addresses(doc, "TAB"), row.tabAfter) << row.what;
        EXPECT_EQ(addresses(doc, "SESSION"), row.sessionAfter) << row.what;
        EXPECT_EQ(doc.Find("SESSION", "COUNT") != nullptr, *row.sessionAfter != '\0') << row.what;

        Open();
        std::string opened;
        for (int i = 0; i < dlg->GetTabCount(); ++i)
            opened += (i ? " " : "") + dlg->GetPane(i)->GetTabLocation().str().substr(7, 1) +
                      (dlg->GetPane(i)->GetPinned() ? "*" : "");
        EXPECT_EQ(opened, row.nextStart) << row.what;
        dlg->DestroyWindow();
        dlg.reset();
    }
}

// A UTF-16 file is no file this program can edit: it says so once, runs on
// its defaults and leaves the file as it was.
TEST_F(SettingsTest, AFileInUtf16IsToldOfOnceAndLeftAsItWas)
{
    const std::string utf16("\xFF\xFE[\0S\0E\0T\0T\0I\0N\0G\0]\0\r\0\n\0", 24);
    WriteIni(utf16);
    MessageBoxWatch watch;
    Open();
    EXPECT_EQ(dlg->m_settings.m_nTabTextLength, 8);
    Command(ID_TAB_MULTILINE);
    dlg->SaveSettings();
    Command(ID_SAVE_DEFAULT_TABS);
    Close();
    ASSERT_EQ(watch.boxes.size(), 1u);
    EXPECT_EQ(watch.boxes[0].text, Ini() + "は UTF-16 で保存されているため読み書きできません。");
    EXPECT_EQ(ReadIni(), utf16);
}

}
