#pragma once
#include <windows.h>
#include "core/DpiScale.h"

// Not in the headers of the oldest system the program is built for.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif

// The DPI a window is shown at: its own, where the system keeps one per
// window (Windows 10 1607 on), else the screen's.
UINT AfxGetWindowDpi(HWND window);

// A pixel measure made for 96 DPI, for a window.
inline int AfxScaleForWindow(HWND window, int measure)
{
    return ScaleForDpi(measure, static_cast<int>(AfxGetWindowDpi(window)));
}

// Tests lay windows out as if shown at another DPI: until it is set back to
// 0, every window answers this one.
void AfxSetWindowDpiForTest(UINT dpi);
