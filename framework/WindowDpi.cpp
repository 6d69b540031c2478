#include "framework/WindowDpi.h"

namespace {
UINT g_testDpi = 0;

typedef UINT(WINAPI* GetDpiForWindowFunction)(HWND);

// Looked up rather than imported, so that the program still starts on
// systems that lack it.
GetDpiForWindowFunction DpiForWindow()
{
    static const auto function = reinterpret_cast<GetDpiForWindowFunction>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    return function;
}
}

UINT AfxGetWindowDpi(HWND window)
{
    if (g_testDpi)
        return g_testDpi;
    if (const GetDpiForWindowFunction function = DpiForWindow())
        if (const UINT dpi = function(window))
            return dpi;
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : kBaseDpi;
}

void AfxSetWindowDpiForTest(UINT dpi)
{
    g_testDpi = dpi;
}
