// Nothing is destroyed while it still runs: a pane while its control is
// inside a call, the tab set while a pane goes, a store under its message box.
#include "tests/browser/MainDlgFixture.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/ScenePicture.h"
#include <string>

namespace {
// The set as code that runs at a pane's end sees it.
std::string SetSeenBy(TestMainDlg& dlg)
{
    std::string seen = std::to_string(dlg.GetTabCount()) + " tabs, " +
                       std::to_string(dlg.m_tabCtrl.GetItemCount()) + " items";
    for (int i = 0; i < dlg.GetTabCount(); ++i)
        if (!dlg.GetPane(i) || dlg.GetPane(i)->GetDlgCtrlID() != IDC_BROWSER_FIRST + i)
            seen += ", tab " + std::to_string(i) + " broken";
    return seen;
}
}

// The control's Close, which may run a page's code, finds the set whole:
// the tab has left it, items and ids included, before its pane goes.
TEST_F(MainDlgTest, APaneEndsAfterItsTabHasLeftTheSetWhole)
{
    OpenTabs(4);
    std::string seen;
    Fake(1)->onClose = [this, &seen] { seen = SetSeenBy(*dlg); };
    ASSERT_TRUE(dlg->DeleteTab(1));
    EXPECT_EQ(seen, "3 tabs, 3 items");
    Fake(0)->onClose = [this, &seen] { seen += "; " + SetSeenBy(*dlg); };
    Fake(2)->onClose = Fake(0)->onClose;
    dlg->OnTabCommand(ID_TAB_DELETE_OTHERS, 1);
    EXPECT_EQ(seen, "3 tabs, 3 items; 1 tabs, 1 items; 1 tabs, 1 items");
}

// A tab closed while its control is still inside a call outlives that call:
// the pane goes once the call has returned, never under it.
TEST_F(MainDlgTest, APaneWhoseControlIsInsideACallOutlivesTheCall)
{
    const struct {
        const char* what;
        void (*run)(FakeWebBrowser& fake, CWebBrowser2& pane, const std::function<void()>& inside);
    } calls[] = {
        { "a navigation it is still inside",
          [](FakeWebBrowser& fake, CWebBrowser2& pane, const std::function<void()>& inside) {
              fake.whileNavigating = inside;
              pane.Navigate("http://next/", nullptr, nullptr, nullptr, nullptr);
          } },
        { "a script's box", [](FakeWebBrowser& fake, CWebBrowser2&, const std::function<void()>& inside) {
              fake.RunModalLoop(inside);
          } },
    };
    for (const auto& call : calls) {
        OpenTabs(3);
        FakeWebBrowser& fake = *Fake(1);
        const HWND pane = dlg->GetPane(1)->m_hWnd;
        bool closed = false, aliveInside = false;
        fake.onClose = [&closed] { closed = true; };
        call.run(fake, *dlg->GetPane(1), [&] {
            dlg->SendMessage(WM_APP_CLOSETAB, 1, 0);
            PumpFor(50);
            aliveInside = ::IsWindow(pane) && !closed;
        });
        EXPECT_TRUE(aliveInside) << call.what;
        EXPECT_EQ(SetSeenBy(*dlg), "2 tabs, 2 items") << call.what;
        PumpFor(300);
        EXPECT_TRUE(closed && !::IsWindow(pane)) << call.what << ": gone once the call returned";
        while (dlg->GetTabCount() > 0)
            dlg->DeleteTab(0);
    }
}

// A close that arrives while the collection store's message box is up (a
// file that cannot be written) waits until the box and the reload behind it
// have returned, then closes the window.
TEST_F(MainDlgTest, ACloseDuringAStoresMessageBoxWaitsForTheBox)
{
    dlg->m_settings.m_bUseDefaultBookmarkFile = FALSE;
    dlg->m_settings.m_strBookmarkFile = g_strStartDir.str() + "no such folder\\collection.htm";
    MessageBoxWatch watch;
    watch.whileShown = [this] { dlg->SendMessage(WM_CLOSE); };
    dlg->Popup().RebuildCollectionMenu();
    ASSERT_EQ(watch.boxes.size(), 1u);
    EXPECT_TRUE(dlg->IsWindowVisible()) << "closed under the box";
    EXPECT_NE(CollectionPopupProbe::Collection(dlg->Popup()), nullptr);
    PumpFor(100);
    EXPECT_FALSE(dlg->IsWindowVisible()) << "the close did not come after the box";
    EXPECT_EQ(CollectionPopupProbe::Collection(dlg->Popup()), nullptr);
}
