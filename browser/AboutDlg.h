#pragma once
#include "framework/Dialog.h"
#include "res/resource.h"

// The version dialog.
class CAboutDlg : public CDialog {
public:
    enum { IDD = IDD_ABOUTBOX };
    explicit CAboutDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}
};
