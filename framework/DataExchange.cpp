#include "framework/DataExchange.h"
#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {
// The control's text as the exchange reads it.
CString ControlText(HWND ctl)
{
    char text[64] = "";
    ::GetWindowTextA(ctl, text, sizeof text);
    return text;
}

// Nothing but blanks from end on.
bool OnlyBlanksFrom(const char* end)
{
    while (*end == ' ' || *end == '\t')
        ++end;
    return *end == '\0';
}
}

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
        const CString text = ControlText(ctl);
        char* end = nullptr;
        long parsed = std::strtol(text, &end, 10);
        if (end == static_cast<const char*>(text) || !OnlyBlanksFrom(end)) {
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

void DDX_Text(CDataExchange* dx, int id, UINT& value)
{
    if (dx->m_bFailed)
        return;
    HWND ctl = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        const CString text = ControlText(ctl);
        const char* start = text;
        while (*start == ' ' || *start == '\t')
            ++start;
        // strtoul would take a minus sign and wrap the number round.
        char* end = nullptr;
        errno = 0;
        const unsigned long parsed = std::isdigit(static_cast<unsigned char>(*start))
                                         ? std::strtoul(start, &end, 10) : 0;
        if (!end || !OnlyBlanksFrom(end) || errno == ERANGE || parsed > UINT_MAX) {
            dx->Fail("0 以上の整数を入力してください。");
            return;
        }
        value = static_cast<UINT>(parsed);
    } else {
        char text[16];
        std::snprintf(text, sizeof text, "%u", value);
        ::SetWindowTextA(ctl, text);
    }
}

void DDX_Text(CDataExchange* dx, int id, float& value)
{
    if (dx->m_bFailed)
        return;
    HWND ctl = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        const CString text = ControlText(ctl);
        char* end = nullptr;
        const double parsed = std::strtod(text, &end);
        const float narrowed = static_cast<float>(parsed);
        if (end == static_cast<const char*>(text) || !OnlyBlanksFrom(end) || !std::isfinite(narrowed)) {
            dx->Fail("数値を入力してください。");
            return;
        }
        value = narrowed;
    } else {
        char text[32];
        std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
        ::SetWindowTextA(ctl, text);
    }
}

void DDV_MinMaxUInt(CDataExchange* dx, UINT value, UINT min, UINT max)
{
    if (!dx->m_bSaveAndValidate || dx->m_bFailed || (value >= min && value <= max))
        return;
    CString message;
    message.Format("%u から %u までの整数を入力してください。", min, max);
    dx->Fail(message);
}

void DDV_MinMaxFloat(CDataExchange* dx, float value, float min, float max)
{
    if (!dx->m_bSaveAndValidate || dx->m_bFailed || (value >= min && value <= max))
        return;
    CString message;
    message.Format("%g から %g までの数値を入力してください。", static_cast<double>(min), static_cast<double>(max));
    dx->Fail(message);
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
