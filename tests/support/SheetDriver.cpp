#include "tests/support/SheetDriver.h"
#include <commctrl.h>

namespace {
ModalScript* g_script = nullptr;

std::string ClassOf(HWND hWnd)
{
    char name[64] = "";
    ::GetClassNameA(hWnd, name, sizeof name);
    return name;
}

BOOL CALLBACK FindSheet(HWND hWnd, LPARAM found)
{
    if (ClassOf(hWnd) == "#32770" && ::FindWindowExA(hWnd, nullptr, WC_TABCONTROLA, nullptr)) {
        *reinterpret_cast<HWND*>(found) = hWnd;
        return FALSE;
    }
    return TRUE;
}
}

ModalScript::ModalScript(std::function<void()> script) : m_script(std::move(script))
{
    g_script = this;
    m_timer = ::SetTimer(nullptr, 0, 10, Tick);
}

ModalScript::~ModalScript()
{
    if (m_timer)
        ::KillTimer(nullptr, m_timer);
    g_script = nullptr;
}

void CALLBACK ModalScript::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    ModalScript* self = g_script;
    if (!self || self->m_ran)
        return;
    ::KillTimer(nullptr, self->m_timer);
    self->m_timer = 0;
    self->m_ran = true;
    self->m_script();
}

namespace sheet {
HWND Find()
{
    HWND found = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindSheet, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND Page(HWND sheet) { return PropSheet_GetCurrentPageHwnd(sheet); }
BOOL Show(HWND sheet, int index) { return PropSheet_SetCurSel(sheet, nullptr, index); }

void Press(HWND sheet, int id)
{
    // BM_CLICK is handled at once; PSM_PRESSBUTTON would only post the click.
    HWND button = ::GetDlgItem(sheet, id);
    ::SendMessageA(button ? button : ::GetDlgItem(Page(sheet), id), BM_CLICK, 0, 0);
}

void Type(HWND sheet, int id, const char* text) { ::SetDlgItemTextA(Page(sheet), id, text); }

std::string Text(HWND sheet, int id)
{
    char text[MAX_PATH] = "";
    ::GetDlgItemTextA(Page(sheet), id, text, sizeof text);
    return text;
}

bool Checked(HWND sheet, int id) { return ::IsDlgButtonChecked(Page(sheet), id) == BST_CHECKED; }

void Key(HWND sheet, int id, UINT key)
{
    HWND control = ::GetDlgItem(Page(sheet), id);
    ::SendMessageA(control, WM_KEYDOWN, key, 0);
    ::SendMessageA(control, WM_KEYUP, key, 0);
}
}
