#include "framework/DpiChange.h"
#include "framework/WindowDpi.h"

BEGIN_MESSAGE_MAP(CDpiChange, CCmdTarget)
    ON_MESSAGE_BEFORE_DEFAULT(WM_DPICHANGED, OnDpiChanged)
END_MESSAGE_MAP()

namespace {
// Bits of the dialog manager's answer to a new scale (Windows 10 1703 on).
const DWORD kKeepSize = 0x0002, kKeepControlPlaces = 0x0004;
typedef BOOL(WINAPI* SetDialogDpiChangeBehaviorFunction)(HWND, DWORD, DWORD);
}

void CDpiChange::Attach()
{
    // Looked up, since older systems have no such call and need none.
    const auto setBehavior = reinterpret_cast<SetDialogDpiChangeBehaviorFunction>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("user32.dll"), "SetDialogDpiChangeBehavior")));
    if (setBehavior)
        setBehavior(m_window.m_hWnd, kKeepSize | kKeepControlPlaces, kKeepSize | kKeepControlPlaces);
}

void CDpiChange::OnDpiChanged(WPARAM, LPARAM suggested)
{
    const RECT& r = *reinterpret_cast<const RECT*>(suggested);
    m_window.SetWindowPos(nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                          SWP_NOZORDER | SWP_NOACTIVATE);
    // The size may stay while every measure changes.
    m_layout();
}
