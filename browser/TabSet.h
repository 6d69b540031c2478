#pragma once
#include "browser/WebBrowser2.h"
#include "core/ChangeNote.h"
#include "core/Settings.h"
#include "framework/CmdTarget.h"
#include "tabstrip/BrowserTabCtrl.h"
#include "tabstrip/TabStripPanes.h"
#include <memory>
#include <vector>

// The tabs of the main window: one pane per tab in tab order and the tab
// strip's items beside them, kept equal in count and order because only
// this class adds or removes either. Pane i always answers to control id
// IDC_BROWSER_FIRST + i, so its events name its tab. A tab that goes leaves
// the set whole (item, pane, ids) before its pane is destroyed, and a pane
// whose control is inside a call (an event, a modal loop of its own, a call
// of ours) is destroyed once that call has returned. The set answers what
// the strip asks about its panes; chained into the parent's message map, it
// also takes the strip's tips (TTN_NEEDTEXTA), its pin icon and its own
// timer. Every change to the set is noted.
class CTabSet : public CCmdTarget, public TabStripPanes {
public:
    enum { kMaxTabs = 256 };

    // The panes become children of parent; captions are cut to the set tab
    // text length.
    CTabSet(CWnd& parent, CBrowserTabCtrl& strip, const Settings& settings, ChangeNote& changes);
    ~CTabSet() override;
    CTabSet(const CTabSet&) = delete;
    CTabSet& operator=(const CTabSet&) = delete;

    // While one lives, the strip lays out its items once, when it ends,
    // rather than on every insert, and the set notes its change once: for a
    // whole set of tabs opened at once.
    class InsertBatch {
    public:
        explicit InsertBatch(CTabSet& tabs) : m_tabs(tabs) { m_tabs.BeginBatch(); }
        ~InsertBatch() { m_tabs.EndBatch(); }
        InsertBatch(const InsertBatch&) = delete;
        InsertBatch& operator=(const InsertBatch&) = delete;

    private:
        CTabSet& m_tabs;
    };

    int GetCount() const { return static_cast<int>(m_panes.size()); }
    // Null out of range.
    CWebBrowser2* Get(int index) const;
    // -1 when the pane is no longer here.
    int Find(const CWebBrowser2* pane) const;
    // The same by the pane's window; -1 for a null one.
    int FindByWindow(HWND window) const override;
    // The same by the serial the pane was given when its tab was inserted,
    // which no later tab shares.
    int FindBySerial(UINT serial) const;
    HWND GetPaneWindow(int index) const override;
    int GetCurSel() const { return m_strip.GetCurSel(); }
    CWebBrowser2* Current() const { return Get(GetCurSel()); }

    // A new tab at position (-1: after the last one), its caption the
    // address cut. A pane that loads now gets its control at once and
    // navigates to the address; a restored one stays without a control until
    // it is shown. Null, with nothing added, at the limit or when a window
    // cannot be made.
    CWebBrowser2* Insert(const char* address, BOOL loadNow, int position = -1);
    void Remove(int index);
    // Every tab whose pane is not pinned; the front is left to the caller.
    void RemoveUnpinned();
    // Every tab but the one at kept.
    void RemoveAllBut(int kept);
    void RemoveAll();
    // Moves a tab, its item and its pane, from one place to another; the
    // tabs between shift by one toward the place it left.
    void Move(int from, int to);

    // Where the current pane goes: the strip's display area, in the
    // parent's coordinates.
    CRect GetPanePlace() const;
    // Makes the tab current: its pane shown in place, loaded when it has no
    // control yet, every other pane parked. Null out of range.
    CWebBrowser2* Select(int index);
    // Closing tabs in a batch leaves the front to the caller, so that no page
    // behind them loads on the way. This keeps the pane now at kept, which is
    // in front already, there: the strip's selection back on it and the pane
    // fitted to the strip, whose rows may have changed. FALSE, with nothing
    // done, when there is no tab at kept (-1): the caller selects one.
    BOOL KeepFront(int kept);
    // Gives a pane in front that has no control yet its control and page.
    void Load(CWebBrowser2* pane);
    // Moves a pane that is not the current one out of sight: (-1, -1), no size.
    void Park(CWebBrowser2* pane);

    void SetCaption(int index, const CString& title);
    // The item's load shading, 0..100, redrawn.
    void SetProgress(int index, LPARAM percent);
    BOOL IsPinned(int index) const override;
    void SetPinned(int index, BOOL pinned);

protected:
    // The tip of a tab: its page's title, or its address while it has none.
    BOOL OnTabToolTip(UINT id, NMHDR* nm, LRESULT* result);
    // The pin half of a tab's icon (WM_APP_TOGGLEPIN, the tab's index).
    LRESULT OnTogglePin(WPARAM index, LPARAM);
    // Its own timer destroys the panes whose calls have returned.
    void OnTimer(UINT_PTR id);

    DECLARE_MESSAGE_MAP()

private:
    using Panes = std::vector<std::unique_ptr<CWebBrowser2>>;
    // Takes every tab for which leaves(pane) is true out of the set, makes
    // the set whole again and only then destroys their panes.
    template <typename Leaves>
    void RemoveWhere(Leaves leaves);
    // Destroys the panes now, or once their controls' calls have returned.
    void Retire(Panes panes);
    // Shows a pane on top of its siblings, in place when one is given.
    void Show(CWebBrowser2* pane, const RECT* place);
    void InvalidateTab(int index);
    void Renumber(int index);
    void BeginBatch();
    void EndBatch();
    void NoteChange();

    CWnd& m_parent;
    CBrowserTabCtrl& m_strip;
    const Settings& m_settings;
    ChangeNote& m_changes;
    Panes m_panes;
    // Out of the set, waiting for their controls' calls to return.
    Panes m_retired;
    UINT m_nNextSerial = 1;
    int m_nBatch = 0;
    bool m_bChangedInBatch = false;
};
