#include "tests/browser/MainDlgFixture.h"
#include "core/TextRules.h"
#include "framework/WindowDpi.h"
#include <cstdio>
#include <cstring>

namespace {
bool IsParked(CWebBrowser2* pane, HWND parent)
{
    RECT r;
    ::GetWindowRect(pane->m_hWnd, &r);
    POINT p = { r.left, r.top };
    ::ScreenToClient(parent, &p);
    return p.x == -1 && p.y == -1 && r.right == r.left && r.bottom == r.top &&
           (::GetWindowLongA(pane->m_hWnd, GWL_STYLE) & WS_VISIBLE);
}

// The strip's display area in its parent's coordinates: where the front pane belongs.
RECT DisplayArea(CBrowserTabCtrl& strip)
{
    RECT display;
    strip.GetClientRect(&display);
    strip.AdjustDisplayRect(FALSE, &display);
    ::MapWindowPoints(strip.m_hWnd, ::GetParent(strip.m_hWnd), reinterpret_cast<POINT*>(&display), 2);
    return display;
}
}

TEST_F(MainDlgTest, StartsWithOneTabSentHome)
{
    ASSERT_EQ(dlg->GetTabCount(), 1);
    ASSERT_NE(Fake(0), nullptr);
    ASSERT_FALSE(Fake(0)->Calls().empty());
    EXPECT_EQ(Fake(0)->Calls().back().name, "GoHome");
    EXPECT_TRUE(Fake(0)->Advised());
}

TEST_F(MainDlgTest, RefusesTheTabAfter256AndReleasesEveryControl)
{
    const DWORD start = ::GetTickCount();
    OpenTabs(CMainDlg::kMaxTabs);
    const DWORD elapsed = ::GetTickCount() - start;
    EXPECT_FALSE(dlg->AddTab("about:blank"));
    EXPECT_EQ(dlg->GetTabCount(), CMainDlg::kMaxTabs);
    EXPECT_EQ(dlg->m_tabCtrl.GetItemCount(), CMainDlg::kMaxTabs);
    EXPECT_EQ(FakeWebBrowser::LiveCount(), CMainDlg::kMaxTabs);
    for (int i = 0; i < CMainDlg::kMaxTabs; ++i)
        ASSERT_EQ(dlg->GetPane(i)->GetDlgCtrlID(), IDC_BROWSER_FIRST + i);
    const DWORD selectStart = ::GetTickCount();
    for (int i = 0; i < 64; ++i)
        ASSERT_TRUE(dlg->SelectTab(i * 4));
    const DWORD selecting = ::GetTickCount() - selectStart;
    std::printf("256 tabs: opening took %lu ms, 64 selections %lu ms\n",
                static_cast<unsigned long>(elapsed), static_cast<unsigned long>(selecting));
}

TEST_F(MainDlgTest, IdsFollowPositionsAfterDeleteAndMoveSoEventsReachTheRightTab)
{
    OpenTabs(4);
    CWebBrowser2* third = dlg->GetPane(2);
    CWebBrowser2* fourth = dlg->GetPane(3);
    ASSERT_TRUE(dlg->DeleteTab(0));
    ASSERT_TRUE(dlg->MoveTab(1, 2));
    EXPECT_EQ(dlg->GetPane(1), fourth);
    EXPECT_EQ(dlg->GetPane(2), third);
    for (int i = 0; i < dlg->GetTabCount(); ++i)
        EXPECT_EQ(dlg->GetPane(i)->GetDlgCtrlID(), IDC_BROWSER_FIRST + i);

    FakeWebBrowser::FromHost(third->m_hWnd)->FireTitleChange(L"third");
    EXPECT_EQ(TabText(2), "third");
    EXPECT_NE(TabText(1), "third");

    EXPECT_FALSE(dlg->DeleteTab(3));
    EXPECT_FALSE(dlg->DeleteTab(-1));
    EXPECT_FALSE(dlg->MoveTab(0, 3));
    EXPECT_TRUE(dlg->MoveTab(1, 1));
}

