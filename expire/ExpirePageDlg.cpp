#include "expire/ExpirePageDlg.h"
#include "collection/StopMessage.h"
#include "core/collection/CollectionNode.h"
#include "core/collection/CollectionNodeList.h"
#include "core/expire/ExpireRules.h"
#include "core/TextRules.h"
#include "framework/DataExchange.h"
#include "framework/Menu.h"
#include "framework/WinApp.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(CExpirePageDlg, CDialog)
    ON_WM_SIZE()
    ON_NOTIFY(NM_CLICK, IDC_EXP_LIST, OnClickList)
    ON_NOTIFY(NM_RCLICK, IDC_EXP_LIST, OnClickList)
    ON_EN_KILLFOCUS(IDC_EXP_NAME, OnKillFocusName)
    ON_EN_KILLFOCUS(IDC_EXP_ADDRESS, OnKillFocusAddress)
    ON_WM_CONTEXTMENU()
    ON_COMMAND(ID_DELETE_ITEM, OnDeleteItem)
END_MESSAGE_MAP()

namespace {
const char kAddTitle[] = "無効ページの追加";
const char kAddMessage[] = "このページを無効ページとして登録します";
const char kOrganizeTitle[] = "無効ページの整理";
const char kOrganizeMessage[] = "無効ページを整理します";
const char kEnterValidLink[] = "有効なリンクを入力してください";

// Space between the buttons and the dialog's right edge, and between the
// edits and the buttons, in pixels.
const int kButtonMargin = 12;

// The reader keeps no more of a name or an address. A text given longer (a
// page's title) is cut to whole characters as it is taken.
const int kMaxText = 255;

void DDX_Line(CDataExchange* dx, int id, CString& value)
{
    DDX_Text(dx, id, value);
    if (dx->m_bSaveAndValidate)
        value = CString(CutText(value.str(), kMaxText));
    else
        ::SendMessageA(dx->m_hLastControl, EM_LIMITTEXT, kMaxText, 0);
}
}

CExpirePageDlg::CExpirePageDlg(CWnd* parent) : CDialog(IDD, parent), m_expireList(ShowStopMessage)
{
}

void CExpirePageDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_EXP_LIST, m_list);
    DDX_Line(dx, IDC_EXP_NAME, m_strName);
    DDX_Line(dx, IDC_EXP_ADDRESS, m_strAddress);
}

CollectionNode* CExpirePageDlg::NodeAt(int row) const
{
    return reinterpret_cast<CollectionNode*>(m_list.GetItemData(row));
}

BOOL CExpirePageDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    HICON icon = AfxGetApp()->LoadIcon(IDI_APP);
    SetIcon(icon, TRUE);
    SetIcon(icon, FALSE);

    m_list.InsertColumn(0, "アドレス", LVCFMT_LEFT, 291);
    m_list.InsertColumn(1, "名前", LVCFMT_LEFT, 150);
    m_expireList.LoadFile(m_strFile.str(), kDefaultExpireTitle);
    m_nSelected = -1;
    // Each row goes to the top: the list shows the file's order reversed.
    if (CollectionNodeList* entries = FindExpireEntries(m_expireList.GetRoot())) {
        for (std::size_t i = 0; i < entries->Size(); ++i) {
            const CollectionNode* node = entries->At(i);
            m_list.InsertItem(0, node->url.c_str(), reinterpret_cast<LPARAM>(node));
            m_list.SetItemText(0, 1, node->name.c_str());
        }
    }
    SetWindowText(IsAddMode() ? kAddTitle : kOrganizeTitle);
    ::SetDlgItemTextA(m_hWnd, IDC_EXP_MESSAGE, IsAddMode() ? kAddMessage : kOrganizeMessage);
    return TRUE;
}

