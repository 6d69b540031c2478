#include "framework/DataExchange.h"
#include <cstdio>
#include <cstdlib>

HWND CDataExchange::PrepareCtrl(int id)
{
    m_hLastControl = ::GetDlgItem(m_pDlgWnd->m_hWnd, id);
    return m_hLastControl;
}

void CDataExchange::Fail(const char* message)
{
    if (m_bFailed)
        return;
    m_bFailed = true;
    if (message)
        AfxMessageBox(message, MB_ICONEXCLAMATION);
    if (m_hLastControl) {
        ::SetFocus(m_hLastControl);
        ::SendMessageA(m_hLastControl, EM_SETSEL, 0, -1);
    }
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (!control.m_hWnd)
        control.SubclassDlgItem(static_cast<UINT>(id), dx->m_pDlgWnd);
}

void DDX_Text(CDataExchange* dx, int id, CString& value)
{
    if (dx->m_bFailed)
        return;
    HWND ctl = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        int length = ::GetWindowTextLengthA(ctl);
        std::string buffer(static_cast<size_t>(length) + 1, '\0');
        int got = ::GetWindowTextA(ctl, &buffer[0], length + 1);
        buffer.resize(static_cast<size_t>(got > 0 ? got : 0));
        value = CString(buffer);
    } else {
        ::SetWindowTextA(ctl, value);
    }
}

void DDX_Text(CDataExchange* dx, int id, int& value)
{
    if (dx->m_bFailed)
        return;
    HWND ctl = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        char text[64] = "";
        ::GetWindowTextA(ctl, text, sizeof text);
        char* end = nullptr;
        long parsed = std::strtol(text, &end, 10);
        while (end && (*end == ' ' || *end == '\t')) ++end;
        if (end == text || (end && *end)) {
            dx->Fail("整数を入力してください。");
            return;
        }
        value = static_cast<int>(parsed);
    } else {
        char text[16];
        std::snprintf(text, sizeof text, "%d", value);
        ::SetWindowTextA(ctl, text);
    }
}

void DDX_Check(CDataExchange* dx, int id, int& value)
{
    if (dx->m_bFailed)
        return;
    HWND ctl = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageA(ctl, BM_GETCHECK, 0, 0));
    else
        ::SendMessageA(ctl, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDV_MaxChars(CDataExchange* dx, const CString& value, int count)
{
    if (dx->m_bFailed)
        return;
    if (!dx->m_bSaveAndValidate) {
        ::SendMessageA(dx->m_hLastControl, EM_LIMITTEXT, static_cast<WPARAM>(count), 0);
        return;
    }
    if (value.GetLength() > count) {
        char text[64];
        std::snprintf(text, sizeof text, "%d バイト以内で入力してください。", count);
        dx->Fail(text);
    }
}
