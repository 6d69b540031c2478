// The function menu and the collection popup, driven through the real
// tracked menus, and opening a collection.
#include "tests/browser/MainDlgFixture.h"
#include "collection/CollectionNodeList.h"
#include "tests/collection/CollectionMenuProbe.h"
#include <deque>
#include <functional>
#include <set>

namespace {

using MenuStep = std::function<void(HMENU shown)>;
std::deque<MenuStep> g_menuSteps;

// Runs the next step while the menu is tracked (posted keys are handled
// between two ticks); with no step left, closes the menu.
void CALLBACK NextMenuStep(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_menuSteps.empty()) {
        ::EndMenu();
        return;
    }
    MenuStep step = std::move(g_menuSteps.front());
    g_menuSteps.pop_front();
    HWND menuWindow = ::FindWindowA("#32768", nullptr);
    step(menuWindow ? reinterpret_cast<HMENU>(::SendMessageA(menuWindow, MN_GETHMENU, 0, 0)) : nullptr);
}

int g_clicksReachingDialog = 0;

INT_PTR CALLBACK CountClicks(HWND, UINT message, WPARAM, LPARAM)
{
    if (message == WM_LBUTTONDOWN)
        ++g_clicksReachingDialog;
    return FALSE;
}

std::string Links(const char* site, int n)
{
    std::string text;
    for (int i = 1; i <= n; ++i)
        text += "<DT><A HREF=\"http://" + std::string(site) + "/" + std::to_string(i) + "\">p</A>\r\n";
    return text;
}

class MainDlgMenusTest : public MainDlgTest {
protected:
    // Presses the button and plays steps while its menu is up; then handles
    // the command the menu posted, if any.
    void PressWithMenu(UINT button, std::deque<MenuStep> steps)
    {
        g_menuSteps = std::move(steps);
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, NextMenuStep);
        Command(button);
        ::KillTimer(nullptr, timer);
        g_menuSteps.clear();
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
    // The commands among the function menu's stateful ones that carry a check.
    std::set<UINT> CheckedInFunctionMenu()
    {
        std::set<UINT> checked;
        PressWithMenu(IDC_FUNC, { [&](HMENU shown) {
            for (UINT id : { ID_TAB_BOTTOM, ID_TAB_TOP, ID_TAB_LEFT, ID_TAB_RIGHT, ID_SAVE_TABS_AT_EXIT,
                             ID_STEALTH_MODE, ID_EXPIRE_ENABLE, ID_TAB_MULTILINE })
                if (::GetMenuState(shown, id, MF_BYCOMMAND) & MF_CHECKED)
                    checked.insert(id);
            greyedRight = (::GetMenuState(shown, ID_TAB_RIGHT, MF_BYCOMMAND) & MF_GRAYED) != 0;
        } });
        return checked;
    }
    void UseCollectionFile(const std::string& body)
    {
        WriteCollectionFile(body, "Qvbookmark.htm");
        dlg->RebuildCollectionMenu();
    }
    void Restart()
    {
        dlg->DestroyWindow();
        dlg = std::make_unique<TestMainDlg>();
        ASSERT_TRUE(dlg->Create(CMainDlg::IDD));
    }
    std::string Location(int index) const { return dlg->GetBrowser(index)->GetLocation().str(); }

    bool greyedRight = false;
};

}  // namespace

