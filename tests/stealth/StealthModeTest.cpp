// Stealth mode on the real main window, with the tick count, the cursor and
// the shell's tray calls replaced by the test.
#include "tests/browser/MainDlgFixture.h"
#include "tests/support/SheetDriver.h"
#include "framework/Menu.h"
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {
DWORD g_now;
POINT g_cursor;
std::vector<std::pair<DWORD, NOTIFYICONDATAA>> g_tray;

DWORD WINAPI FakeTickCount() { return g_now; }
BOOL WINAPI FakeCursorPos(POINT* p) { *p = g_cursor; return TRUE; }
BOOL WINAPI FakeNotifyIcon(DWORD message, NOTIFYICONDATAA* record)
{
    g_tray.emplace_back(message, *record);
    return TRUE;
}
void CALLBACK EndMenuSoon(HWND, UINT, UINT_PTR, DWORD)
{
    ::EndMenu();
}
// A stealth tick from inside the menu loop of g_menuOwner.
CWnd* g_menuOwner;
bool g_visibleInMenu;
void CALLBACK TickInMenu(HWND, UINT, UINT_PTR, DWORD)
{
    g_menuOwner->SendMessage(WM_TIMER, CStealthMode::kTimerId);
    g_visibleInMenu = g_menuOwner->IsWindowVisible() != FALSE;
    ::EndMenu();
}

class StealthTest : public MainDlgTest {
protected:
    void SetUp() override
    {
        MainDlgTest::SetUp();
        g_now = 1000;
        g_cursor = { 400, 300 };
        g_tray.clear();
        StealthModeProbe::SetSystemCalls(dlg->GetStealth(), { FakeTickCount, FakeCursorPos, FakeNotifyIcon });
    }

    Settings& S() { return dlg->m_settings; }
    bool Visible() const { return dlg->IsWindowVisible() != FALSE; }
    DWORD ExStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(dlg->m_hWnd, GWL_EXSTYLE)); }
    void Tray(UINT mouseMessage) { dlg->SendMessage(WM_APP_TRAYICON, CStealthMode::kTrayIconId, mouseMessage); }
    void Tick(DWORD now)
    {
        g_now = now;
        dlg->SendMessage(WM_TIMER, CStealthMode::kTimerId);
    }
    RECT Window() const
    {
        RECT r;
        dlg->GetWindowRect(&r);
        return r;
    }
    // Stealth mode on, the window called up under the cursor at the given time.
    void ShownAt(DWORD now)
    {
        if (!S().m_bStealthMode)
            Command(ID_STEALTH_MODE);
        g_now = now;
        Tray(WM_LBUTTONDOWN);
        ASSERT_TRUE(Visible());
    }
};
}