TEST_F(MainDlgTest, DeletingSelectsTheNeighbourOnlyWhenTheCurrentTabGoes)
{
    OpenTabs(3);
    ASSERT_TRUE(dlg->SelectTab(2));
    ASSERT_TRUE(dlg->DeleteTab(2));
    EXPECT_EQ(dlg->m_tabCtrl.GetCurSel(), 1);

    OpenTabs(3);
    ASSERT_TRUE(dlg->SelectTab(2));
    CWebBrowser2* current = dlg->GetPane(2);
    ASSERT_TRUE(dlg->DeleteTab(0));
    EXPECT_EQ(dlg->GetPane(dlg->m_tabCtrl.GetCurSel()), current);
    EXPECT_FALSE(dlg->SelectTab(2));
}

TEST_F(MainDlgTest, OnlyTheCurrentPaneHasASizeTheOthersAreParked)
{
    OpenTabs(3);
    ASSERT_TRUE(dlg->SelectTab(1));
    EXPECT_TRUE(IsParked(dlg->GetPane(0), dlg->m_hWnd));
    EXPECT_TRUE(IsParked(dlg->GetPane(2), dlg->m_hWnd));
    RECT r = ChildRect(dlg->GetPane(1)->m_hWnd);
    EXPECT_GT(r.right - r.left, 0);
    EXPECT_GT(r.bottom - r.top, 0);
}

TEST_F(MainDlgTest, APaneWhoseControlCannotBeCreatedAddsNoTab)
{
    const int before = dlg->GetTabCount();
    FakeWebBrowser::Behaviour().refuseCreation = true;
    const BOOL added = dlg->AddTab("about:blank");
    FakeWebBrowser::Behaviour().refuseCreation = false;
    EXPECT_FALSE(added);
    EXPECT_EQ(dlg->GetTabCount(), before);
    EXPECT_EQ(dlg->m_tabCtrl.GetItemCount(), before);
    EXPECT_EQ(::GetDlgItem(dlg->m_hWnd, IDC_BROWSER_FIRST + before), nullptr) << "no window is left behind";
    ASSERT_TRUE(dlg->AddTab("about:blank"));
    EXPECT_EQ(dlg->GetPane(before)->GetDlgCtrlID(), IDC_BROWSER_FIRST + before);

    // A restored tab keeps its place when its control fails, and tries again
    // when it is shown again.
    ASSERT_TRUE(dlg->AddRestoredTab("http://later.example/"));
    const int later = dlg->GetTabCount() - 1;
    FakeWebBrowser::Behaviour().refuseCreation = true;
    ASSERT_TRUE(dlg->SelectTab(later));
    FakeWebBrowser::Behaviour().refuseCreation = false;
    EXPECT_EQ(Fake(later), nullptr);
    EXPECT_EQ(dlg->GetPane(later)->GetTabLocation(), "http://later.example/");
    ASSERT_TRUE(dlg->SelectTab(0));
    ASSERT_TRUE(dlg->SelectTab(later));
    ASSERT_NE(Fake(later), nullptr);
    EXPECT_EQ(Fake(later)->Calls().front().url, L"http://later.example/");
}

TEST_F(MainDlgTest, DeleteCommandsActOnTheContextTab)
{
    dlg->OnTabCommand(ID_TAB_DELETE, 0);
    EXPECT_EQ(dlg->GetTabCount(), 1) << "the last tab cannot be deleted";

    OpenTabs(3);
    CWebBrowser2* middle = dlg->GetPane(1);
    dlg->OnTabCommand(ID_TAB_DELETE_OTHERS, 1);
    ASSERT_EQ(dlg->GetTabCount(), 1);
    EXPECT_EQ(dlg->GetPane(0), middle);
    EXPECT_EQ(middle->GetDlgCtrlID(), IDC_BROWSER_FIRST);

    OpenTabs(2);
    dlg->OnTabCommand(ID_TAB_DELETE, 1);
    EXPECT_EQ(dlg->GetTabCount(), 1);
    EXPECT_EQ(dlg->GetPane(0), middle);

    // Closing the others from behind the front loads none of them on the way.
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(dlg->AddRestoredTab("http://later.example/"));
    ASSERT_TRUE(dlg->SelectTab(4));
    FakeWebBrowser::CreatedCount() = 0;
    dlg->OnTabCommand(ID_TAB_DELETE_OTHERS, 2);
    ASSERT_EQ(dlg->GetTabCount(), 1);
    EXPECT_EQ(dlg->m_tabCtrl.GetCurSel(), 0);
    EXPECT_EQ(FakeWebBrowser::CreatedCount(), 1) << "only the tab kept has loaded";
}

