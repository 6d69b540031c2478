#pragma once
#include "framework/Wnd.h"

class CButton : public CWnd {
public:
    // Owner-drawn buttons paint themselves from the reflected WM_DRAWITEM.
    virtual void DrawItem(LPDRAWITEMSTRUCT dis) { (void)dis; }
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
