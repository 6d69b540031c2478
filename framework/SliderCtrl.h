#pragma once
#include "framework/Wnd.h"
#include <commctrl.h>

// The trackbar control.
class CSliderCtrl : public CWnd {
public:
    void SetRange(int min, int max, BOOL redraw = FALSE) { SendMessage(TBM_SETRANGE, (WPARAM)redraw, MAKELPARAM(min, max)); }
    void SetPageSize(int size) { SendMessage(TBM_SETPAGESIZE, 0, (LPARAM)size); }
    void SetPos(int pos) { SendMessage(TBM_SETPOS, TRUE, (LPARAM)pos); }
    int GetPos() const { return (int)SendMessage(TBM_GETPOS); }
};