TEST_F(MainDlgTest, AFrontKeptWhileTheOthersGoFillsTheStripsNewDisplayArea)
{
    Command(ID_TAB_MULTILINE);
    OpenTabs(40);
    ASSERT_TRUE(dlg->SelectTab(20));
    ASSERT_GT(dlg->m_tabCtrl.SendMessage(TCM_GETROWCOUNT), 1);
    const RECT before = ChildRect(dlg->GetPane(20)->m_hWnd);
    dlg->OnTabCommand(ID_TAB_DELETE_OTHERS, 20);
    ASSERT_EQ(dlg->m_tabCtrl.SendMessage(TCM_GETROWCOUNT), 1);
    const RECT display = DisplayArea(dlg->m_tabCtrl), pane = ChildRect(dlg->GetPane(0)->m_hWnd);
    EXPECT_FALSE(::EqualRect(&before, &display));
    EXPECT_TRUE(::EqualRect(&pane, &display));
    EXPECT_EQ(dlg->m_tabCtrl.GetCurSel(), 0);
}

TEST_F(MainDlgTest, DeleteCommandsOnAContextTabOutsideTheStripDoNothing)
{
    OpenTabs(3);
    for (int outside : { -1, 3 }) {
        dlg->OnTabCommand(ID_TAB_DELETE_OTHERS, outside);
        dlg->OnTabCommand(ID_TAB_DELETE, outside);
        EXPECT_EQ(dlg->GetTabCount(), 3) << outside;
    }
}

// A refused page's close names its tab by a serial no later tab shares: it
// finds the tab wherever it moved, and posted twice it closes nothing more,
// even when a new tab has taken the freed pane's memory meanwhile.
TEST_F(MainDlgTest, ARefusedPagesPostedCloseFindsItsTabOnceWhereverItMoved)
{
    OpenTabs(3);
    CWebBrowser2* target = dlg->GetPane(2);
    dlg->PostMessage(WM_APP_CLOSEREFUSED, target->GetSerial());
    dlg->PostMessage(WM_APP_CLOSEREFUSED, target->GetSerial());
    ASSERT_TRUE(dlg->MoveTab(0, 2));  // the tab moved before the message arrived
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, dlg->m_hWnd, WM_APP_CLOSEREFUSED, WM_APP_CLOSEREFUSED, PM_REMOVE));
    ::DispatchMessageA(&msg);
    EXPECT_EQ(dlg->GetTabCount(), 2);
    for (int i = 0; i < dlg->GetTabCount(); ++i)
        EXPECT_NE(dlg->GetPane(i), target);

    ASSERT_TRUE(dlg->AddTab("about:blank"));
    while (::PeekMessageA(&msg, dlg->m_hWnd, WM_APP_CLOSEREFUSED, WM_APP_CLOSEREFUSED, PM_REMOVE))
        ::DispatchMessageA(&msg);
    EXPECT_EQ(dlg->GetTabCount(), 3) << "the second close took a later tab";

    dlg->SendMessage(WM_APP_CLOSETAB, 5, 0);
    EXPECT_EQ(dlg->GetTabCount(), 3);
    dlg->SendMessage(WM_APP_CLOSETAB, 1, 0);
    EXPECT_EQ(dlg->GetTabCount(), 2);
}

