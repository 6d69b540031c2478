#pragma once
#include "framework/Wnd.h"
#include <commctrl.h>

class CToolTipCtrl : public CWnd {
public:
    BOOL Create(CWnd* parent, DWORD style = 0);
    void Activate(BOOL activate) { SendMessage(TTM_ACTIVATE, (WPARAM)activate); }
    BOOL AddTool(HWND tool, const char* text);
    void RelayEvent(MSG* msg) { if (m_hWnd) SendMessage(TTM_RELAYEVENT, 0, (LPARAM)msg); }
};
