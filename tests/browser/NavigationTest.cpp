#include "tests/browser/MainDlgFixture.h"
#include <exdisp.h>

namespace {
const FakeCall* LastCall(FakeWebBrowser* fake)
{
    return fake->Calls().empty() ? nullptr : &fake->Calls().back();
}

void PressEnterIn(CWnd& edit)
{
    MSG msg = {};
    msg.hwnd = edit.m_hWnd;
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_RETURN;
    ASSERT_TRUE(edit.PreTranslateMessage(&msg));
}
}

TEST_F(MainDlgTest, GoNavigatesAnEditedAddressAndReloadsAnUnchangedOne)
{
    ASSERT_TRUE(dlg->SelectTab(0));
    dlg->GetPane(0)->SetLocation("http://example.test/");
    Fake(0)->ClearCalls();

    dlg->m_edAddress.SetWindowText("http://example.test/");
    Command(IDC_GO);
    ASSERT_NE(LastCall(Fake(0)), nullptr);
    EXPECT_EQ(LastCall(Fake(0))->name, "Refresh");

    dlg->m_edAddress.SetWindowText("http://example.test/page");
    PressEnterIn(dlg->m_edAddress);  // Enter is GO
    EXPECT_EQ(LastCall(Fake(0))->name, "Navigate");
    EXPECT_EQ(LastCall(Fake(0))->url, L"http://example.test/page");
    EXPECT_EQ(Fake(0)->Calls().size(), 2u);
}

TEST_F(MainDlgTest, NewOpensTheAddressInANewLastTab)
{
    dlg->m_edAddress.SetWindowText("http://example.test/new");
    Command(IDC_NEW);
    ASSERT_EQ(dlg->GetTabCount(), 2);
    EXPECT_EQ(dlg->m_tabCtrl.GetCurSel(), 1);
    ASSERT_NE(LastCall(Fake(1)), nullptr);
    EXPECT_EQ(LastCall(Fake(1))->name, "Navigate");
    EXPECT_EQ(LastCall(Fake(1))->url, L"http://example.test/new");

    dlg->m_edAddress.SetWindowText("");
    Command(IDC_NEW);
    ASSERT_EQ(dlg->GetTabCount(), 3);
    ASSERT_NE(LastCall(Fake(2)), nullptr);
    EXPECT_EQ(LastCall(Fake(2))->name, "Navigate");
    EXPECT_EQ(LastCall(Fake(2))->url, L"");
}

TEST_F(MainDlgTest, PopUpGetsATabThatComesToTheFrontUnlessTheCurrentTabIsPinned)
{
    ASSERT_TRUE(dlg->SelectTab(0));
    bool cancel = true;
    IDispatch* target = Fake(0)->FireNewWindow2(&cancel);
    EXPECT_FALSE(cancel);
    ASSERT_EQ(dlg->GetTabCount(), 2);
    ASSERT_NE(target, nullptr);
    EXPECT_EQ(FakeWebBrowser::FromUnknown(target), Fake(1));
    target->Release();
    EXPECT_EQ(dlg->m_tabCtrl.GetCurSel(), 0) << "not selected before its first navigation";

    Fake(1)->FireBeforeNavigate2(L"http://example.test/popup", &cancel);
    EXPECT_FALSE(cancel);
    EXPECT_EQ(dlg->m_tabCtrl.GetCurSel(), 1);

    dlg->SendMessage(WM_APP_TOGGLEPIN, 1, 0);
    target = Fake(1)->FireNewWindow2(&cancel);
    if (target) target->Release();
    Fake(2)->FireBeforeNavigate2(L"http://example.test/behind", &cancel);
    EXPECT_EQ(dlg->m_tabCtrl.GetCurSel(), 1) << "a pinned current tab keeps the front";
    RECT r = ChildRect(dlg->GetPane(2)->m_hWnd);
    EXPECT_EQ(r.right - r.left, 0) << "a page opened behind stays parked";
}

TEST_F(MainDlgTest, PopUpAtTheTabLimitIsCancelled)
{
    OpenTabs(CMainDlg::kMaxTabs);
    bool cancel = false;
    IDispatch* target = Fake(0)->FireNewWindow2(&cancel);
    EXPECT_TRUE(cancel);
    EXPECT_EQ(target, nullptr);
    EXPECT_EQ(dlg->GetTabCount(), CMainDlg::kMaxTabs);
}