TEST_F(MainDlgMenusTest, AFirstStartWritesBothFilesAndCloseDeletesBothTrees)
{
    ::DeleteFileA((g_strStartDir.str() + "Qvbookmark.htm").c_str());
    ::DeleteFileA((g_strStartDir.str() + "Qvexpire.htm").c_str());
    Restart();
    EXPECT_NE(::GetFileAttributesA((g_strStartDir.str() + "Qvbookmark.htm").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(DescribeMenu(dlg->m_hCollectionMenu), "102 Quenvo タブコレクション\n101 タブの整理...\n");
    ASSERT_NE(dlg->m_pExpireList, nullptr);
    EXPECT_EQ(dlg->m_pExpireList->GetFilePath(), g_strStartDir.str() + "Qvexpire.htm");
    EXPECT_EQ(dlg->m_pExpireList->GetRoot()->head->name, "Quenvo 無効ページ");
    EXPECT_FALSE(dlg->m_pExpireList->IsMenuBuilt());

    dlg->SendMessage(WM_CLOSE);
    EXPECT_EQ(dlg->m_pCollection, nullptr);
    EXPECT_EQ(dlg->m_pExpireList, nullptr);
    Command(IDC_SEARCH);  // nothing left to show
}

TEST_F(MainDlgMenusTest, FunctionMenuChecksTheSettingsInForce)
{
    EXPECT_EQ(CheckedInFunctionMenu(), std::set<UINT>{ ID_TAB_BOTTOM });
    Command(ID_TAB_TOP);
    EXPECT_EQ(CheckedInFunctionMenu(), std::set<UINT>{ ID_TAB_TOP });

    ::WritePrivateProfileStringA("SETTING", "TABORIENTATION", "3", theApp.m_pszProfileName);
    for (const char* key : { "SAVELASTTAB", "STEALSMODE", "ENABLEEXPIREPAGE", "MULTILINETAB" })
        ::WritePrivateProfileStringA("SETTING", key, "1", theApp.m_pszProfileName);
    Restart();
    EXPECT_EQ(CheckedInFunctionMenu(), (std::set<UINT>{ ID_TAB_RIGHT, ID_SAVE_TABS_AT_EXIT, ID_STEALTH_MODE,
                                                        ID_EXPIRE_ENABLE, ID_TAB_MULTILINE }));
    EXPECT_TRUE(greyedRight);
}

TEST_F(MainDlgMenusTest, ChosenFolderReplacesTheUnpinnedTabs)
{
    UseCollectionFile("<H3>Three</H3><DL>" + Links("three", 3) + "</DL><H3>Ten</H3><DL>" + Links("ten", 10) +
                      "</DL><H3>Empty</H3><DL></DL>");
    OpenTabs(5);
    CWebBrowser2* pinned[] = { dlg->GetBrowser(1), dlg->GetBrowser(3) };
    dlg->SendMessage(WM_APP_TOGGLEPIN, 1);
    dlg->SendMessage(WM_APP_TOGGLEPIN, 3);

    PressWithMenu(IDC_SEARCH, { Keys({ VK_DOWN, VK_RETURN }) });
    ASSERT_EQ(dlg->GetTabCount(), 5);
    EXPECT_EQ(dlg->GetBrowser(0), pinned[0]);
    EXPECT_EQ(dlg->GetBrowser(1), pinned[1]);
    EXPECT_EQ(Location(2), "http://three/1");
    EXPECT_EQ(Location(4), "http://three/3");
    EXPECT_EQ(dlg->m_tabCtrl.GetCurSel(), 4);

    // An empty folder closes nothing; the node chosen before is forgotten as
    // soon as the popup opens again.
    PressWithMenu(IDC_SEARCH, { Keys({ VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN }) });
    EXPECT_EQ(dlg->GetTabCount(), 5);
    PressWithMenu(IDC_SEARCH, { [&](HMENU) { EXPECT_EQ(dlg->m_pHoveredNode, nullptr); } });
    Command(ID_COLLECTION_FIRST);
    EXPECT_EQ(Location(2), "http://three/1");

    // Only six places are left next to 250 pinned tabs.
    OpenTabs(250);
    for (int i = 0; i < 250; ++i)
        if (!dlg->GetBrowser(i)->GetPinned())
            dlg->SendMessage(WM_APP_TOGGLEPIN, static_cast<WPARAM>(i));
    PressWithMenu(IDC_SEARCH, { Keys({ VK_DOWN, VK_DOWN, VK_RETURN }) });
    ASSERT_EQ(dlg->GetTabCount(), CMainDlg::kMaxTabs);
    EXPECT_EQ(Location(250), "http://ten/1");
    EXPECT_EQ(Location(255), "http://ten/6");
    EXPECT_EQ(dlg->m_tabCtrl.GetCurSel(), 255);
}

TEST_F(MainDlgMenusTest, HighlightIsRecordedAndClicksAreSwallowedWhileThePopupIsOpen)
{
    UseCollectionFile("<H3>Only</H3><DL>" + Links("only", 1) + "</DL>");
    const CollectionNode* only = dlg->m_pCollection->GetRoot()->head;
    const LONG_PTR dialogProc = ::SetWindowLongPtrA(dlg->m_hWnd, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(CountClicks));
    g_clicksReachingDialog = 0;
    PressWithMenu(IDC_SEARCH, {
        Keys({ VK_DOWN }),
        [&](HMENU) { EXPECT_EQ(dlg->m_pHoveredNode, only); },
        Keys({ VK_DOWN }),
        [&](HMENU shown) {
            EXPECT_EQ(::GetMenuState(shown, ID_ORGANIZE_COLLECTIONS, MF_BYCOMMAND) & MF_HILITE, MF_HILITE);
            EXPECT_EQ(dlg->m_pHoveredNode, only) << "the organize entry keeps the folder";
            EXPECT_TRUE(dlg->m_bCollectionMenuOpen);
            dlg->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 100));
        },
    });
    EXPECT_EQ(g_clicksReachingDialog, 0);
    EXPECT_FALSE(dlg->m_bCollectionMenuOpen);
    dlg->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 100));
    EXPECT_EQ(g_clicksReachingDialog, 1);
    ::SetWindowLongPtrA(dlg->m_hWnd, DWLP_DLGPROC, dialogProc);
}

