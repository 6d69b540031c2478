#pragma once
#include "framework/Dialog.h"
#include "framework/ImageList.h"
#include "collection/StopMessage.h"
#include "core/collection/CollectionStore.h"
#include "collection/FolderTreeCtrl.h"
#include "res/resource.h"

struct CollectionNode;

// The collection organizer (dialog 141), in one of two modes: add the page
// given in the name and address to a folder, or reshape the collections.
// It edits a tree of its own, read from the collection file, and writes it
// back on OK; Cancel throws it away. Set the mode, the file and (to add) the
// page before DoModal; IDOK means the file now holds what was shown.
class CCollectionDlg : public CDialog {
public:
    enum { IDD = IDD_COLLECTION };
    enum Mode { kOrganize = 0, kAdd = 1 };
    // The images of the tree: a folder shows the first two, a link the third
    // in both states, which is how the tree tells the two apart.
    enum { kImageFolder = 0, kImageFolderOpen = 1, kImageLink = CFolderTreeCtrl::kLinkImage };

    explicit CCollectionDlg(CWnd* parent = nullptr);

    // Given before the dialog runs.
    CString m_strName;              // edit 1006, the page title to add
    CString m_strAddress;           // edit 1007, the page address to add
    int m_nMode = kOrganize;
    CString m_strCollectionFile;

protected:
    CFolderTreeCtrl m_tree;
    // The folder a new link or folder goes into, and the item the two edit
    // boxes stand for.
    HTREEITEM m_hTargetFolder = nullptr;
    HTREEITEM m_hSelected = nullptr;
    CImageList m_imageList;
    // The dialog's own tree, read from the file and written back on OK.
    CollectionStore m_collection;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;

    void OnSize(UINT type, int cx, int cy);
    void OnSelChanging(NMHDR* nm, LRESULT* result);
    void OnSelChanged(NMHDR* nm, LRESULT* result);
    void OnBeginLabelEdit(NMHDR* nm, LRESULT* result);
    void OnEndLabelEdit(NMHDR* nm, LRESULT* result);
    void OnNewFolder();
    void OnBoxLeft();
    void OnContextMenu(HWND wnd, CPoint point);
    void OnDelete();
    void OnTreeKeyDown(NMHDR* nm, LRESULT* result);
    LRESULT OnMoveItem(WPARAM wParam, LPARAM lParam);

    bool BoxesFit() const;
    bool StoreBoxes(bool tell);
    void OnItemExpanding(NMHDR* nm, LRESULT* result);

    void CreateImageList();
    // The tree holds a folder's items only from the first time it opens:
    // a large file shows at once. FillLevel inserts one list's nodes under
    // parent; FillFolder puts in the items of a folder not filled yet.
    void FillLevel(CollectionNodeList* list, HTREEITEM parent);
    void FillFolder(HTREEITEM item);
    CollectionNode* NodeOf(HTREEITEM item) const;
    void Layout(int cx, int cy);

    DECLARE_MESSAGE_MAP()
};
