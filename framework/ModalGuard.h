#pragma once
#include <windows.h>

// Marks the time a message box, a menu or a modal dialog runs a message loop
// of its own while its caller waits below it on the stack. A window's close
// that arrives meanwhile is put off (AfxPostponeClose) and comes again as
// WM_CLOSE once the last such loop has returned, so that nothing the caller
// still uses is freed under it.
class CModalGuard {
public:
    CModalGuard();
    ~CModalGuard();
    CModalGuard(const CModalGuard&) = delete;
    CModalGuard& operator=(const CModalGuard&) = delete;
};

// True while a guarded loop runs: the close of window is remembered and
// posted to it again when the last one has ended.
bool AfxPostponeClose(HWND window);
