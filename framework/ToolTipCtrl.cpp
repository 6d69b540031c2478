#include "framework/ToolTipCtrl.h"

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style)
{
    HWND hWnd = ::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | style,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  parent ? parent->m_hWnd : nullptr, nullptr, AfxGetResourceHandle(), nullptr);
    return hWnd && SubclassWindow(hWnd);
}

BOOL CToolTipCtrl::AddTool(HWND tool, const char* text)
{
    // The classic TOOLINFO size works with every comctl32 version.
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = ::GetParent(tool);
    ti.uId = reinterpret_cast<UINT_PTR>(tool);
    ti.lpszText = const_cast<char*>(text);
    return (BOOL)SendMessage(TTM_ADDTOOLA, 0, (LPARAM)&ti);
}
