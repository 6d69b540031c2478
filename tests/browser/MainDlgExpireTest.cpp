// Refusing expire pages in the main window, and the two commands that open
// the expire-page dialog, against a list file in a folder of its own.
#include "tests/browser/MainDlgFixture.h"
#include "tests/support/ModalDriver.h"
#include <commctrl.h>
#include <fstream>
#include <sstream>

namespace {

const char kListed[] = "http://ads.example/";

class MainDlgExpireTest : public MainDlgTest {
protected:
    // The real control fires BeforeNavigate2 from inside Navigate; the
    // window starts with refusal on and one listed page.
    void SetUp() override
    {
        FakeWebBrowser::Behaviour().beforeNavigateInNavigate = true;
        dir_ = g_strStartDir.str() + "expire-main";
        ::CreateDirectoryA(dir_.c_str(), nullptr);
        file_ = dir_ + "\\list.htm";
        std::ofstream(file_, std::ios::binary) << "<H3>Quenvo 無効ページ</H3><DL><DT><A HREF=\"" << kListed
                                               << "\">ads</A></DL>";
        MainDlgTest::SetUp();
        for (const auto& key : { std::make_pair("USEDEFAULTEXPIREPAGEFILE", "0"),
                                 std::make_pair("EXPIREPAGEFILE", file_.c_str()),
                                 std::make_pair("ENABLEEXPIREPAGE", "1") })
            ::WritePrivateProfileStringA("SETTING", key.first, key.second, theApp.m_pszProfileName);
        dlg->DestroyWindow();
        dlg = std::make_unique<TestMainDlg>();
        ASSERT_TRUE(dlg->Create(CMainDlg::IDD));
    }
    void TearDown() override
    {
        MainDlgTest::TearDown();
        FakeWebBrowser::Behaviour().beforeNavigateInNavigate = false;
        ::DeleteFileA(file_.c_str());
        ::RemoveDirectoryA(dir_.c_str());
    }

    // Runs what the window posted to itself: the closes of refused tabs.
    static void Pump()
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }
    bool Refused(int tab, const wchar_t* url)
    {
        bool cancel = false;
        Fake(tab)->FireBeforeNavigate2(url, &cancel);
        return cancel;
    }
    std::string Contents() const
    {
        std::ifstream in(file_, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::string dir_;
    std::string file_;
};

}  // namespace

TEST_F(MainDlgExpireTest, ListedAddressesCloseTheirTabsWhileRefusalIsOn)
{
    ASSERT_EQ(dlg->GetTabCount(), 1);
    CWebBrowser2* opener = dlg->GetPane(0);
    bool cancel = false;
    IDispatch* target = Fake(0)->FireNewWindow2(&cancel);
    if (target) target->Release();
    ASSERT_EQ(dlg->GetTabCount(), 2);
    EXPECT_TRUE(Refused(1, L"http://ads.example/pop.html"));
    EXPECT_EQ(dlg->m_tabCtrl.GetCurSel(), 0) << "the pop-up is never current";
    Pump();
    ASSERT_EQ(dlg->GetTabCount(), 1);
    EXPECT_EQ(dlg->GetPane(0), opener);
    EXPECT_FALSE(Refused(0, L"http://ADS.example/")) << "letter case counts";

    ASSERT_TRUE(dlg->AddTab("http://news.example/"));
    ASSERT_TRUE(dlg->SelectTab(1));
    dlg->m_edAddress.SetWindowText("http://ads.example/typed");
    Command(IDC_GO);
    Pump();
    ASSERT_EQ(dlg->GetTabCount(), 1);
    EXPECT_EQ(dlg->GetPane(0), opener);

    EXPECT_TRUE(Refused(0, L"http://ads.example/"));
    Pump();
    EXPECT_EQ(dlg->GetTabCount(), 0) << "the only tab goes too";
}

TEST_F(MainDlgExpireTest, ARestoredTabOfAListedPageIsClosedWhenFirstShown)
{
    ASSERT_TRUE(dlg->AddRestoredTab(kListed));
    ASSERT_TRUE(dlg->AddRestoredTab("http://news.example/"));
    Pump();
    ASSERT_EQ(dlg->GetTabCount(), 3) << "nothing is refused before its page loads";
    ASSERT_TRUE(dlg->SelectTab(1));
    Pump();
    ASSERT_EQ(dlg->GetTabCount(), 2);
    EXPECT_EQ(dlg->GetPane(1)->GetTabLocation(), "http://news.example/");
}

TEST_F(MainDlgExpireTest, WithRefusalOffNothingIsRefused)
{
    Command(ID_EXPIRE_ENABLE);
    EXPECT_FALSE(Refused(0, L"http://ads.example/pop.html"));
    Pump();
    EXPECT_EQ(dlg->GetTabCount(), 1);
}

TEST_F(MainDlgExpireTest, TheContextTabsPageIsRegisteredAndRefusedFromThenOn)
{
    ASSERT_TRUE(dlg->AddTab("http://tracker.example/"));
    ASSERT_TRUE(dlg->SelectTab(0));
    Fake(1)->locationName = L"追跡";
    Fake(1)->locationURL = L"http://tracker.example/";
    std::string name, address;
    PlayInModal([&] { dlg->OnTabCommand(ID_REGISTER_EXPIRE, 1); }, { [&] {
        HWND box = ModalDialog()->m_hWnd;
        EXPECT_EQ(WindowText(box), "無効ページの追加");
        name = WindowText(::GetDlgItem(box, IDC_EXP_NAME)).str();
        address = WindowText(::GetDlgItem(box, IDC_EXP_ADDRESS)).str();
        ::SendMessageA(box, WM_COMMAND, IDOK, 0);
    } });
    EXPECT_EQ(name, "追跡");
    EXPECT_EQ(address, "http://tracker.example/");
    EXPECT_NE(Contents().find("<DT><A HREF=\"http://tracker.example/\">追跡</A>"), std::string::npos);
    EXPECT_TRUE(Refused(0, L"http://tracker.example/page")) << "the window's list was read again";
}

TEST_F(MainDlgExpireTest, OrganizingShowsTheWindowsListAndCancelKeepsIt)
{
    const std::string before = Contents();
    int rows = -1;
    PlayInModal([&] { Command(ID_ORGANIZE_EXPIRE); }, { [&] {
        HWND box = ModalDialog()->m_hWnd;
        EXPECT_EQ(WindowText(box), "無効ページの整理");
        rows = ListView_GetItemCount(::GetDlgItem(box, IDC_EXP_LIST));
    } });
    EXPECT_EQ(rows, 1);
    EXPECT_EQ(Contents(), before);
    EXPECT_TRUE(Refused(0, L"http://ads.example/"));
}