// A page opening windows by itself gets three tabs in ten seconds; what the
// user asks for always opens; a refused window makes no control. A request
// the control reports by both its events gets one tab.
TEST_F(MainDlgTest, APageFloodingPopUpsIsCutOffButWhatTheUserAsksForOpens)
{
    const unsigned kScript = 0, kClick = 0x2 | 0x4, kShiftClick = 0x80;
    std::string opened;
    for (const unsigned flags : { kScript, kScript, kClick, kScript, kScript, kShiftClick, kScript }) {
        const int live = FakeWebBrowser::LiveCount();
        bool cancel = false;
        IDispatch* window = Fake(0)->FireNewWindow3(flags, L"http://flood.example/", &cancel);
        opened += window && !cancel && FakeWebBrowser::LiveCount() == live + 1 ? "o" : cancel && !window &&
                  FakeWebBrowser::LiveCount() == live ? "x" : "?";
        if (window)
            window->Release();
    }
    EXPECT_EQ(opened, "ooooxox") << "three by the script, the click and the shift-click beside them";

    // Both events of one request: the second opens into the first's tab.
    const int tabs = dlg->GetTabCount();
    bool cancel = false;
    IDispatch* first = Fake(1)->FireNewWindow3(kClick, L"http://once.example/", &cancel);
    IDispatch* second = Fake(1)->FireNewWindow2(&cancel);
    EXPECT_EQ(dlg->GetTabCount(), tabs + 1);
    EXPECT_EQ(first, second);
    for (IDispatch* window : { first, second })
        if (window)
            window->Release();
}

TEST_F(MainDlgTest, TitleOfABackgroundTabChangesOnlyItsCaption)
{
    OpenTabs(2);
    ASSERT_TRUE(dlg->SelectTab(0));
    dlg->SetWindowText("front");
    dlg->m_edAddress.SetWindowText("front-address");
    Fake(1)->locationURL = L"http://example.test/back";
    Fake(1)->FireTitleChange(L"Back");
    EXPECT_EQ(TabText(1), "Back");
    EXPECT_EQ(WindowText(dlg->m_hWnd), "front");
    EXPECT_EQ(WindowText(dlg->m_edAddress), "front-address");
    EXPECT_EQ(dlg->GetPane(1)->GetLocation(), "http://example.test/back");

    Fake(0)->locationURL = L"http://example.test/front";
    Fake(0)->FireTitleChange(L"\u65E5\u672C");
    EXPECT_EQ(WindowText(dlg->m_hWnd), "日本");
    EXPECT_EQ(WindowText(dlg->m_edAddress), "http://example.test/front");
}

TEST_F(MainDlgTest, KeysForThePageReachItsControlBeforeTheDialog)
{
    ASSERT_TRUE(dlg->SelectTab(0));
    FakeWebBrowser* page = Fake(0);
    ASSERT_EQ(page->UIActivate(), S_OK);
    MSG key = {};
    key.hwnd = page->Window();
    key.message = WM_KEYDOWN;
    key.wParam = 'A';
    dlg->PreTranslateMessage(&key);
    ASSERT_EQ(page->Accelerators().size(), 1u);
    EXPECT_EQ(page->Accelerators()[0].wParam, static_cast<WPARAM>('A'));
    EXPECT_EQ(page->KeysReceived().size(), 1u) << "a key the control leaves goes on through the dialog";

    page->claimedKey = 'V';
    key.wParam = 'V';
    EXPECT_TRUE(dlg->PreTranslateMessage(&key));
    EXPECT_EQ(page->Accelerators().size(), 2u);
    EXPECT_EQ(page->KeysReceived().size(), 1u) << "a key the control took ends there";

    key.hwnd = dlg->m_edAddress.m_hWnd;
    dlg->PreTranslateMessage(&key);
    EXPECT_EQ(page->Accelerators().size(), 2u) << "the address box's keys are not the page's";
}

TEST_F(MainDlgTest, BackAndForwardFollowTheCommandState)
{
    ASSERT_TRUE(dlg->SelectTab(0));
    Fake(0)->FireCommandStateChange(CSC_NAVIGATEBACK, true);
    EXPECT_TRUE(::IsWindowEnabled(dlg->m_btnBack));
    Fake(0)->ClearCalls();
    Command(IDC_BACK);
    ASSERT_NE(LastCall(Fake(0)), nullptr);
    EXPECT_EQ(LastCall(Fake(0))->name, "GoBack");

    Fake(0)->FireCommandStateChange(CSC_NAVIGATEBACK, false);
    EXPECT_FALSE(::IsWindowEnabled(dlg->m_btnBack));
    Fake(0)->ClearCalls();
    Command(IDC_BACK);
    Command(IDC_FORWARD);
    EXPECT_TRUE(Fake(0)->Calls().empty());

    // A background pane's state waits until it is selected.
    OpenTabs(2);
    Fake(1)->FireCommandStateChange(CSC_NAVIGATEFORWARD, true);
    EXPECT_FALSE(::IsWindowEnabled(dlg->m_btnForward));
    ASSERT_TRUE(dlg->SelectTab(1));
    EXPECT_TRUE(::IsWindowEnabled(dlg->m_btnForward));
}

