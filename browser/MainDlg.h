#pragma once
#include "framework/Dialog.h"
#include "framework/Controls.h"
#include "browser/AddressEdit.h"
#include "browser/ProfileFile.h"
#include "browser/TabSet.h"
#include "browser/WindowKeys.h"
#include "collection/CollectionMenu.h"
#include "core/Settings.h"
#include "expire/ExpireList.h"
#include "stealth/StealthMode.h"
#include "tabstrip/BrowserTabCtrl.h"
#include "res/resource.h"
#include <memory>

struct CollectionNode;

// The main window: navigation bar, tab strip and one browser pane per tab.
// Pane i always has control id IDC_BROWSER_FIRST + i.
class CMainDlg : public CDialog, public TabStripOwner, public StealthOwner, public WindowKeysOwner {
public:
    enum { IDD = IDD_MAIN };
    enum { kMaxTabs = CTabSet::kMaxTabs };

    // startDir: where the default collection and expire-page files live.
    CMainDlg(CWnd* parent, const CString& startDir);
    ~CMainDlg() override;

    // A tab whose page loads at once.
    BOOL AddTab(const char* address = nullptr) override;
    // A tab of a saved set (the default tab set, a collection): it holds
    // its address and loads the page when it first comes to the front.
    BOOL AddRestoredTab(const char* address);
    BOOL SelectTab(int index) override;
    BOOL DeleteTab(int index);
    BOOL SwapTabs(int i, int j) override;
    void RecalcLayout() override;
    void RefreshTabCaptions();


    // The tab strip's requests.
    BOOL IsTabPinned(int index) const override;
    void OnTabCommand(UINT id, int index) override;
    HWND GetTabPage(int index) const override { return m_tabs.Get(index) ? m_tabs.Get(index)->m_hWnd : nullptr; }
    int FindTab(HWND page) const override { return m_tabs.FindByWindow(page); }

    BOOL PreTranslateMessage(MSG* msg) override;

    // The settings, read from and written to the INI file; the files they name.
    // Each write replaces the whole file: SaveSettings writes the settings
    // into it, SaveDefaultTabs the tab set.
    void LoadSettings();
    void SaveSettings();
    CString GetBookmarkFile() const;
    void SaveDefaultTabs();
    void OpenDefaultTabs();
    void ApplyPriority(int level);

    void ToggleStealthMode();

    // Reads the collection file again and rebuilds the collection popup from it.
    void RebuildCollectionMenu();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnCancel() override;

    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnSize(UINT type, int cx, int cy);
    void OnDestroy();
    void OnClose();
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnTimer(UINT_PTR id);
    LRESULT OnMove(WPARAM wParam, LPARAM lParam);
    LRESULT OnQueryEndSession(WPARAM wParam, LPARAM lParam);
    LRESULT OnEndSession(WPARAM ending, LPARAM lParam);
    BOOL IsCollectionMenuOpen() const override { return m_bCollectionMenuOpen; }
    void CancelTabDrag() override { m_tabCtrl.CancelDrag(); }
    void OnDeleteTab(int tab);
    void OnDeleteOtherTabs(int tab);
    void OnTabOrientation(UINT id);
    void OnMultiLineTab();
    void OnSaveTabsAtExit();
    void OnArrangeWindow(UINT id);
    void OnOptions();
    LRESULT OnCloseTab(WPARAM wParam, LPARAM lParam);
    LRESULT OnTogglePin(WPARAM wParam, LPARAM lParam);
    BOOL OnTabToolTip(UINT id, NMHDR* nm, LRESULT* result);

    // Tab collections, the function menu and the collection popup
    void CreateCollections();
    void DeleteCollections();
    void OnFuncButton();
    void ShowCollectionMenu();
    void OnDrawItem(int idCtl, LPDRAWITEMSTRUCT dis);
    void OnMeasureItem(int idCtl, LPMEASUREITEMSTRUCT mis);
    void OnMenuSelect(UINT item, UINT flags, HMENU menu);
    void OpenCollection(UINT id);
    // The collection organizer, adding the page of a tab or organizing
    void AddPage(int tab);
    void OrganizeCollections();

    // Navigation bar
    void OnGo();
    void OnNew() override;
    void OnBack();
    void OnForward();

    // Browser events of panes IDC_BROWSER_FIRST..IDC_BROWSER_LAST
    void OnNavigateComplete2(UINT id, IDispatch* disp, VARIANT* url);
    void OnDocumentComplete(UINT id, IDispatch* disp, VARIANT* url);
    void OnTitleChange(UINT id, const wchar_t* text);
    void OnBeforeNavigate2(UINT id, IDispatch* disp, VARIANT* url, VARIANT* flags, VARIANT* targetFrameName,
                           VARIANT* postData, VARIANT* headers, VARIANT_BOOL* cancel);
    void OnNewWindow2(UINT id, IDispatch** disp, VARIANT_BOOL* cancel);
    void OnProgressChange(UINT id, long progress, long progressMax);
    void OnCommandStateChange(UINT id, long command, BOOL enable);
    void OnIgnoredTextEvent(UINT id, const wchar_t* text) { (void)id; (void)text; }
    void OnIgnoredEvent(UINT id) { (void)id; }
    void UpdateLocation(int index);

    void GetPaneRect(RECT* rect);
    BOOL InsertTab(const char* address, BOOL loadNow);
    // Closing tabs in a batch (CTabSet::Remove) leaves the front to the
    // caller, so that no page behind them loads on the way: ShowFront keeps
    // the tab now at kept in front, or with kept -1 selects fallback.
    void ShowFront(int kept, int fallback);
    void CreateNavigationBar();

    const CString m_strStartDir;
    CAddressEdit m_edAddress;
    CBrowserTabCtrl m_tabCtrl;
    Settings m_settings;
    // The panes and the strip's items; declared after the strip and the
    // settings it refers to.
    CTabSet m_tabs;
    CProfileFile m_profileFile;
    CWindowKeys m_keys;
    HICON m_hIcon = nullptr;
    HICON m_hMenuIcons[3] = {};
    CToolTipCtrl m_toolTip;
    CBitmapButton m_btnGo, m_btnFunc, m_btnSearch, m_btnForward, m_btnBack, m_btnNew;
    BOOL m_bInitialized = FALSE;
    // The tab collections and their popup, and the expire-page list.
    std::unique_ptr<CollectionMenu> m_pCollection;
    HMENU m_hCollectionMenu = nullptr;
    BOOL m_bCollectionMenuOpen = FALSE;
    // The folder under the popup's highlight; kept after the popup closes
    // for the command that follows.
    const CollectionNode* m_pHoveredNode = nullptr;
    CExpireList m_expireList;
    CStealthMode m_stealth;

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};
