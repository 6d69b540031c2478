// Every window, GDI object, icon, menu and image list that the main window
// creates while a thousand tabs come and go is destroyed again.
#include "tests/browser/MainDlgFixture.h"
#include "tests/support/HandleTrace.h"
#include <cstdio>
#include <string>
#include <vector>

namespace {
void CALLBACK EndMenuSoon(HWND, UINT, UINT_PTR, DWORD)
{
    ::EndMenu();
}
}

TEST(MainDlgHandles, AThousandTabsAndFourSidesLeaveNoHandleBehind)
{
    FakeWebBrowser::Register();
    ::DeleteFileA(theApp.m_pszProfileName);
    HandleTrace trace;
    {
        TestMainDlg dlg;
        ASSERT_TRUE(dlg.Create(CMainDlg::IDD));
        dlg.ShowWindow(SW_SHOWNA);
        const UINT sides[] = { ID_TAB_LEFT, ID_TAB_TOP, ID_TAB_RIGHT, ID_TAB_BOTTOM };
        for (UINT side : sides) {
            // Half the tabs are restored ones, and half of those are shown once.
            for (int i = 0; i < 250; ++i)
                ASSERT_TRUE(i % 2 ? dlg.AddRestoredTab("about:blank") : dlg.AddTab("about:blank"));
            for (int i = 1; i < 250; i += 4)
                ASSERT_TRUE(dlg.SelectTab(i));
            dlg.SendMessage(WM_COMMAND, side);
            dlg.UpdateWindow();
            RECT tab;
            dlg.m_tabCtrl.GetItemRect(0, &tab);
            POINT at = { tab.left + 20, tab.top + 4 };
            dlg.m_tabCtrl.ClientToScreen(&at);
            const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, EndMenuSoon);
            dlg.m_tabCtrl.SendMessage(WM_CONTEXTMENU, 0, MAKELPARAM(at.x, at.y));
            dlg.SendMessage(WM_COMMAND, IDC_FUNC);
            dlg.SendMessage(WM_COMMAND, IDC_SEARCH);
            dlg.Popup().RebuildCollectionMenu();
            ::KillTimer(nullptr, timer);
            dlg.OnTabCommand(ID_TAB_DELETE_OTHERS, 0);
            ASSERT_EQ(dlg.GetTabCount(), 1);
        }
        dlg.DestroyWindow();
    }
    const HandleTrace::Counts created = trace.Created();
    std::printf("recorded: %d windows, %d GDI objects, %d icons and cursors, %d menus, %d image lists\n",
                created.windows, created.gdiObjects, created.icons, created.menus, created.imageLists);
    EXPECT_GE(created.windows, 1500) << "each tab's pane is a window, and so is each control made";
    EXPECT_GE(created.menus, 1);
    EXPECT_GE(created.imageLists, 1);
    EXPECT_EQ(trace.Survivors(), std::vector<std::string>());
    EXPECT_EQ(FakeWebBrowser::LiveCount(), 0);
}
