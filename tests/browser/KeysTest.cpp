// The main window's own keys and the tabs it keeps to open again.
#include "tests/browser/MainDlgFixture.h"
#include "browser/TabKeys.h"
#include <string>

namespace {

class KeysTest : public MainDlgTest {
protected:
    void SetUp() override
    {
        MainDlgTest::SetUp();
        // The focus moves only inside a shown window.
        dlg->ShowWindow(SW_SHOWNA);
    }
    void TearDown() override
    {
        Hold(0);
        MainDlgTest::TearDown();
    }
    // One tab per address in place of the start tab, the first current.
    void OpenOnly(std::initializer_list<const char*> addresses)
    {
        for (const char* address : addresses)
            ASSERT_TRUE(dlg->AddTab(address));
        ASSERT_TRUE(dlg->DeleteTab(0));
        ASSERT_TRUE(dlg->SelectTab(0));
    }
    static void Hold(unsigned modifiers)
    {
        BYTE state[256];
        ::GetKeyboardState(state);
        state[VK_CONTROL] = modifiers & kKeyCtrl ? 0x80 : 0;
        state[VK_SHIFT] = modifiers & kKeyShift ? 0x80 : 0;
        state[VK_MENU] = modifiers & kKeyAlt ? 0x80 : 0;
        ::SetKeyboardState(state);
    }
    // A key press as the message loop hands it to the window.
    BOOL Press(HWND target, WPARAM key, unsigned modifiers, UINT message = WM_KEYDOWN)
    {
        Hold(modifiers);
        MSG msg = {};
        msg.hwnd = target;
        msg.message = message;
        msg.wParam = key;
        const BOOL taken = dlg->PreTranslateMessage(&msg);
        Hold(0);
        return taken;
    }
    HWND Page() { return Fake(dlg->m_tabCtrl.GetCurSel())->Window(); }
    bool WholeAddressSelected()
    {
        DWORD start = 0, end = 0;
        dlg->m_edAddress.SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return ::GetFocus() == dlg->m_edAddress.m_hWnd && start == 0 &&
               end == static_cast<DWORD>(::GetWindowTextLengthA(dlg->m_edAddress.m_hWnd));
    }
};

struct KeyCase {
    const char* keys;
    UINT message;
    WPARAM key;
    unsigned modifiers;
    int current;  // the current tab afterwards
    int count;    // the number of tabs afterwards
};

}  // namespace

TEST_F(KeysTest, TabKeysActBeforeThePageAndEveryOtherKeyReachesThePageFirst)
{
    OpenOnly({ "http://0/", "http://1/", "http://2/", "http://3/" });
    const KeyCase cases[] = {
        { "Ctrl+Tab", WM_KEYDOWN, VK_TAB, kKeyCtrl, 1, 4 },
        { "Ctrl+PageDown", WM_KEYDOWN, VK_NEXT, kKeyCtrl, 2, 4 },
        { "Ctrl+9", WM_KEYDOWN, '9', kKeyCtrl, 3, 4 },
        { "Ctrl+Tab after the last", WM_KEYDOWN, VK_TAB, kKeyCtrl, 0, 4 },
        { "Ctrl+Shift+Tab before the first", WM_KEYDOWN, VK_TAB, kKeyCtrl | kKeyShift, 3, 4 },
        { "Ctrl+PageUp", WM_KEYDOWN, VK_PRIOR, kKeyCtrl, 2, 4 },
        { "Ctrl+1", WM_KEYDOWN, '1', kKeyCtrl, 0, 4 },
        { "Ctrl+4", WM_KEYDOWN, '4', kKeyCtrl, 3, 4 },
        { "Ctrl+8 past the tabs", WM_KEYDOWN, '8', kKeyCtrl, 3, 4 },
        { "Ctrl+W", WM_KEYDOWN, 'W', kKeyCtrl, 2, 3 },
        { "Ctrl+F4", WM_KEYDOWN, VK_F4, kKeyCtrl, 1, 2 },
        { "Ctrl+Shift+T", WM_KEYDOWN, 'T', kKeyCtrl | kKeyShift, 2, 3 },
        { "Ctrl+T", WM_KEYDOWN, 'T', kKeyCtrl, 3, 4 },
    };
    for (const KeyCase& c : cases) {
        // An active page that would keep Tab for its links.
        FakeWebBrowser* page = Fake(dlg->m_tabCtrl.GetCurSel());
        ASSERT_EQ(page->UIActivate(), S_OK);
        page->claimedKey = VK_TAB;
        const size_t offered = page->Accelerators().size();
        EXPECT_TRUE(Press(page->Window(), c.key, c.modifiers, c.message)) << c.keys;
        EXPECT_EQ(page->Accelerators().size(), offered) << c.keys << " went to the page";
        EXPECT_EQ(dlg->m_tabCtrl.GetCurSel(), c.current) << c.keys;
        EXPECT_EQ(dlg->GetTabCount(), c.count) << c.keys;
    }
    EXPECT_EQ(dlg->GetPane(2)->GetTabLocation(), "http://2/") << "Ctrl+Shift+T put it back where it stood";
    EXPECT_TRUE(WholeAddressSelected()) << "Ctrl+T leaves the focus in the address box";

    FakeWebBrowser* page = Fake(dlg->m_tabCtrl.GetCurSel());
    ASSERT_EQ(page->UIActivate(), S_OK);
    page->claimedKey = VK_TAB;
    const size_t offered = page->Accelerators().size();
    Press(page->Window(), 'C', kKeyCtrl);
    Press(page->Window(), VK_TAB, 0);
    EXPECT_EQ(page->Accelerators().size(), offered + 2) << "a key the table does not name goes to the page";
    Press(page->Window(), VK_ESCAPE, 0);
    EXPECT_EQ(page->Accelerators().size(), offered + 3) << "Esc is the address box's only there";
}