TEST_F(MainDlgTest, PinToggleFlipsOnlyInRange)
{
    OpenTabs(2);
    dlg->SendMessage(WM_APP_TOGGLEPIN, 1, 0);
    EXPECT_TRUE(dlg->GetPane(1)->GetPinned());
    EXPECT_FALSE(dlg->GetPane(0)->GetPinned());
    dlg->SendMessage(WM_APP_TOGGLEPIN, 1, 0);
    EXPECT_FALSE(dlg->GetPane(1)->GetPinned());
    dlg->SendMessage(WM_APP_TOGGLEPIN, 7, 0);
}

TEST_F(MainDlgTest, ResizingKeepsTheNavigationBarInPlace)
{
    for (int width : { 420, 700, 300 }) {
        ::SetWindowPos(dlg->m_hWnd, nullptr, 0, 0, width, 300, SWP_NOMOVE | SWP_NOZORDER);
        RECT client;
        ::GetClientRect(dlg->m_hWnd, &client);
        RECT go = ChildRect(dlg->m_btnGo), nw = ChildRect(dlg->m_btnNew);
        RECT func = ChildRect(dlg->m_btnFunc), edit = ChildRect(dlg->m_edAddress);
        EXPECT_EQ(go.right, client.right);
        EXPECT_EQ(go.top, 0);
        EXPECT_EQ(nw.right, go.left);
        EXPECT_EQ(edit.right - edit.left, nw.left - func.right);
        EXPECT_EQ(edit.bottom - edit.top, nw.bottom - nw.top);
        RECT strip = ChildRect(dlg->m_tabCtrl);
        EXPECT_EQ(strip.top, nw.bottom - nw.top);
        EXPECT_EQ(strip.bottom, client.bottom);
        EXPECT_EQ(strip.right - strip.left, client.right);
    }
}

TEST_F(MainDlgTest, AMoveToAnotherDisplayScaleLaysTheWindowOutAtThatScale)
{
    OpenTabs(2);
    ASSERT_TRUE(dlg->SelectTab(1));
    struct Row { UINT dpi; int button, icon; };
    const Row rows[] = { { 144, 27, 24 }, { 192, 36, 32 }, { 96, 18, 16 } };
    for (const Row& row : rows) {
        AfxSetWindowDpiForTest(row.dpi);
        RECT suggested = { 20, 10, 20 + 4 * static_cast<int>(row.dpi), 10 + 3 * static_cast<int>(row.dpi) };
        dlg->SendMessage(WM_DPICHANGED, MAKEWPARAM(row.dpi, row.dpi), reinterpret_cast<LPARAM>(&suggested));
        AfxSetWindowDpiForTest(0);
        SCOPED_TRACE(testing::Message() << row.dpi << " DPI");

        RECT window, client;
        ::GetWindowRect(dlg->m_hWnd, &window);
        EXPECT_TRUE(::EqualRect(&window, &suggested));
        ::GetClientRect(dlg->m_hWnd, &client);
        const HWND bar[] = { dlg->m_btnBack, dlg->m_btnForward, dlg->m_btnSearch, dlg->m_btnFunc,
                             dlg->m_edAddress, dlg->m_btnNew, dlg->m_btnGo };
        for (size_t i = 0; i < 7; ++i) {
            const RECT r = ChildRect(bar[i]);
            EXPECT_EQ(r.top, 0);
            EXPECT_EQ(r.bottom, row.button) << "control " << i;
            if (bar[i] != dlg->m_edAddress.m_hWnd) {
                EXPECT_EQ(r.right - r.left, row.button) << "button " << i;
            }
            if (i > 0) {
                EXPECT_LE(ChildRect(bar[i - 1]).right, r.left) << "control " << i << " overlaps the one before";
            }
        }
        EXPECT_EQ(ChildRect(dlg->m_btnFunc).right, ChildRect(dlg->m_edAddress).left);
        EXPECT_EQ(ChildRect(dlg->m_btnNew).left, ChildRect(dlg->m_edAddress).right);
        EXPECT_EQ(ChildRect(dlg->m_btnGo).right, client.right);

        const RECT strip = ChildRect(dlg->m_tabCtrl), expectedStrip = { 0, row.button, client.right, client.bottom };
        EXPECT_TRUE(::EqualRect(&strip, &expectedStrip));
        const RECT pane = ChildRect(dlg->GetPane(1)->m_hWnd), display = DisplayArea(dlg->m_tabCtrl);
        EXPECT_TRUE(::EqualRect(&pane, &display));
        int cx = 0, cy = 0;
        ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(dlg->m_tabCtrl.SendMessage(TCM_GETIMAGELIST)), &cx, &cy);
        EXPECT_EQ(cx, row.icon) << "the room for the tab icon";
    }
}

