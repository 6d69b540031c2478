#include "collection/CollectionDlg.h"
#include "core/collection/CollectionEdit.h"
#include "core/collection/CollectionNode.h"
#include "core/collection/CollectionNodeList.h"
#include "core/TextRules.h"
#include "framework/DataExchange.h"
#include "framework/Menu.h"
#include "framework/WinApp.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(CCollectionDlg, CDialog)
    ON_WM_SIZE()
    ON_NOTIFY(TVN_SELCHANGING, IDC_COLL_TREE, OnSelChanging)
    ON_NOTIFY(TVN_SELCHANGED, IDC_COLL_TREE, OnSelChanged)
    ON_NOTIFY(TVN_BEGINLABELEDIT, IDC_COLL_TREE, OnBeginLabelEdit)
    ON_NOTIFY(TVN_ENDLABELEDIT, IDC_COLL_TREE, OnEndLabelEdit)
    ON_NOTIFY(TVN_ITEMEXPANDING, IDC_COLL_TREE, OnItemExpanding)
    ON_BN_CLICKED(IDC_COLL_NEWFOLDER, OnNewFolder)
    ON_CONTROL(EN_KILLFOCUS, IDC_COLL_NAME, OnBoxLeft)
    ON_CONTROL(EN_KILLFOCUS, IDC_COLL_ADDRESS, OnBoxLeft)
    ON_WM_CONTEXTMENU()
    ON_COMMAND(ID_DELETE_ITEM, OnDelete)
    ON_NOTIFY(TVN_KEYDOWN, IDC_COLL_TREE, OnTreeKeyDown)
    ON_MESSAGE(CFolderTreeCtrl::WM_APP_MOVEITEM, OnMoveItem)
END_MESSAGE_MAP()

namespace {
// The reader keeps no more of a name or an address.
const int kMaxText = 255;
// Buttons keep this distance from the right edge.
const int kRightMargin = 12;
const int kButtons[] = { IDOK, IDCANCEL, IDC_COLL_NEWFOLDER };

int TextBytes(HWND box)
{
    std::string text(static_cast<size_t>(::GetWindowTextLengthA(box)) + 1, '\0');
    return ::GetWindowTextA(box, &text[0], static_cast<int>(text.size()));
}
}

CCollectionDlg::CCollectionDlg(CWnd* parent) : CDialog(IDD, parent), m_collection(ShowStopMessage)
{
}

void CCollectionDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_COLL_TREE, m_tree);
    DDX_Text(dx, IDC_COLL_NAME, m_strName);
    DDV_MaxChars(dx, m_strName, kMaxText);
    DDX_Text(dx, IDC_COLL_ADDRESS, m_strAddress);
    DDV_MaxChars(dx, m_strAddress, kMaxText);
}

BOOL CCollectionDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    HICON icon = AfxGetApp()->LoadIcon(IDI_APP);
    SetIcon(icon, TRUE);
    SetIcon(icon, FALSE);
    CreateImageList();
    m_tree.SetImageList(&m_imageList, TVSIL_NORMAL);

    m_collection.LoadFile(m_strCollectionFile.str(), nullptr);
    FillLevel(m_collection.GetRoot(), TVI_ROOT);
    HTREEITEM first = m_tree.GetRootItem();
    FillFolder(first);
    m_tree.SelectItem(first);
    m_tree.Expand(first, TVE_EXPAND);

    // The template carries the add mode's text and the organize mode's
    // title; each mode replaces the other one.
    if (m_nMode == kAdd)
        SetWindowText("タブの追加");
    else
        ::SetDlgItemTextA(m_hWnd, IDC_COLL_MESSAGE, "タブコレクションを整理します");
    return TRUE;
}

void CCollectionDlg::CreateImageList()
{
    m_imageList.Create(16, 16, ILC_COLOR4 | ILC_MASK, 3, 3);
    for (UINT id : { IDI_FOLDER_CLOSED, IDI_FOLDER_OPEN_TREE, IDI_PAGE }) {
        HICON icon = static_cast<HICON>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id), IMAGE_ICON,
                                                     16, 16, LR_DEFAULTCOLOR));
        m_imageList.Add(icon);
        if (icon)
            ::DestroyIcon(icon);
    }
}

void CCollectionDlg::FillLevel(CollectionNodeList* list, HTREEITEM parent)
{
    if (!list)
        return;
    for (std::size_t i = 0; i < list->Size(); ++i) {
        CollectionNode* node = list->At(i);
        const bool folder = node->IsFolder();
        TVINSERTSTRUCTA insert = {};
        insert.hParent = parent;
        insert.hInsertAfter = TVI_LAST;
        TVITEMA& item = insert.item;
        item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_CHILDREN;
        item.pszText = const_cast<char*>(node->name.c_str());
        item.iImage = folder ? kImageFolder : kImageLink;
        item.iSelectedImage = folder ? kImageFolderOpen : kImageLink;
        item.lParam = reinterpret_cast<LPARAM>(node);
        // The button shows before the items are there.
        item.cChildren = folder && !node->children->IsEmpty() ? 1 : 0;
        m_tree.InsertItem(&insert);
    }
}

