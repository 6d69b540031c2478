#include "browser/TabSet.h"
#include "core/TextRules.h"
#include "res/resource.h"
#include <algorithm>
#include <cstring>

static_assert(IDC_BROWSER_FIRST + CTabSet::kMaxTabs <= IDC_BROWSER_LAST,
              "every pane's id must lie in the range the event sink covers");

namespace {
// How often panes waiting for their controls' calls are looked at.
const UINT kRetiredCheckMs = 100;

bool IsInCall(const CWebBrowser2& pane)
{
    const CControlHost* site = pane.GetControlSite();
    return site && site->IsInCall();
}
}

BEGIN_MESSAGE_MAP(CTabSet, CCmdTarget)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnTabToolTip)
    ON_MESSAGE(WM_APP_TOGGLEPIN, OnTogglePin)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CTabSet::CTabSet(CWnd& parent, CBrowserTabCtrl& strip, const Settings& settings, ChangeNote& changes)
    : m_parent(parent), m_strip(strip), m_settings(settings), m_changes(changes)
{
    m_strip.SetTabPanes(this);
}

CTabSet::~CTabSet()
{
    m_strip.SetTabPanes(nullptr);
}

CWebBrowser2* CTabSet::Get(int index) const
{
    return index >= 0 && index < GetCount() ? m_panes[static_cast<size_t>(index)].get() : nullptr;
}

int CTabSet::Find(const CWebBrowser2* pane) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (m_panes[static_cast<size_t>(i)].get() == pane)
            return i;
    return -1;
}

int CTabSet::FindBySerial(UINT serial) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (m_panes[static_cast<size_t>(i)]->GetSerial() == serial)
            return i;
    return -1;
}

int CTabSet::FindByWindow(HWND window) const
{
    for (int i = 0; window && i < GetCount(); ++i)
        if (m_panes[static_cast<size_t>(i)]->m_hWnd == window)
            return i;
    return -1;
}

HWND CTabSet::GetPaneWindow(int index) const
{
    const CWebBrowser2* pane = Get(index);
    return pane ? pane->m_hWnd : nullptr;
}

CWebBrowser2* CTabSet::Insert(const char* address, BOOL loadNow, int position)
{
    if (GetCount() >= kMaxTabs)
        return nullptr;
    const int index = position >= 0 && position < GetCount() ? position : GetCount();
    auto pane = std::make_unique<CWebBrowser2>();
    // Born hidden where a pane in the background is parked: a window made
    // visible among hundreds of siblings costs more, and showing a tab moves
    // only the panes that are in sight. Until it is in the list its id is
    // the one after the last, which no other pane has.
    if (!pane->Create(WS_CHILD, CRect(-1, -1, -1, -1), &m_parent, IDC_BROWSER_FIRST + GetCount()))
        return nullptr;
    if (loadNow) {
        Show(pane.get(), nullptr);
        if (!pane->CreateBrowser())
            return nullptr;
    }
    CString caption(CutText(address ? address : "", static_cast<size_t>(m_settings.m_nTabTextLength)));
    TCITEMA item = {};
    item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_PARAM;
    item.pszText = const_cast<char*>(static_cast<const char*>(caption));
    item.iImage = 0;
    // A page that waits to be shown is not loading: no shading until it is.
    item.lParam = loadNow ? 0 : 100;
    if (m_strip.InsertItem(index, &item) < 0)
        return nullptr;
    CWebBrowser2* added = pane.get();
    added->SetSerial(m_nNextSerial++);
    m_panes.insert(m_panes.begin() + index, std::move(pane));
    for (int i = index; i < GetCount(); ++i)
        Renumber(i);
    NoteChange();
    // Automation on the pane needs nothing more: its dispatch is the control's.
    // The tab counts before it navigates: the control fires BeforeNavigate2
    // from inside Navigate, and that first event must be able to select it.
    if (address) {
        added->SetGivenLocation(address);
        if (loadNow)
            added->Navigate(address, nullptr, nullptr, nullptr, nullptr);
    }
    return added;
}

void CTabSet::Remove(int index)
{
    const CWebBrowser2* leaving = Get(index);
    if (leaving)
        RemoveWhere([leaving](const CWebBrowser2& pane) { return &pane == leaving; });
}

