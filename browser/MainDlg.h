#pragma once
#include "framework/Dialog.h"
#include "framework/Controls.h"
#include "res/resource.h"

class CMainDlg : public CDialog {
public:
    enum { IDD = IDD_MAIN };
    explicit CMainDlg(CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void OnSysCommand(UINT id, LPARAM lParam);
    void OnClose();
    void OnCancel() override;

    HICON m_hIcon = nullptr;

    DECLARE_MESSAGE_MAP()
};
