// The function menu and the collection popup, driven through the real
// tracked menus, and opening a collection.
#include "tests/browser/MainDlgFixture.h"
#include "core/collection/CollectionNodeList.h"
#include "tests/collection/CollectionMenuProbe.h"
#include <deque>
#include <functional>
#include <set>
#include <type_traits>

namespace {

using MenuStep = std::function<void(HMENU shown)>;
std::deque<MenuStep> g_steps;

// A timer tick while a menu is tracked: the next step, or closing the menu.
// Keys a step posts are handled before the next tick.
void CALLBACK NextStep(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_steps.empty()) {
        ::EndMenu();
        return;
    }
    MenuStep step = std::move(g_steps.front());
    g_steps.pop_front();
    step(reinterpret_cast<HMENU>(::SendMessageA(::FindWindowA("#32768", nullptr), MN_GETHMENU, 0, 0)));
}

int g_clicksReachingDialog = 0;

// Stands in for the dialog procedure, below the window's own message map.
INT_PTR CALLBACK CountClicks(HWND, UINT message, WPARAM, LPARAM)
{
    g_clicksReachingDialog += message == WM_LBUTTONDOWN;
    return FALSE;
}

std::string Folder(const char* name, const char* site, int links)
{
    std::string text = "<H3>" + std::string(name) + "</H3><DL>";
    for (int i = 1; i <= links; ++i)
        text += "<DT><A HREF=\"http://" + std::string(site) + "/" + std::to_string(i) + "\">p</A>";
    return text + "</DL>";
}

class MainDlgMenusTest : public MainDlgTest {
protected:
    // Presses the button, plays the steps while its menu is up, then handles
    // whatever command the menu posted.
    void Press(UINT button, std::deque<MenuStep> steps)
    {
        g_steps = std::move(steps);
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, NextStep);
        Command(button);
        ::KillTimer(nullptr, timer);
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }
    MenuStep Keys(std::initializer_list<WPARAM> keys)
    {
        return [this, keys](HMENU) {
            for (WPARAM key : keys)
                dlg->PostMessage(WM_KEYDOWN, key, 0);
        };
    }
    // Which of the function menu's commands with a state carry a check.
    std::set<UINT> Checked()
    {
        std::set<UINT> checked;
        Press(IDC_FUNC, { [&](HMENU shown) {
            for (UINT id : { ID_TAB_BOTTOM, ID_TAB_TOP, ID_TAB_LEFT, ID_TAB_RIGHT, ID_SAVE_TABS_AT_EXIT,
                             ID_STEALTH_MODE, ID_EXPIRE_ENABLE, ID_TAB_MULTILINE })
                if (::GetMenuState(shown, id, MF_BYCOMMAND) & MF_CHECKED)
                    checked.insert(id);
            rightGreyed = (::GetMenuState(shown, ID_TAB_RIGHT, MF_BYCOMMAND) & MF_GRAYED) != 0;
        } });
        return checked;
    }
    void Restart()
    {
        dlg->DestroyWindow();
        dlg = std::make_unique<TestMainDlg>();
        ASSERT_TRUE(dlg->Create(CMainDlg::IDD));
    }
    // The address the tab holds, whether its page has loaded or not.
    CString Opened(int index) const { return dlg->GetPane(index)->GetTabLocation(); }

    bool rightGreyed = false;
};

}  // namespace

