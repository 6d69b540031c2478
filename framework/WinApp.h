#pragma once
#include "framework/Wnd.h"

// The application object: start-up, the INI file's name and the commands
// that no window handles.
class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;

    const char* m_pszAppName = nullptr;
    // Owned: freed with free() on destruction, replaced by the program at start-up.
    char* m_pszProfileName = nullptr;
    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;
    // Set by a program that ends when its main window's modal loop ends:
    // then AfxEndProgram runs instead of the window's destruction.
    BOOL m_bEndWithMainWnd = FALSE;

    virtual BOOL InitInstance() { return FALSE; }
    virtual int ExitInstance() { return 0; }
    virtual int Run();

    // Message-box captions: the application's name, else its file's.
    CString GetAppTitle() const;
    HICON LoadIcon(UINT id) const;

    void OnHelp();
    void OnAppExit();

    DECLARE_MESSAGE_MAP()
};

// OLE for the hosted controls and drag and drop, once; released with the
// application object.
BOOL AfxOleInit();
// Ends the process once the program has done with its main window and
// closed every hosted control: OLE is let go (which leaves the clipboard its
// data), and the windows, objects and handles that are left go with the
// process at once, not one by one (a window destroyed takes Wine's server
// several round trips). Does not return.
[[noreturn]] void AfxEndProgram();
// Registers (once per attribute set) a window class with DefWindowProc and
// returns its name.
const char* AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr, HBRUSH background = nullptr,
                                HICON icon = nullptr);
