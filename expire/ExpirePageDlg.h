#pragma once
#include "core/collection/CollectionStore.h"
#include "framework/Dialog.h"
#include "framework/ListCtrl.h"
#include "res/resource.h"

struct CollectionNode;

// Registers a page as an expire page (add mode) or organizes the list
// (organize mode). Ends with IDOK only once the file holds what was confirmed.
class CExpirePageDlg : public CDialog {
public:
    enum { IDD = IDD_EXPIREPAGE };
    enum { kOrganizeMode = 0, kAddMode = 1 };

    explicit CExpirePageDlg(CWnd* parent = nullptr);

    void SetMode(int mode) { m_nMode = mode; }
    void SetFile(const CString& path) { m_strFile = path; }
    // The page offered in add mode.
    void SetPage(const CString& name, const CString& address) { m_strName = name; m_strAddress = address; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;

    void OnSize(UINT type, int cx, int cy);
    void OnClickList(NMHDR* nm, LRESULT* result);
    void OnKillFocusName();
    void OnKillFocusAddress();
    void OnContextMenu(HWND wnd, CPoint point);
    void OnDeleteItem();

    bool IsAddMode() const { return m_nMode == kAddMode; }
    CollectionNode* NodeAt(int row) const;
    // Write the edits' texts into the row last clicked and its entry.
    void StoreName();
    void StoreAddress();

    CListCtrl m_list;
    CString m_strName;
    CString m_strAddress;
    int m_nSelected = -1;
    // The dialog's own copy of the list, read when it opens, written on OK.
    CollectionStore m_expireList;
    int m_nMode = kOrganizeMode;
    CString m_strFile;

    DECLARE_MESSAGE_MAP()
};