TEST_F(MainDlgMenusTest, AFirstStartWritesBothFilesAndCloseDeletesBothTrees)
{
    const std::string bookmarks = g_strStartDir.str() + "Qvbookmark.htm", expire = g_strStartDir.str() + "Qvexpire.htm";
    ::DeleteFileA(bookmarks.c_str());
    ::DeleteFileA(expire.c_str());
    Restart();
    EXPECT_NE(::GetFileAttributesA(bookmarks.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(DescribeMenu(CollectionPopupProbe::Menu(dlg->Popup())), "102 Quenvo タブコレクション\n101 タブの整理...\n");
    EXPECT_EQ(dlg->ExpireList()->GetFilePath(), expire);
    EXPECT_EQ(dlg->ExpireList()->GetRoot()->Front()->name, "Quenvo 無効ページ");
    // The expire list builds no menu: it is a store and nothing more.
    static_assert(std::is_same_v<decltype(dlg->ExpireList()), const CollectionStore*>);

    // A popup that cannot be tracked (here: gone behind the window's back)
    // is built afresh for the next time.
    const HMENU before = CollectionPopupProbe::Menu(dlg->Popup());
    ::DestroyMenu(before);
    Command(IDC_SEARCH);
    EXPECT_NE(CollectionPopupProbe::Menu(dlg->Popup()), before);
    EXPECT_EQ(DescribeMenu(CollectionPopupProbe::Menu(dlg->Popup())), "102 Quenvo タブコレクション\n101 タブの整理...\n");

    dlg->SendMessage(WM_CLOSE);
    EXPECT_EQ(CollectionPopupProbe::Collection(dlg->Popup()), nullptr);
    EXPECT_EQ(dlg->ExpireList(), nullptr);
    Command(IDC_SEARCH);  // nothing left to show
}

TEST_F(MainDlgMenusTest, FunctionMenuChecksTheSettingsInForce)
{
    EXPECT_EQ(Checked(), std::set<UINT>{ ID_TAB_BOTTOM });
    Command(ID_TAB_TOP);
    EXPECT_EQ(Checked(), std::set<UINT>{ ID_TAB_TOP });

    ::WritePrivateProfileStringA("SETTING", "TABORIENTATION", "3", theApp.m_pszProfileName);
    for (const char* key : { "SAVELASTTAB", "STEALSMODE", "ENABLEEXPIREPAGE", "MULTILINETAB" })
        ::WritePrivateProfileStringA("SETTING", key, "1", theApp.m_pszProfileName);
    Restart();
    EXPECT_EQ(Checked(), (std::set<UINT>{ ID_TAB_RIGHT, ID_SAVE_TABS_AT_EXIT, ID_STEALTH_MODE, ID_EXPIRE_ENABLE,
                                          ID_TAB_MULTILINE }));
    EXPECT_TRUE(rightGreyed);
    Command(ID_EXPIRE_ENABLE);
    EXPECT_EQ(Checked().count(ID_EXPIRE_ENABLE), 0u);
}

TEST_F(MainDlgMenusTest, ChosenFolderReplacesTheUnpinnedTabs)
{
    WriteCollectionFile(Folder("Three", "three", 3) + Folder("Ten", "ten", 10) + Folder("Empty", "", 0),
                        "Qvbookmark.htm");
    dlg->Popup().RebuildCollectionMenu();
    OpenTabs(5);
    CWebBrowser2* pinned[] = { dlg->GetPane(1), dlg->GetPane(3) };
    dlg->SendMessage(WM_APP_TOGGLEPIN, 1);
    dlg->SendMessage(WM_APP_TOGGLEPIN, 3);

    Press(IDC_SEARCH, { Keys({ VK_DOWN, VK_RETURN }) });
    ASSERT_EQ(dlg->GetTabCount(), 5);
    EXPECT_EQ(dlg->GetPane(0), pinned[0]);
    EXPECT_EQ(dlg->GetPane(1), pinned[1]);
    EXPECT_EQ(Opened(2), "http://three/1");
    EXPECT_EQ(Opened(4), "http://three/3");
    EXPECT_EQ(dlg->m_tabCtrl.GetCurSel(), 4);
    EXPECT_EQ(Fake(2), nullptr) << "a page behind loads when its tab is first shown";
    ASSERT_NE(Fake(4), nullptr);
    EXPECT_EQ(Fake(4)->Calls().front().url, L"http://three/3");

    // An empty folder closes nothing; the folder chosen last is forgotten as
    // soon as the popup opens again.
    Press(IDC_SEARCH, { Keys({ VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN }) });
    EXPECT_EQ(dlg->GetTabCount(), 5);
    Press(IDC_SEARCH, { [&](HMENU) { EXPECT_EQ(dlg->Popup().GetHoveredNode(), nullptr); } });
    Command(ID_COLLECTION_FIRST);
    EXPECT_EQ(Opened(2), "http://three/1");

    // Beside 250 pinned tabs there is room for six.
    OpenTabs(250);
    for (int i = 0; i < 250; ++i)
        if (!dlg->GetPane(i)->GetPinned())
            dlg->SendMessage(WM_APP_TOGGLEPIN, static_cast<WPARAM>(i));
    Press(IDC_SEARCH, { Keys({ VK_DOWN, VK_DOWN, VK_RETURN }) });
    ASSERT_EQ(dlg->GetTabCount(), CMainDlg::kMaxTabs);
    EXPECT_EQ(Opened(250), "http://ten/1");
    EXPECT_EQ(Opened(255), "http://ten/6");
    EXPECT_EQ(dlg->m_tabCtrl.GetCurSel(), 255);
}

TEST_F(MainDlgMenusTest, AFolderHoldingFoldersOpensItsOwnLinksFromItsSubmenu)
{
    WriteCollectionFile("<H3>Mixed</H3><DL>" + Folder("Inner", "inner", 2) + "<DT><A HREF=\"http://mixed/1\">p</A></DL>",
                        "Qvbookmark.htm");
    dlg->Popup().RebuildCollectionMenu();
    Press(IDC_SEARCH, { Keys({ VK_DOWN, VK_RIGHT }), Keys({ VK_RETURN }) });
    ASSERT_EQ(dlg->GetTabCount(), 1);
    EXPECT_EQ(Opened(0), "http://mixed/1");
}

TEST_F(MainDlgMenusTest, WhileThePopupIsOpenTheHighlightIsRecordedAndClicksAreSwallowed)
{
    WriteCollectionFile(Folder("Only", "only", 1), "Qvbookmark.htm");
    dlg->Popup().RebuildCollectionMenu();
    const CollectionNode* only = CollectionPopupProbe::Collection(dlg->Popup())->GetRoot()->Front();
    const LONG_PTR dialogProc = ::SetWindowLongPtrA(dlg->m_hWnd, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(CountClicks));
    g_clicksReachingDialog = 0;
    Press(IDC_SEARCH, { Keys({ VK_DOWN }), [&](HMENU) { EXPECT_EQ(dlg->Popup().GetHoveredNode(), only); }, Keys({ VK_DOWN }),
                        [&](HMENU shown) {
                            EXPECT_TRUE(::GetMenuState(shown, ID_ORGANIZE_COLLECTIONS, MF_BYCOMMAND) & MF_HILITE);
                            EXPECT_EQ(dlg->Popup().GetHoveredNode(), only) << "the organize entry keeps the folder";
                            dlg->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 100));
                        } });
    EXPECT_EQ(g_clicksReachingDialog, 0);
    dlg->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 100));
    EXPECT_EQ(g_clicksReachingDialog, 1);
    ::SetWindowLongPtrA(dlg->m_hWnd, DWLP_DLGPROC, dialogProc);

    // Items are as wide as their name in the GUI font plus the icon's room,
    // and never lower than the icon's.
    auto longName = CollectionNode::MakeFolder(std::string(60, 'W'));
    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_MENU;
    mis.itemData = reinterpret_cast<ULONG_PTR>(longName.get());
    dlg->SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
    HDC screen = ::GetDC(nullptr);
    HGDIOBJ font = ::SelectObject(screen, ::GetStockObject(DEFAULT_GUI_FONT));
    SIZE extent;
    ::GetTextExtentPoint32A(screen, longName->name.data(), 60, &extent);
    ::SelectObject(screen, font);
    ::ReleaseDC(nullptr, screen);
    EXPECT_EQ(mis.itemWidth, static_cast<UINT>(extent.cx + 18));
    EXPECT_GE(mis.itemHeight, 18u);
}
