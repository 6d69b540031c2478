#pragma once
#include "framework/Wnd.h"

// One run of data exchange between a dialog's controls and its members.
class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}
    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    bool m_bFailed = false;
    HWND m_hLastControl = nullptr;

    HWND PrepareCtrl(int id);
    // Shows the message, focuses the last control and marks the run failed.
    void Fail(const char* message);
};

void DDX_Control(CDataExchange* dx, int id, CWnd& control);
void DDX_Text(CDataExchange* dx, int id, CString& value);
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Text(CDataExchange* dx, int id, UINT& value);
// Shown with up to six significant digits: 10.0 shows as 10.
void DDX_Text(CDataExchange* dx, int id, float& value);
void DDX_Check(CDataExchange* dx, int id, int& value);
// After the DDX_Text of an edit box: limits the box to count bytes, and
// refuses a longer value when saving.
void DDV_MaxChars(CDataExchange* dx, const CString& value, int count);
// After the DDX_Text of a number: outside [min, max] the run fails with a
// request for a number between the two.
void DDV_MinMaxUInt(CDataExchange* dx, UINT value, UINT min, UINT max);
void DDV_MinMaxFloat(CDataExchange* dx, float value, float min, float max);