TEST_F(StealthTest, SwitchingOnHidesBehindTheTrayAndOffBringsBackTheTaskbarButton)
{
    // Whether the window became topmost cannot be seen here: Wine 8 does not
    // make a window topmost while it owns a topmost popup, and the tab strip's
    // tooltip is one.
    Command(ID_STEALTH_MODE);
    EXPECT_FALSE(Visible());
    EXPECT_FALSE(ExStyle() & WS_EX_APPWINDOW);
    EXPECT_EQ(StealthModeProbe::TimerId(dlg->GetStealth()), UINT_PTR(CStealthMode::kTimerId));
    ASSERT_EQ(g_tray.size(), 1u);
    const NOTIFYICONDATAA& added = g_tray[0].second;
    EXPECT_EQ(g_tray[0].first, DWORD(NIM_ADD));
    EXPECT_EQ(added.cbSize, DWORD(sizeof(void*) == 4 ? 88 : 104));
    EXPECT_EQ(added.hWnd, dlg->m_hWnd);
    EXPECT_EQ(added.uID, UINT(1));
    EXPECT_EQ(added.uFlags, UINT(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(added.uCallbackMessage, UINT(0x8064));
    EXPECT_NE(added.hIcon, nullptr);
    EXPECT_STREQ(added.szTip, "Quenvo");

    // A new icon while on shows at once.
    S().m_nTrayIcon = 3;
    dlg->GetStealth().ModifyTrayIcon();
    ASSERT_EQ(g_tray.size(), 2u);
    EXPECT_EQ(g_tray[1].first, DWORD(NIM_MODIFY));
    EXPECT_NE(g_tray[1].second.hIcon, added.hIcon);

    Command(ID_STEALTH_MODE);
    EXPECT_TRUE(Visible());
    EXPECT_FALSE(ExStyle() & WS_EX_TOPMOST);
    EXPECT_TRUE(ExStyle() & WS_EX_APPWINDOW);
    EXPECT_EQ(StealthModeProbe::TimerId(dlg->GetStealth()), UINT_PTR(0));
    EXPECT_EQ(g_tray.back().first, DWORD(NIM_DELETE));
}

TEST_F(StealthTest, HoverShowsUnlessAClickIsNeededAndARightClickNeverShows)
{
    Command(ID_STEALTH_MODE);
    Tray(WM_MOUSEMOVE);
    EXPECT_TRUE(Visible());
    const RECT r = Window();
    EXPECT_LE(std::abs((r.left + r.right) / 2 - g_cursor.x), 1);
    EXPECT_LE(std::abs((r.top + r.bottom) / 2 - g_cursor.y), 1);

    S().m_bNeedClickTray = 1;
    dlg->ShowWindow(SW_HIDE);
    Tray(WM_MOUSEMOVE);
    EXPECT_FALSE(Visible());
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, EndMenuSoon);
    Tray(WM_RBUTTONDOWN);
    ::KillTimer(nullptr, timer);
    EXPECT_FALSE(Visible());
    Tray(WM_LBUTTONDOWN);
    EXPECT_TRUE(Visible());
}

TEST_F(StealthTest, HidesBeyondTheMarginUnlessTheCollectionPopupIsOpen)
{
    ShownAt(1000);
    const RECT r = Window();
    g_cursor = { r.right + 32, r.top };
    Tick(1100);
    EXPECT_TRUE(Visible());
    g_cursor = { r.right + 33, r.top };
    CollectionPopupProbe::SetOpen(dlg->Popup(), TRUE);
    Tick(1200);
    EXPECT_TRUE(Visible());
    CollectionPopupProbe::SetOpen(dlg->Popup(), FALSE);
    Tick(1300);
    EXPECT_FALSE(Visible());
}

TEST_F(StealthTest, AutoHideCountsFromTheLastMoveOverTheBareClientArea)
{
    S().m_bEnableAutoHide = 1;
    S().m_strAutoHideTime = "0.1";
    ShownAt(1000);
    Tick(7000);
    EXPECT_TRUE(Visible());
    Tick(7001);
    EXPECT_FALSE(Visible());

    ShownAt(20000);
    g_now = 25000;
    dlg->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    Tick(26001);
    EXPECT_TRUE(Visible());
    Tick(31001);
    EXPECT_FALSE(Visible());
}

TEST_F(StealthTest, WaitsWhileTheWindowIsDisabledOrItsMenuIsOpen)
{
    S().m_bEnableAutoHide = 1;
    S().m_strAutoHideTime = "0.1";
    ShownAt(1000);
    const POINT inside = g_cursor;
    const RECT r = Window();
    g_cursor = { r.right + 100, r.top };
    dlg->EnableWindow(FALSE);
    Tick(20000);
    EXPECT_TRUE(Visible()) << "a modal dialog is over it";
    dlg->EnableWindow(TRUE);
    g_cursor = inside;
    Tick(20100);
    Tick(26100);
    EXPECT_TRUE(Visible()) << "the idle time counts from when it was usable again";
    Tick(26101);
    EXPECT_FALSE(Visible());

    ShownAt(30000);
    g_menuOwner = dlg.get();
    g_visibleInMenu = false;
    g_cursor = { r.right + 100, r.top };
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, TickInMenu);
    const CMenuResource menu(IDR_FUNCMENU);
    menu.Track(TPM_RIGHTBUTTON, r.left, r.top, dlg->m_hWnd);
    ::KillTimer(nullptr, timer);
    EXPECT_TRUE(g_visibleInMenu) << "the function menu is open";
}

