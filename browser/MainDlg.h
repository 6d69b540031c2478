#pragma once
#include "framework/Dialog.h"
#include "framework/Controls.h"
#include "framework/DpiChange.h"
#include "framework/WindowIcon.h"
#include "browser/AddressEdit.h"
#include "browser/NavigationBar.h"
#include "browser/ProfileFile.h"
#include "browser/TabSet.h"
#include "browser/WindowKeys.h"
#include "collection/CollectionPopup.h"
#include "core/Settings.h"
#include "expire/ExpireList.h"
#include "stealth/StealthMode.h"
#include "tabstrip/BrowserTabCtrl.h"
#include "res/resource.h"

// The main window: navigation bar, tab strip and one browser pane per tab.
// Pane i always has control id IDC_BROWSER_FIRST + i.
class CMainDlg : public CDialog, public TabStripOwner, public StealthOwner, public WindowKeysOwner {
public:
    enum { IDD = IDD_MAIN };
    enum { kMaxTabs = CTabSet::kMaxTabs };

    // startDir: where the default collection and expire-page files live.
    CMainDlg(CWnd* parent, const CString& startDir);

    // A tab whose page loads at once, at position (-1: after the last).
    BOOL AddTab(const char* address = nullptr, int position = -1) override;
    // A tab of a saved set (the default tab set, a collection): it holds
    // its address and loads the page when it first comes to the front.
    BOOL AddRestoredTab(const char* address, BOOL pinned = FALSE);
    BOOL SelectTab(int index) override;
    BOOL DeleteTab(int index);
    BOOL MoveTab(int from, int to) override;
    void RecalcLayout() override;
    void RefreshTabCaptions();

    // The tab strip's commands.
    void OnTabCommand(UINT id, int index) override;

    BOOL PreTranslateMessage(MSG* msg) override;

    // The settings, read from and written to the INI file; the files they name.
    // Each write replaces the whole file: SaveSettings writes the settings
    // into it, SaveDefaultTabs the tab set.
    void LoadSettings();
    void SaveSettings();
    void SaveDefaultTabs();
    void OpenDefaultTabs();
    void ApplyPriority(int level);

    void ToggleStealthMode();

protected:
    // Replaces the unpinned tabs by the set's; an empty set opens the home page.
    void OpenTabSet(const SavedTabSet& set);
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnCancel() override;

    void OnSysCommand(UINT id, LPARAM lParam);
    void OnSize(UINT type, int cx, int cy);
    void OnDestroy();
    void OnClose();
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    LRESULT OnEndSession(WPARAM ending, LPARAM lParam);
    BOOL IsCollectionMenuOpen() const override { return m_collectionPopup.IsCollectionMenuOpen(); }
    void CancelTabDrag() override { m_tabCtrl.CancelDrag(); }
    void OnDeleteTab(int tab);
    void OnDeleteOtherTabs(int tab);
    void OnTabOrientation(UINT id);
    void OnMultiLineTab();
    void OnSaveTabsAtExit();
    void OnArrangeWindow(UINT id);
    void OnOptions();
    // The strip's and the keys' close (WM_APP_CLOSETAB, the tab's index),
    // and a refused page's (WM_APP_CLOSEREFUSED, its tab's serial).
    LRESULT OnCloseTab(WPARAM index, LPARAM);
    LRESULT OnCloseRefused(WPARAM serial, LPARAM);

    // Tab collections, the function menu and the collection popup
    void OnFuncButton();
    void ShowCollectionMenu();
    void OpenCollection(UINT id);
    // The collection organizer, adding the page of a tab or organizing
    void AddPage(int tab);
    void OrganizeCollections();

    // Navigation bar
    void OnGo();
    void OnNew() override;
    void OnBack();
    void OnForward();

    // Browser events of panes IDC_BROWSER_FIRST..IDC_BROWSER_LAST; the page's
    // address after NavigateComplete2, DocumentComplete and TitleChange.
    void UpdateLocation(UINT id, IDispatch* disp = nullptr, VARIANT* url = nullptr);
    void OnTitleChange(UINT id, const wchar_t* text);
    void OnBeforeNavigate2(UINT id, IDispatch* disp, VARIANT* url, VARIANT* flags, VARIANT* targetFrameName,
                           VARIANT* postData, VARIANT* headers, VARIANT_BOOL* cancel);
    // Both report a page's request for a new window: the newer one with
    // whether the user asked for it and its address.
    void OnNewWindow2(UINT id, IDispatch** disp, VARIANT_BOOL* cancel);
    void OnNewWindow3(UINT id, IDispatch** disp, VARIANT_BOOL* cancel, long flags, const wchar_t* context,
                      const wchar_t* url);
    void OnProgressChange(UINT id, long progress, long progressMax);
    void OnCommandStateChange(UINT id, long command, BOOL enable);

    const CString m_strStartDir;
    CAddressEdit m_edAddress;
    CBrowserTabCtrl m_tabCtrl;
    Settings m_settings;
    // The panes and the strip's items, and what the strip asks about them;
    // declared after the strip and the settings it refers to.
    CTabSet m_tabs;
    CProfileFile m_profileFile;
    CWindowKeys m_keys;
    CNavigationBar m_navBar;
    BOOL m_bInitialized = FALSE;
    // The tab collections and their popup, and the expire-page list.
    CCollectionPopup m_collectionPopup;
    CExpireList m_expireList;
    CStealthMode m_stealth;
    CWindowIcon m_icon;
    NewWindowEvents m_newWindows;
    CDpiChange m_dpiChange;

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};