void CExpirePageDlg::OnSize(UINT type, int cx, int cy)
{
    CDialog::OnSize(type, cx, cy);
    if (!m_list.m_hWnd)
        return;
    const CRect list = ChildRect(m_list);
    m_list.MoveWindow(list.left, list.top, std::max(cx, 0) - list.left, std::max(cy, 0) - list.top);

    const HWND cancel = GetDlgItem(IDCANCEL);
    const int buttonWidth = ChildRect(cancel).Width();
    for (HWND button : { GetDlgItem(IDOK), cancel }) {
        const CRect r = ChildRect(button);
        ::SetWindowPos(button, nullptr, cx - r.Width() - kButtonMargin, r.top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    for (HWND edit : { GetDlgItem(IDC_EXP_NAME), GetDlgItem(IDC_EXP_ADDRESS) }) {
        const CRect r = ChildRect(edit);
        ::MoveWindow(edit, r.left, r.top, cx - buttonWidth - 2 * kButtonMargin - r.left, r.Height(), TRUE);
    }
    Invalidate();
}

void CExpirePageDlg::OnClickList(NMHDR*, LRESULT* result)
{
    m_nSelected = m_list.GetNextItem(-1, LVNI_FOCUSED);
    if (!IsAddMode() && m_nSelected >= 0) {
        m_strAddress = m_list.GetItemText(m_nSelected, 0);
        m_strName = m_list.GetItemText(m_nSelected, 1);
        UpdateData(FALSE);
    }
    *result = 0;
}

void CExpirePageDlg::StoreName()
{
    m_list.SetItemText(m_nSelected, 1, m_strName);
    if (CollectionNode* node = NodeAt(m_nSelected))
        node->name = m_strName.str();
}

void CExpirePageDlg::StoreAddress()
{
    // The file cannot hold an entry without an address: a cleared field is
    // not applied, and the row gives the old address back when next clicked.
    if (m_strAddress.IsEmpty())
        return;
    m_list.SetItemText(m_nSelected, 0, m_strAddress);
    CollectionNode* node = NodeAt(m_nSelected);
    if (node && !node->IsFolder())
        node->url = m_strAddress.str();
}

void CExpirePageDlg::OnKillFocusName()
{
    if (IsAddMode() || m_nSelected < 0)
        return;
    UpdateData(TRUE);
    StoreName();
}

void CExpirePageDlg::OnKillFocusAddress()
{
    if (IsAddMode() || m_nSelected < 0)
        return;
    UpdateData(TRUE);
    StoreAddress();
}

void CExpirePageDlg::OnContextMenu(HWND wnd, CPoint point)
{
    if (wnd != m_list.m_hWnd)
        return;
    CPoint local = point;
    m_list.ScreenToClient(&local);
    const int row = m_list.HitTest(local);
    if (row < 0)
        return;
    m_list.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    // The row deleted is m_nSelected, which this click's NM_RCLICK has set.
    CMenuResource(IDR_TREEMENU).Track(TPM_RIGHTBUTTON, point.x, point.y, m_hWnd);
}

void CExpirePageDlg::OnDeleteItem()
{
    if (m_nSelected < 0)
        return;
    CollectionNodeList* entries = FindExpireEntries(m_expireList.GetRoot());
    if (!entries || !entries->Unlink(NodeAt(m_nSelected)))
        return;
    m_list.DeleteItem(m_nSelected);
    m_nSelected = -1;
}

void CExpirePageDlg::OnOK()
{
    UpdateData(TRUE);
    CollectionNodeList* addedTo = nullptr;
    if (IsAddMode()) {
        if (m_strName.IsEmpty() || m_strAddress.IsEmpty()) {
            AfxMessageBox(kEnterValidLink, MB_ICONQUESTION | MB_OK);
            return;
        }
        if (CollectionNodeList* root = m_expireList.GetRoot()) {
            addedTo = &ProvideExpireEntries(*root);
            addedTo->Append(CollectionNode::MakeLink(m_strName.str(), m_strAddress.str()));
        }
    } else if (m_nSelected >= 0) {
        // Enter in a field confirms what it holds, as leaving the field would.
        StoreName();
        StoreAddress();
    }
    if (!m_expireList.SaveFile()) {
        // The dialog stays open with its edits; a retry must not add twice.
        if (addedTo)
            addedTo->Unlink(addedTo->Back());
        return;
    }
    EndDialog(IDOK);
}