// A folder is filled once it has items or when it has nothing to show; a
// moved copy of an unfilled folder carries its node, and fills the same way.
void CCollectionDlg::FillFolder(HTREEITEM item)
{
    CollectionNode* node = NodeOf(item);
    if (node && node->IsFolder() && !m_tree.GetChildItem(item))
        FillLevel(node->children.get(), item);
}

void CCollectionDlg::OnItemExpanding(NMHDR* nm, LRESULT* result)
{
    const NMTREEVIEWA* tv = reinterpret_cast<NMTREEVIEWA*>(nm);
    if (tv->action & TVE_EXPAND)
        FillFolder(tv->itemNew.hItem);
    *result = FALSE;
}

CollectionNode* CCollectionDlg::NodeOf(HTREEITEM item) const
{
    return item ? reinterpret_cast<CollectionNode*>(m_tree.GetItemData(item)) : nullptr;
}

// A refused box keeps the selection where it is.
void CCollectionDlg::OnSelChanging(NMHDR*, LRESULT* result)
{
    *result = StoreBoxes(true) ? 0 : TRUE;
}

// The drag selects the dragged item too, and that is handled like any
// other selection: the boxes always stand for the item the tree shows as
// selected.
void CCollectionDlg::OnSelChanged(NMHDR* nm, LRESULT* result)
{
    *result = 0;
    HTREEITEM item = reinterpret_cast<NMTREEVIEWA*>(nm)->itemNew.hItem;
    if (!item) {
        m_hTargetFolder = m_hSelected = m_tree.GetRootItem();
        return;
    }
    m_hSelected = item;
    CollectionNode* node = NodeOf(item);
    if (!node)
        return;
    m_hTargetFolder = node->IsFolder() ? item : m_tree.GetParentItem(item);
    if (!m_hTargetFolder)
        m_hTargetFolder = m_tree.GetRootItem();
    if (m_nMode == kOrganize) {
        m_strName = node->name;
        m_strAddress = node->url;
        UpdateData(FALSE);
    }
}

// Leaving a box refuses nothing aloud: the focus may be leaving for the
// refusal's own message box, and the selection change or OK that follows
// tells the user once.
void CCollectionDlg::OnBoxLeft()
{
    StoreBoxes(false);
}

bool CCollectionDlg::BoxesFit() const
{
    return TextBytes(GetDlgItem(IDC_COLL_NAME)) <= kMaxText && TextBytes(GetDlgItem(IDC_COLL_ADDRESS)) <= kMaxText;
}

// The boxes into the item they stand for; folders have no address to keep.
// False when a box holds too much, which tell shows the user; the text stays
// in its box.
bool CCollectionDlg::StoreBoxes(bool tell)
{
    if (m_nMode != kOrganize || !m_hSelected)
        return true;
    if ((!tell && !BoxesFit()) || !UpdateData(TRUE))
        return false;
    m_tree.SetItemText(m_hSelected, m_strName);
    if (CollectionNode* node = NodeOf(m_hSelected)) {
        node->name = m_strName.str();
        if (!node->IsFolder())
            node->url = m_strAddress.str();
    }
    return true;
}

// A label takes no more than the name box; an edit control that counts
// characters rather than bytes may take more, which the end of the edit cuts.
void CCollectionDlg::OnBeginLabelEdit(NMHDR*, LRESULT* result)
{
    *result = FALSE;
    ::SendMessageA(m_tree.GetEditControl(), EM_LIMITTEXT, kMaxText, 0);
}

// The name box shows the new label too; otherwise leaving the item would
// write the box's older text back over it.
void CCollectionDlg::OnEndLabelEdit(NMHDR* nm, LRESULT* result)
{
    const TVITEMA& item = reinterpret_cast<NMTVDISPINFOA*>(nm)->item;
    *result = 0;
    if (!item.pszText)
        return;
    const std::string label = CutText(item.pszText, kMaxText);
    m_tree.SetItemText(item.hItem, label.c_str());
    if (CollectionNode* node = NodeOf(item.hItem))
        node->name = label;
    if (m_nMode == kOrganize && item.hItem == m_hSelected) {
        m_strName = label;
        ::SetDlgItemTextA(m_hWnd, IDC_COLL_NAME, m_strName);
    }
}

void CCollectionDlg::OnNewFolder()
{
    CollectionNode* folder = NodeOf(m_hTargetFolder);
    if (m_collection.GetRoot() && CollectionEdit::NewFolderTooDeep(*m_collection.GetRoot(), folder)) {
        ShowStopMessage(kTooDeepMessage);
        return;
    }
    // The new item goes after those already in the folder.
    FillFolder(m_hTargetFolder);
    CollectionNode* node = CollectionEdit::AppendFolder(folder, "新しいフォルダ");
    if (!node)
        return;
    HTREEITEM item = m_tree.InsertItem(node->name.c_str(), kImageFolder, kImageFolderOpen, m_hTargetFolder);
    m_tree.SetItemData(item, reinterpret_cast<DWORD_PTR>(node));
    m_tree.SelectItem(item);
    // The tree edits a label only while it has the focus.
    ::SetFocus(m_tree.m_hWnd);
    m_tree.EditLabel(item);
}

