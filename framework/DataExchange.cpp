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

namespace {
bool ParseInt(const char* text, int* value)
{
    char* end = nullptr;
    const long parsed = std::strtol(text, &end, 10);
    if (end == text || !OnlyBlanksFrom(end))
        return false;
    *value = static_cast<int>(parsed);
    return true;
}

bool ParseUInt(const char* text, UINT* value)
{
    while (*text == ' ' || *text == '\t')
        ++text;
    // strtoul would take a minus sign and wrap the number round.
    if (!std::isdigit(static_cast<unsigned char>(*text)))
        return false;
    char* end = nullptr;
    errno = 0;
    const unsigned long parsed = std::strtoul(text, &end, 10);
    if (!OnlyBlanksFrom(end) || errno == ERANGE || parsed > UINT_MAX)
        return false;
    *value = static_cast<UINT>(parsed);
    return true;
}

bool ParseFloat(const char* text, float* value)
{
    char* end = nullptr;
    const float parsed = static_cast<float>(std::strtod(text, &end));
    if (end == text || !OnlyBlanksFrom(end) || !std::isfinite(parsed))
        return false;
    *value = parsed;
    return true;
}

// A number in an edit box: parse reads it back, refusing text that is no
// such number with the message given; format writes it.
template <typename T, typename Shown>
void ExchangeNumber(CDataExchange* dx, int id, T& value, bool (*parse)(const char*, T*), const char* refusal,
                    const char* format)
{
    if (dx->m_bFailed)
        return;
    HWND ctl = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        T parsed;
        if (!parse(ControlText(ctl), &parsed)) {
            dx->Fail(refusal);
            return;
        }
        value = parsed;
    } else {
        char text[32];
        std::snprintf(text, sizeof text, format, static_cast<Shown>(value));
        ::SetWindowTextA(ctl, text);
    }
}
}

void DDX_Text(CDataExchange* dx, int id, int& value)
{
    ExchangeNumber<int, int>(dx, id, value, ParseInt, "整数を入力してください。", "%d");
}

void DDX_Text(CDataExchange* dx, int id, UINT& value)
{
    ExchangeNumber<UINT, UINT>(dx, id, value, ParseUInt, "0 以上の整数を入力してください。", "%u");
}

void DDX_Text(CDataExchange* dx, int id, float& value)
{
    ExchangeNumber<float, double>(dx, id, value, ParseFloat, "数値を入力してください。", "%g");
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
