#pragma once
#include "framework/Controls.h"
#include "res/resource.h"

// The address box: Enter opens the address, exactly like the GO button.
class CAddressEdit : public CEdit {
public:
    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
            ::SendMessageA(GetParent(), WM_COMMAND, MAKEWPARAM(IDC_GO, BN_CLICKED), (LPARAM)m_hWnd);
            return TRUE;
        }
        return CEdit::PreTranslateMessage(msg);
    }
};