void CTabSet::RemoveUnpinned()
{
    RemoveWhere([](const CWebBrowser2& pane) { return !pane.GetPinned(); });
}

void CTabSet::RemoveAllBut(int kept)
{
    const CWebBrowser2* staying = Get(kept);
    if (staying)
        RemoveWhere([staying](const CWebBrowser2& pane) { return &pane != staying; });
}

void CTabSet::RemoveAll()
{
    RemoveWhere([](const CWebBrowser2&) { return true; });
}

template <typename Leaves>
void CTabSet::RemoveWhere(Leaves leaves)
{
    std::vector<bool> gone(m_panes.size());
    size_t goneCount = 0;
    for (size_t i = 0; i < m_panes.size(); ++i)
        goneCount += (gone[i] = leaves(*m_panes[i])) ? 1 : 0;
    if (goneCount == 0)
        return;
    if (goneCount == m_panes.size())
        m_strip.DeleteAllItems();
    else
        // From the last, so that every item still has its index when it goes.
        for (size_t i = m_panes.size(); i-- > 0;)
            if (gone[i])
                m_strip.DeleteItem(static_cast<int>(i));
    Panes leaving;
    size_t kept = 0;
    for (size_t i = 0; i < m_panes.size(); ++i) {
        if (gone[i])
            leaving.push_back(std::move(m_panes[i]));
        else
            m_panes[kept++] = std::move(m_panes[i]);
    }
    m_panes.resize(kept);
    for (int i = 0; i < GetCount(); ++i)
        Renumber(i);
    NoteChange();
    Retire(std::move(leaving));
}

void CTabSet::Retire(Panes panes)
{
    for (std::unique_ptr<CWebBrowser2>& pane : panes) {
        if (!IsInCall(*pane)) {
            // Its control's Close may run a page's code and pump messages:
            // whatever runs then finds the set whole.
            pane.reset();
            continue;
        }
        // Out of sight and out of the events' range until its call returns.
        pane->ShowWindow(SW_HIDE);
        pane->SetDlgCtrlID(0);
        m_retired.push_back(std::move(pane));
        ::SetTimer(m_parent.m_hWnd, IDT_RETIRED_PANES, kRetiredCheckMs, nullptr);
    }
}

void CTabSet::OnTimer(UINT_PTR id)
{
    if (id != IDT_RETIRED_PANES) {
        SetMsgHandled(FALSE);
        return;
    }
    // Taken out first: destroying one may bring more.
    Panes waiting;
    waiting.swap(m_retired);
    Retire(std::move(waiting));
    if (m_retired.empty())
        ::KillTimer(m_parent.m_hWnd, IDT_RETIRED_PANES);
}

void CTabSet::Move(int from, int to)
{
    if (!Get(from) || !Get(to) || from == to)
        return;
    m_strip.MoveItem(from, to);
    const auto at = [this](int index) { return m_panes.begin() + index; };
    if (from < to)
        std::rotate(at(from), at(from + 1), at(to + 1));
    else
        std::rotate(at(to), at(from), at(from + 1));
    for (int i = std::min(from, to); i <= std::max(from, to); ++i)
        Renumber(i);
    NoteChange();
}

CRect CTabSet::GetPanePlace() const
{
    CRect place;
    m_strip.GetClientRect(&place);
    m_strip.AdjustDisplayRect(FALSE, &place);
    const CRect strip = m_parent.ChildRect(m_strip);
    place.OffsetRect(strip.left, strip.top);
    return place;
}

CWebBrowser2* CTabSet::Select(int index)
{
    CWebBrowser2* selected = Get(index);
    if (!selected)
        return nullptr;
    m_strip.SetCurSel(index);
    const CRect place = GetPanePlace();
    for (int i = 0; i < GetCount(); ++i) {
        if (i == index)
            Show(selected, &place);
        else
            Park(Get(i));
    }
    if (!selected->HasBrowser())
        Load(selected);
    return selected;
}

BOOL CTabSet::KeepFront(int kept)
{
    CWebBrowser2* front = Get(kept);
    if (!front)
        return FALSE;
    // The strip may have lost its selection while the tabs before it went.
    m_strip.SetCurSel(kept);
    front->MoveWindow(GetPanePlace(), FALSE);
    m_strip.Invalidate(TRUE);
    return TRUE;
}