TEST_F(StealthTest, MinimizingHidesAndANewTrayBringsTheIconBack)
{
    dlg->SendMessage(CStealthMode::TaskbarCreatedMessage());
    EXPECT_TRUE(g_tray.empty()) << "no icon while stealth mode is off";
    ShownAt(1000);
    g_tray.clear();
    dlg->SendMessage(CStealthMode::TaskbarCreatedMessage());
    ASSERT_EQ(g_tray.size(), 1u);
    EXPECT_EQ(g_tray[0].first, DWORD(NIM_ADD));

    dlg->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_FALSE(Visible());
    EXPECT_FALSE(::IsIconic(dlg->m_hWnd));
}

TEST_F(StealthTest, ExitFromTheTrayMenuClosesAsTheCloseBoxDoes)
{
    ShownAt(1000);
    CWnd* savedMain = theApp.m_pMainWnd;
    theApp.m_pMainWnd = dlg.get();
    Command(ID_APP_EXIT);
    theApp.m_pMainWnd = savedMain;
    EXPECT_EQ(::GetPrivateProfileIntA("SETTING", "STEALSMODE", -1, theApp.m_pszProfileName), 1);
    EXPECT_EQ(g_tray.back().first, DWORD(NIM_DELETE));
    EXPECT_EQ(StealthModeProbe::TimerId(dlg->GetStealth()), UINT_PTR(0));
}

TEST(StealthStartup, StartsHiddenWithoutTaskbarButtonAndTimerRunning)
{
    FakeWebBrowser::Register();
    ::WritePrivateProfileStringA("SETTING", "STEALSMODE", "1", theApp.m_pszProfileName);
    TestMainDlg dlg;
    ASSERT_TRUE(dlg.Create(CMainDlg::IDD));
    const LONG_PTR exStyle = ::GetWindowLongPtrA(dlg.m_hWnd, GWL_EXSTYLE);
    EXPECT_FALSE(dlg.IsWindowVisible());
    EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
    EXPECT_NE(StealthModeProbe::TimerId(dlg.GetStealth()), UINT_PTR(0));
    dlg.DestroyWindow();
    ::DeleteFileA(theApp.m_pszProfileName);
}

TEST(StealthStartup, AnyFlagButZeroStartsInStealthModeAndIsKeptAsOne)
{
    FakeWebBrowser::Register();
    ::WritePrivateProfileStringA("SETTING", "STEALSMODE", "5", theApp.m_pszProfileName);
    TestMainDlg dlg;
    ASSERT_TRUE(dlg.Create(CMainDlg::IDD));
    EXPECT_FALSE(dlg.IsWindowVisible());
    EXPECT_EQ(dlg.m_settings.m_bStealthMode, 1);
    dlg.DestroyWindow();
    ::DeleteFileA(theApp.m_pszProfileName);
}

TEST_F(StealthTest, TheOptionsSheetChangesTheTrayIconOnlyOnOk)
{
    Command(ID_STEALTH_MODE);
    ASSERT_EQ(g_tray.size(), 1u);
    size_t whileOpen = 0;
    ModalScript run([&] {
        HWND sheet = sheet::Find();
        sheet::Show(sheet, 2);
        sheet::Key(sheet, IDC_STL_TRAYICON, VK_END);
        whileOpen = g_tray.size();
        sheet::Press(sheet, IDOK);
    });
    Command(ID_OPTIONS);
    ASSERT_TRUE(run.Ran());
    EXPECT_EQ(whileOpen, 1u) << "the slider only moves the preview";
    ASSERT_EQ(g_tray.size(), 2u);
    EXPECT_EQ(g_tray[1].first, DWORD(NIM_MODIFY));
    EXPECT_EQ(S().m_nTrayIcon, 6);
    EXPECT_NE(g_tray[1].second.hIcon, g_tray[0].second.hIcon);
}

// At the end of the session the icon leaves the notification area with the
// program, as at close.
TEST_F(StealthTest, EndOfSessionRemovesTheTrayIcon)
{
    Command(ID_STEALTH_MODE);
    ASSERT_EQ(g_tray.size(), 1u);
    dlg->SendMessage(WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    ASSERT_EQ(g_tray.size(), 2u);
    EXPECT_EQ(g_tray[1].first, DWORD(NIM_DELETE));
}
