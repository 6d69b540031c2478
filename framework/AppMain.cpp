#include "framework/WinApp.h"
#include <commctrl.h>

// The program's entry: the application object carries everything.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;
    app->m_hInstance = instance;
    INITCOMMONCONTROLSEX icc = { sizeof icc, ICC_WIN95_CLASSES };
    ::InitCommonControlsEx(&icc);
    if (!app->InitInstance())
        return app->ExitInstance();
    return app->Run();
}