TEST_F(KeysTest, AddressKeysFocusAndSelectItAndEscPutsTheTabsAddressBack)
{
    OpenOnly({ "http://a.example/", "http://b.example/" });
    const KeyCase focusKeys[] = {
        { "Ctrl+L", WM_KEYDOWN, 'L', kKeyCtrl, 0, 2 },
        { "Alt+D", WM_SYSKEYDOWN, 'D', kKeyAlt, 0, 2 },
        { "F6", WM_KEYDOWN, VK_F6, 0, 0, 2 },
    };
    for (const KeyCase& c : focusKeys) {
        ::SetFocus(Page());
        EXPECT_TRUE(Press(Page(), c.key, c.modifiers, c.message)) << c.keys;
        EXPECT_TRUE(WholeAddressSelected()) << c.keys;
    }
    dlg->m_edAddress.SetWindowText("http://typed.example/");
    EXPECT_TRUE(Press(dlg->m_edAddress.m_hWnd, VK_ESCAPE, 0));
    char text[64] = "";
    ::GetWindowTextA(dlg->m_edAddress.m_hWnd, text, sizeof text);
    EXPECT_STREQ(text, "http://a.example/");
    EXPECT_TRUE(WholeAddressSelected());
    EXPECT_TRUE(::IsWindow(dlg->m_hWnd)) << "Esc still does not close the window";
}

TEST_F(KeysTest, NoKeyActsWhileADialogHoldsTheWindowOrWithNoTab)
{
    OpenOnly({ "http://a.example/", "http://b.example/" });
    dlg->EnableWindow(FALSE);
    Press(Page(), 'T', kKeyCtrl);
    Press(Page(), VK_TAB, kKeyCtrl);
    EXPECT_EQ(dlg->GetTabCount(), 2);
    EXPECT_EQ(dlg->m_tabCtrl.GetCurSel(), 0);
    dlg->EnableWindow(TRUE);

    while (dlg->GetTabCount() > 0)
        dlg->DeleteTab(0);
    for (WPARAM key : { WPARAM(VK_TAB), WPARAM('W'), WPARAM('1'), WPARAM('9') })
        EXPECT_TRUE(Press(dlg->m_edAddress.m_hWnd, key, kKeyCtrl));
    EXPECT_EQ(dlg->GetTabCount(), 0);
}

TEST_F(KeysTest, ReopensTheSixteenNewestSingleClosesNewestFirst)
{
    OpenOnly({ "http://keep/" });
    for (int i = 0; i < 18; ++i)
        ASSERT_TRUE(dlg->AddTab(("http://t" + std::to_string(i) + "/").c_str()));
    // Eighteen closes one at a time: the icon's message, the context menu's
    // delete, Ctrl+W. The two oldest fall off.
    for (int i = 0; i < 18; ++i) {
        ASSERT_TRUE(dlg->SelectTab(1));
        if (i % 3 == 0)
            dlg->SendMessage(WM_APP_CLOSETAB, 1, 0);
        else if (i % 3 == 1)
            dlg->OnTabCommand(ID_TAB_DELETE, 1);
        else
            Press(Page(), 'W', kKeyCtrl);
    }
    ASSERT_EQ(dlg->GetTabCount(), 1);

    // Not remembered: a refused page's posted close, a set opening, the
    // other tabs deleted together.
    ASSERT_TRUE(dlg->AddTab("http://refused/"));
    dlg->SendMessage(WM_APP_CLOSEREFUSED, dlg->GetPane(1)->GetSerial(), 0);
    ASSERT_TRUE(dlg->AddTab("http://other/"));
    dlg->OnTabCommand(ID_TAB_DELETE_OTHERS, 0);
    ASSERT_EQ(dlg->GetTabCount(), 1);

    for (int i = 17; i >= 2; --i) {
        ASSERT_TRUE(Press(Page(), 'T', kKeyCtrl | kKeyShift));
        ASSERT_EQ(dlg->GetTabCount(), 19 - i);
        EXPECT_EQ(dlg->GetPane(1)->GetTabLocation(), ("http://t" + std::to_string(i) + "/").c_str());
        EXPECT_EQ(dlg->m_tabCtrl.GetCurSel(), 1);
    }
    EXPECT_TRUE(Press(Page(), 'T', kKeyCtrl | kKeyShift));
    EXPECT_EQ(dlg->GetTabCount(), 17) << "nothing older than sixteen closes";
    for (int i = 0; i < dlg->GetTabCount(); ++i)
        EXPECT_EQ(dlg->GetPane(i)->GetDlgCtrlID(), IDC_BROWSER_FIRST + i);
}