void CCollectionDlg::OnContextMenu(HWND wnd, CPoint point)
{
    if (wnd != m_tree.m_hWnd)
        return;
    CPoint client = point;
    m_tree.ScreenToClient(&client);
    HTREEITEM item = m_tree.HitTest(client);
    if (!item)
        return;
    m_tree.SelectItem(item);
    CMenuResource(IDR_TREEMENU).Track(TPM_RIGHTBUTTON, point.x, point.y, m_hWnd);
}

// Top-level items stay: only what lies in a folder can be deleted.
void CCollectionDlg::OnDelete()
{
    HTREEITEM item = m_tree.GetSelectedItem();
    HTREEITEM parent = item ? m_tree.GetParentItem(item) : nullptr;
    if (!parent || !CollectionEdit::DeleteChild(NodeOf(parent), NodeOf(item)))
        return;
    m_hTargetFolder = m_hSelected = nullptr;
    m_tree.DeleteItem(item);
}

// F2 renames the selected item, Delete deletes it as the context menu does.
void CCollectionDlg::OnTreeKeyDown(NMHDR* nm, LRESULT* result)
{
    *result = 0;
    switch (reinterpret_cast<NMTVKEYDOWN*>(nm)->wVKey) {
    case VK_F2:
        if (HTREEITEM item = m_tree.GetSelectedItem())
            m_tree.EditLabel(item);
        break;
    case VK_DELETE:
        OnDelete();
        break;
    }
}

// The tree asks before it re-creates the dragged items, so the private
// tree changes as the control is about to show. A branch that would nest
// too deep is refused, and the control then leaves its items as they are.
LRESULT CCollectionDlg::OnMoveItem(WPARAM wParam, LPARAM lParam)
{
    CollectionNode* node = NodeOf(reinterpret_cast<HTREEITEM>(lParam));
    CollectionNode* target = NodeOf(reinterpret_cast<HTREEITEM>(wParam));
    CollectionNodeList* root = m_collection.GetRoot();
    if (root && CollectionEdit::MoveTooDeep(*root, node, target)) {
        ShowStopMessage(kTooDeepMessage);
        return TRUE;
    }
    // A folder dropped on gets its own items first, for the copy to follow them.
    FillFolder(reinterpret_cast<HTREEITEM>(wParam));
    if (root)
        CollectionEdit::MoveNode(*root, node, target);
    m_hTargetFolder = m_hSelected = nullptr;
    return 0;
}

// What is typed counts, left or not; the dialog ends only once the file
// holds the tree.
void CCollectionDlg::OnOK()
{
    if (!StoreBoxes(true) || !UpdateData(TRUE))
        return;
    CollectionNode* folder = nullptr;
    CollectionNode* added = nullptr;
    if (m_nMode == kAdd) {
        if (m_strName.IsEmpty() || m_strAddress.IsEmpty()) {
            AfxMessageBox("有効なリンクを入力してください", MB_ICONQUESTION | MB_OK);
            return;
        }
        folder = NodeOf(m_hTargetFolder);
        added = CollectionEdit::AppendLink(folder, m_strName.str(), m_strAddress.str());
        if (!added) {
            AfxMessageBox("追加先のフォルダがありません", MB_ICONSTOP | MB_OK);
            return;
        }
    }
    if (!m_collection.SaveFile()) {
        // Another OK must not add the page twice.
        if (added)
            CollectionEdit::DeleteChild(folder, added);
        return;
    }
    EndDialog(IDOK);
}

void CCollectionDlg::OnSize(UINT type, int cx, int cy)
{
    CDialog::OnSize(type, cx, cy);
    if (m_tree.m_hWnd)
        Layout(cx, cy);
}

// The tree fills the bottom, the buttons keep to the right edge, and the
// two edit boxes reach to where the new-folder button begins.
void CCollectionDlg::Layout(int cx, int cy)
{
    const CRect tree = ChildRect(m_tree);
    const int right = std::max(cx, 0), bottom = std::max(cy, 0);
    m_tree.MoveWindow(tree.left, tree.top, std::max(right - int(tree.left), 0), std::max(bottom - int(tree.top), 0));
    for (int id : kButtons) {
        const CRect button = ChildRect(GetDlgItem(id));
        ::MoveWindow(GetDlgItem(id), cx - kRightMargin - button.Width(), button.top, button.Width(),
                     button.Height(), TRUE);
    }
    const int newFolderWidth = ChildRect(GetDlgItem(IDC_COLL_NEWFOLDER)).Width();
    for (int id : { IDC_COLL_NAME, IDC_COLL_ADDRESS }) {
        const CRect edit = ChildRect(GetDlgItem(id));
        const int width = cx - int(edit.left) - (newFolderWidth + kRightMargin);
        ::MoveWindow(GetDlgItem(id), edit.left, edit.top, std::max(width, 0), edit.Height(), TRUE);
    }
}