TEST_F(MainDlgTest, ProgressIsStoredAsAPercentage)
{
    OpenTabs(2);
    Fake(1)->FireProgressChange(50, 200);
    EXPECT_EQ(TabParam(1), 25);
    Fake(1)->FireProgressChange(-1, 200);
    EXPECT_EQ(TabParam(1), 100);
    Fake(1)->FireProgressChange(10, 0);
    EXPECT_EQ(TabParam(1), 100);
    EXPECT_EQ(TabParam(0), 0);
}

TEST_F(MainDlgTest, IgnoredEventsChangeNothing)
{
    const CString caption = TabText(0);
    Fake(0)->FireStatusTextChange(L"status");
    Fake(0)->FirePropertyChange(L"prop");
    Fake(0)->FireDownloadBegin();
    Fake(0)->FireDownloadComplete();
    Fake(0)->FireOnQuit();
    EXPECT_EQ(dlg->GetTabCount(), 1);
    EXPECT_EQ(TabText(0), caption);
}

TEST_F(MainDlgTest, GoWithNoTabOpensOne)
{
    dlg->SendMessage(WM_APP_CLOSETAB, 0, 0);
    ASSERT_EQ(dlg->GetTabCount(), 0);
    Command(IDC_BACK);
    dlg->m_edAddress.SetWindowText("http://example.test/again");
    Command(IDC_GO);
    ASSERT_EQ(dlg->GetTabCount(), 1);
    ASSERT_NE(LastCall(Fake(0)), nullptr);
    EXPECT_EQ(LastCall(Fake(0))->url, L"http://example.test/again");
}

// The real control fires BeforeNavigate2 from inside Navigate.
class SynchronousNavigationTest : public MainDlgTest {
protected:
    void SetUp() override
    {
        FakeWebBrowser::Behaviour().beforeNavigateInNavigate = true;
        MainDlgTest::SetUp();
    }
    void TearDown() override
    {
        MainDlgTest::TearDown();
        FakeWebBrowser::Behaviour().beforeNavigateInNavigate = false;
    }
};

TEST_F(SynchronousNavigationTest, ANewTabIsSelectedByTheFirstNavigationItStarts)
{
    dlg->m_edAddress.SetWindowText("http://example.test/at-once");
    Command(IDC_NEW);
    ASSERT_EQ(dlg->GetTabCount(), 2);
    EXPECT_EQ(dlg->m_tabCtrl.GetCurSel(), 1);
    RECT r = ChildRect(dlg->GetPane(1)->m_hWnd);
    EXPECT_GT(r.right - r.left, 0) << "the new tab's page is shown";
    EXPECT_FALSE(::IsWindowEnabled(dlg->m_btnBack)) << "a fresh tab has no history";

    ASSERT_TRUE(dlg->AddTab("http://example.test/opened"));
    EXPECT_EQ(dlg->m_tabCtrl.GetCurSel(), 2);
}

TEST_F(SynchronousNavigationTest, AGivenAddressStandsForTheTabOnlyUntilThePageReportsOne)
{
    dlg->m_edAddress.SetWindowText("http://example.test/given");
    Command(IDC_NEW);
    EXPECT_EQ(dlg->GetPane(1)->GetTabLocation(), "http://example.test/given");
    EXPECT_EQ(WindowText(dlg->m_edAddress), "http://example.test/given");

    Fake(1)->locationURL = L"http://example.test/page";
    Fake(1)->FireNavigateComplete2(L"http://example.test/page");
    // An address that never completes, as a download or a mailto: link.
    dlg->m_edAddress.SetWindowText("mailto:someone@example.test");
    Command(IDC_GO);
    Fake(1)->ClearCalls();
    Command(IDC_GO);
    ASSERT_FALSE(Fake(1)->Calls().empty());
    EXPECT_EQ(Fake(1)->Calls().back().name, "Navigate") << "the page still shows another address";

    Command(ID_SAVE_DEFAULT_TABS);
    char saved[256] = "";
    ::GetPrivateProfileStringA("TAB", "URL001", "", saved, sizeof saved, theApp.m_pszProfileName);
    EXPECT_STREQ(saved, "http://example.test/page");
}

TEST_F(SynchronousNavigationTest, ATabOpenedBehindAPinnedOneLeavesTheAddressBoxAlone)
{
    ASSERT_TRUE(dlg->SelectTab(0));
    dlg->SendMessage(WM_APP_TOGGLEPIN, 0, 0);
    dlg->m_edAddress.SetWindowText("http://example.test/front");
    ASSERT_TRUE(dlg->AddTab("http://example.test/behind"));
    EXPECT_EQ(dlg->m_tabCtrl.GetCurSel(), 0);
    EXPECT_EQ(WindowText(dlg->m_edAddress), "http://example.test/front");
}