TEST_F(MainDlgTest, EverySideKeepsTheCurrentPaneInTheDisplayArea)
{
    OpenTabs(3);
    ASSERT_TRUE(dlg->SelectTab(1));
    for (UINT side : { ID_TAB_TOP, ID_TAB_LEFT, ID_TAB_RIGHT, ID_TAB_BOTTOM }) {
        Command(side);
        RECT display = DisplayArea(dlg->m_tabCtrl);
        RECT pane = ChildRect(dlg->GetPane(1)->m_hWnd);
        EXPECT_TRUE(::EqualRect(&pane, &display)) << "side command " << side << ": pane " << pane.left << "," << pane.top << "," << pane.right << "," << pane.bottom << " display " << display.left << "," << display.top << "," << display.right << "," << display.bottom;
        EXPECT_EQ(dlg->m_tabCtrl.GetCurSel(), 1);
    }
    EXPECT_EQ(dlg->m_tabCtrl.GetOrientation(), kTabSideBottom);
}

TEST_F(MainDlgTest, CaptionsAndTooltipsCutWithoutSplittingACharacter)
{
    dlg->m_settings.m_nTabTextLength = 5;
    const wchar_t* title = L"ab\u65E5\u672C\u8A9E\u306E\u30DA\u30FC\u30B8";  // "ab日本語のページ"
    Fake(0)->locationName = title;
    Fake(0)->FireTitleChange(title);
    EXPECT_EQ(TabText(0), "ab日");

    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom = dlg->m_tabCtrl.GetToolTips();
    info.hdr.idFrom = 0;
    info.hdr.code = TTN_NEEDTEXTA;
    dlg->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(info.lpszText, "ab日本語のページ");

    // 78 single bytes then a double-byte character: byte 79 would start it.
    std::wstring longTitle(78, L'x');
    longTitle += L"\u65E5\u65E5";
    Fake(0)->locationName = longTitle;
    info.lpszText = nullptr;
    dlg->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    ASSERT_NE(info.lpszText, nullptr);
    EXPECT_EQ(std::strlen(info.lpszText), 78u);

    std::wstring exact(79, L'y');
    exact += L"z";
    Fake(0)->locationName = exact;
    dlg->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(std::strlen(info.lpszText), 79u);

    // Not from the strip's tooltip, or beyond the last tab: left alone.
    info.lpszText = nullptr;
    info.hdr.idFrom = 3;
    dlg->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.lpszText, nullptr);
}

TEST_F(MainDlgTest, EscapeDoesNotCloseTheWindow)
{
    dlg->SendMessage(WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(::IsWindow(dlg->m_hWnd));
    EXPECT_EQ(dlg->GetTabCount(), 1);
}

TEST_F(MainDlgTest, TheApplicationsExitCommandClosesThroughWmClose)
{
    theApp.m_pMainWnd = dlg.get();
    dlg->SendMessage(WM_COMMAND, ID_APP_EXIT, 0);
    theApp.m_pMainWnd = nullptr;
    EXPECT_FALSE(::IsWindowVisible(dlg->m_hWnd));
    EXPECT_NE(::GetFileAttributesA(theApp.m_pszProfileName), INVALID_FILE_ATTRIBUTES)
        << "the close sequence wrote the settings";
}
