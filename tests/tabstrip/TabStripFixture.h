#pragma once
#include "app/BrowserApp.h"
#include "browser/MainDlg.h"
#include "tests/browser/MainDlgAccess.h"
#include "tests/support/FakeWebBrowser.h"
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <string>

// What the tests look at inside the strip and its drop target.
struct TabStripProbe {
    static BOOL Dragging(const CBrowserTabCtrl& s) { return s.m_bDragging; }
    static HCURSOR DragCursor(const CBrowserTabCtrl& s) { return s.m_hCursorDrag; }
    static HCURSOR SavedCursor(const CBrowserTabCtrl& s) { return s.m_hCursorSaved; }
    static HFONT VerticalFont(const CBrowserTabCtrl& s) { return s.m_fontVertical.GetSafeHandle(); }
    static void Draw(CBrowserTabCtrl& s, DRAWITEMSTRUCT* dis) { s.DrawItem(dis); }
    static const COleDropTarget& DropTarget(const CBrowserTabCtrl& s) { return s.m_dropTarget; }
};

struct OleDropTargetProbe {
    static IDropTarget* Interface(const COleDropTarget& t) { return t.GetInterface(); }
};

class StripMainDlg : public MainDlgAccess {
public:
    using CMainDlg::m_tabCtrl;
};

// A shown, modeless main window with panes hosting the WebBrowser double,
// standing in as the application's main window.
class TabStripTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FakeWebBrowser::Register();
        // As on a first start: no file an earlier test left names an expire
        // list in a folder that is gone, whose message box would wait.
        ::DeleteFileA(theApp.m_pszProfileName);
        dlg = std::make_unique<StripMainDlg>();
        ASSERT_TRUE(dlg->Create(CMainDlg::IDD));
        dlg->ShowWindow(SW_SHOWNA);
        // Over a real window the pointer always has a shape; nothing here sets one.
        ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
        theApp.m_pMainWnd = dlg.get();
    }
    void TearDown() override
    {
        theApp.m_pMainWnd = nullptr;
        dlg->DestroyWindow();
        dlg.reset();
        EXPECT_EQ(FakeWebBrowser::LiveCount(), 0) << "a pane leaked its control";
    }

    CBrowserTabCtrl& Strip() { return dlg->m_tabCtrl; }

    // Replaces whatever start-up opened by one tab per address, the first current.
    void OpenOnly(std::initializer_list<const char*> addresses)
    {
        while (dlg->GetTabCount() > 0)
            dlg->DeleteTab(0);
        for (const char* address : addresses)
            ASSERT_TRUE(dlg->AddTab(address));
        ASSERT_TRUE(dlg->SelectTab(0));
    }
    void OpenTabs(int count)
    {
        while (dlg->GetTabCount() < count)
            ASSERT_TRUE(dlg->AddTab("about:blank"));
    }

    FakeWebBrowser* Fake(int index) const
    {
        CWebBrowser2* pane = dlg->GetPane(index);
        return pane ? FakeWebBrowser::FromHost(pane->m_hWnd) : nullptr;
    }
    // The address the tab's control was last told to open.
    std::wstring NavigatedTo(int index) const
    {
        FakeWebBrowser* fake = Fake(index);
        if (!fake)
            return L"<no pane>";
        for (auto it = fake->Calls().rbegin(); it != fake->Calls().rend(); ++it)
            if (it->name == "Navigate")
                return it->url;
        return L"<none>";
    }

    std::string TabText(int index)
    {
        char text[64] = "";
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        Strip().GetItem(index, &item);
        return text;
    }
    LPARAM TabParam(int index)
    {
        TCITEMA item = {};
        item.mask = TCIF_PARAM;
        Strip().GetItem(index, &item);
        return item.lParam;
    }
    RECT ItemRect(int index)
    {
        RECT r = {};
        Strip().GetItemRect(index, &r);
        return r;
    }
    // A client point of the strip at (dx, dy) from the tab's top-left corner.
    POINT InTab(int index, int dx, int dy)
    {
        const RECT r = ItemRect(index);
        return { r.left + dx, r.top + dy };
    }

    void Mouse(UINT message, POINT p, WPARAM keys)
    {
        Strip().SendMessage(message, keys, MAKELPARAM(p.x, p.y));
    }
    void Down(POINT p) { Mouse(WM_LBUTTONDOWN, p, MK_LBUTTON); }
    void Move(POINT p) { Mouse(WM_MOUSEMOVE, p, MK_LBUTTON); }
    void Up(POINT p) { Mouse(WM_LBUTTONUP, p, 0); }

    std::unique_ptr<StripMainDlg> dlg;
};