// A popup that cannot be tracked (here: gone behind the window's back) is
// built afresh for the next time.
TEST_F(MainDlgMenusTest, APopupThatCannotBeShownIsRebuilt)
{
    const HMENU before = dlg->m_hCollectionMenu;
    const std::string entries = DescribeMenu(before);
    ::DestroyMenu(before);
    Command(IDC_SEARCH);
    EXPECT_NE(dlg->m_hCollectionMenu, before);
    EXPECT_EQ(DescribeMenu(dlg->m_hCollectionMenu), entries);
    EXPECT_TRUE(dlg->m_pCollection->IsMenuBuilt());
}

TEST_F(MainDlgMenusTest, CollectionItemsAreMeasuredAndDrawnWithTheirIcons)
{
    auto measure = [&](const CollectionNode& node) {
        MEASUREITEMSTRUCT mis = {};
        mis.CtlType = ODT_MENU;
        mis.itemData = reinterpret_cast<ULONG_PTR>(&node);
        dlg->SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
        return mis;
    };
    auto longName = CollectionNode::MakeFolder(std::string(60, 'W'));
    HDC screen = ::GetDC(nullptr);
    HGDIOBJ oldFont = ::SelectObject(screen, ::GetStockObject(DEFAULT_GUI_FONT));
    SIZE extent;
    ::GetTextExtentPoint32A(screen, longName->name.data(), 60, &extent);
    ::SelectObject(screen, oldFont);
    EXPECT_EQ(measure(*longName).itemWidth, static_cast<UINT>(extent.cx + 18));
    EXPECT_GE(measure(*CollectionNode::MakeFolder("")).itemHeight, 18u);

    // Each kind of node on each background, beside its icon drawn by hand.
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 120, 40);
    HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);
    auto opening = CollectionNode::MakeFolder("a");
    auto holding = CollectionNode::MakeFolder("b");
    holding->hasSubfolders = 1;
    auto page = CollectionNode::MakeLink("c", "u");
    const std::pair<const CollectionNode*, UINT> kinds[] = {
        { opening.get(), IDI_TABSET }, { holding.get(), IDI_FOLDER_OPEN }, { page.get(), IDI_FOLDER_CLOSED } };
    for (const auto& kind : kinds) {
        for (bool selected : { false, true }) {
            const COLORREF back = ::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_MENU);
            DRAWITEMSTRUCT dis = {};
            dis.CtlType = ODT_MENU;
            dis.itemState = selected ? ODS_SELECTED : 0;
            dis.hDC = dc;
            dis.rcItem = { 0, 0, 100, 18 };
            dis.itemData = reinterpret_cast<ULONG_PTR>(kind.first);
            dlg->SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
            EXPECT_EQ(::GetPixel(dc, 99, 17), back);
            HICON icon = static_cast<HICON>(::LoadImageA(theApp.m_hInstance, MAKEINTRESOURCEA(kind.second),
                                                         IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
            HBRUSH brush = ::CreateSolidBrush(back);
            ::DrawIconEx(dc, 1, 20, icon, 16, 16, 0, brush, DI_NORMAL);
            ::DeleteObject(brush);
            ::DestroyIcon(icon);
            int differing = 0;
            for (int y = 0; y < 16; ++y)
                for (int x = 1; x < 17; ++x)
                    differing += ::GetPixel(dc, x, y) != ::GetPixel(dc, x, 20 + y);
            EXPECT_EQ(differing, 0) << kind.second << (selected ? " selected" : "");
        }
    }
    ::SelectObject(dc, oldBitmap);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
}
