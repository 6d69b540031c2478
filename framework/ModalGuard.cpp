#include "framework/ModalGuard.h"

namespace {
// One user-interface thread: loops nest, they never overlap.
int g_depth = 0;
HWND g_closeWaiting = nullptr;
}

CModalGuard::CModalGuard()
{
    ++g_depth;
}

CModalGuard::~CModalGuard()
{
    if (--g_depth > 0 || !g_closeWaiting)
        return;
    HWND window = g_closeWaiting;
    g_closeWaiting = nullptr;
    if (::IsWindow(window))
        ::PostMessageA(window, WM_CLOSE, 0, 0);
}

bool AfxPostponeClose(HWND window)
{
    if (g_depth == 0)
        return false;
    g_closeWaiting = window;
    return true;
}