void CTabSet::Load(CWebBrowser2* pane)
{
    if (!pane->CreateBrowser())
        return;
    // The tab is in front already: its first navigation has nothing to select.
    pane->SetFirstNavigate(FALSE);
    pane->Navigate(pane->GetTabLocation(), nullptr, nullptr, nullptr, nullptr);
}

void CTabSet::Show(CWebBrowser2* pane, const RECT* place)
{
    // Above the tab strip, whose display area it covers.
    UINT flags = SWP_SHOWWINDOW;
    CRect r;
    if (place)
        r = *place;
    else
        flags |= SWP_NOMOVE | SWP_NOSIZE;
    pane->SetWindowPos(HWND_TOP, r.left, r.top, r.Width(), r.Height(), flags);
}

void CTabSet::Park(CWebBrowser2* pane)
{
    // Moving a window is costly; with 256 tabs almost every pane is parked
    // already, so selecting a tab touches only the ones that are not.
    const CRect r = m_parent.ChildRect(*pane);
    if (r.left == -1 && r.top == -1 && r.IsRectEmpty())
        return;
    pane->SetWindowPos(nullptr, -1, -1, 0, 0, SWP_NOZORDER);
}

void CTabSet::SetCaption(int index, const CString& title)
{
    CString caption(CutText(title.str(), static_cast<size_t>(m_settings.m_nTabTextLength)));
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(static_cast<const char*>(caption));
    m_strip.SetItem(index, &item);
}

void CTabSet::SetProgress(int index, LPARAM percent)
{
    TCITEMA item = {};
    item.mask = TCIF_PARAM;
    item.lParam = percent;
    m_strip.SetItem(index, &item);
    InvalidateTab(index);
}

LRESULT CTabSet::OnTogglePin(WPARAM index, LPARAM)
{
    SetPinned(static_cast<int>(index), !IsPinned(static_cast<int>(index)));
    return 0;
}

void CTabSet::SetPinned(int index, BOOL pinned)
{
    CWebBrowser2* pane = Get(index);
    if (!pane || !pane->GetPinned() == !pinned)
        return;
    pane->SetPinned(pinned);
    InvalidateTab(index);
    NoteChange();
}

BOOL CTabSet::IsPinned(int index) const
{
    const CWebBrowser2* pane = Get(index);
    return pane && pane->GetPinned();
}

void CTabSet::InvalidateTab(int index)
{
    CRect r;
    m_strip.GetItemRect(index, &r);
    m_strip.InvalidateRect(&r, TRUE);
}

void CTabSet::Renumber(int index)
{
    CWebBrowser2& pane = *m_panes[static_cast<size_t>(index)];
    // Reading the id is free; setting it is a call to the window system,
    // and a tab added at the end was born with its id.
    if (pane.GetDlgCtrlID() != IDC_BROWSER_FIRST + index)
        pane.SetDlgCtrlID(IDC_BROWSER_FIRST + index);
}

void CTabSet::BeginBatch()
{
    ++m_nBatch;
    m_strip.BeginInsertBatch();
}

void CTabSet::EndBatch()
{
    m_strip.EndInsertBatch();
    if (--m_nBatch == 0 && m_bChangedInBatch) {
        m_bChangedInBatch = false;
        m_changes.NoteChange();
    }
}

void CTabSet::NoteChange()
{
    if (m_nBatch > 0)
        m_bChangedInBatch = true;
    else
        m_changes.NoteChange();
}

BOOL CTabSet::OnTabToolTip(UINT id, NMHDR* nm, LRESULT* result)
{
    NMTTDISPINFOA* info = reinterpret_cast<NMTTDISPINFOA*>(nm);
    CWebBrowser2* pane = Get(static_cast<int>(id));
    if (nm->hwndFrom != m_strip.GetToolTips() || (info->uFlags & TTF_IDISHWND) || !pane)
        return FALSE;
    CString text = pane->GetLocationName();
    if (text.IsEmpty())
        text = pane->GetTabLocation();
    const size_t length = SafeCutLength(text.str(), sizeof info->szText - 1);
    memcpy(info->szText, static_cast<const char*>(text), length);
    info->szText[length] = '\0';
    info->lpszText = info->szText;
    *result = 0;
    return TRUE;
}
