#pragma once
#include "app/BrowserApp.h"
#include "browser/MainDlg.h"
#include "tests/browser/MainDlgAccess.h"
#include "tests/support/FakeWebBrowser.h"
#include <gtest/gtest.h>
#include <memory>

// The collection popup's inside, which tests check.
struct CollectionPopupProbe {
    static const CollectionMenu* Collection(const CCollectionPopup& p) { return p.m_pCollection.get(); }
    static HMENU Menu(const CCollectionPopup& p) { return p.m_hCollectionMenu; }
    static void SetOpen(CCollectionPopup& p, BOOL open) { p.m_bCollectionMenuOpen = open; }
};

struct ExpireListProbe {
    static const CollectionStore* Store(const CExpireList& list) { return list.m_pExpireList.get(); }
};

// What the tests set and read inside stealth mode.
struct StealthModeProbe {
    static void SetSystemCalls(CStealthMode& mode, const CStealthMode::SystemCalls& calls) { mode.m_calls = calls; }
    static UINT_PTR TimerId(const CStealthMode& mode) { return mode.m_nTimerId; }
};

// The main window as a test sees it: the protected parts it checks.
class TestMainDlg : public MainDlgAccess {
public:
    using CMainDlg::m_edAddress;
    using CMainDlg::m_tabCtrl;
    CBitmapButton& m_btnBack = m_navBar.m_btnBack;
    CBitmapButton& m_btnForward = m_navBar.m_btnForward;
    CBitmapButton& m_btnGo = m_navBar.m_btnGo;
    CBitmapButton& m_btnNew = m_navBar.m_btnNew;
    CBitmapButton& m_btnFunc = m_navBar.m_btnFunc;
    CBitmapButton& m_btnSearch = m_navBar.m_btnSearch;
    using CMainDlg::m_settings;
    const CollectionStore* ExpireList() const { return ExpireListProbe::Store(m_expireList); }
    CStealthMode& GetStealth() { return m_stealth; }
};

// A modeless main window whose panes host the WebBrowser double.
class MainDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FakeWebBrowser::Register();
        // Every window starts as on a first start: no settings, no saved tabs.
        ::DeleteFileA(theApp.m_pszProfileName);
        dlg = std::make_unique<TestMainDlg>();
        ASSERT_TRUE(dlg->Create(CMainDlg::IDD));
    }
    void TearDown() override
    {
        dlg->DestroyWindow();
        dlg.reset();
        EXPECT_EQ(FakeWebBrowser::LiveCount(), 0) << "a pane leaked its control";
    }

    FakeWebBrowser* Fake(int index) const
    {
        CWebBrowser2* pane = dlg->GetPane(index);
        return pane ? FakeWebBrowser::FromHost(pane->m_hWnd) : nullptr;
    }
    // Opens tabs until there are count of them.
    void OpenTabs(int count)
    {
        while (dlg->GetTabCount() < count)
            ASSERT_TRUE(dlg->AddTab("about:blank"));
    }
    CString TabText(int index) const
    {
        char text[128] = "";
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        dlg->m_tabCtrl.GetItem(index, &item);
        return text;
    }
    LPARAM TabParam(int index) const
    {
        TCITEMA item = {};
        item.mask = TCIF_PARAM;
        dlg->m_tabCtrl.GetItem(index, &item);
        return item.lParam;
    }
    CString WindowText(HWND hWnd) const
    {
        char text[512] = "";
        ::GetWindowTextA(hWnd, text, sizeof text);
        return text;
    }
    void Command(UINT id) { dlg->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    // Client rectangle of a child window in the main window's coordinates.
    RECT ChildRect(HWND child) const
    {
        RECT r;
        ::GetWindowRect(child, &r);
        ::MapWindowPoints(nullptr, dlg->m_hWnd, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    std::unique_ptr<TestMainDlg> dlg;
};
