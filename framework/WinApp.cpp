#include "framework/WinApp.h"
#include "framework/AfxRes.h"
#include "framework/ModalGuard.h"
#include <ole2.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <tuple>

namespace {
CWinApp* g_app = nullptr;
bool g_oleInitialized = false;

void ReleaseOle()
{
    if (g_oleInitialized) {
        ::OleUninitialize();
        g_oleInitialized = false;
    }
}
}

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName)
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    std::free(m_pszProfileName);
    ReleaseOle();
    if (g_app == this)
        g_app = nullptr;
}

CWinApp* AfxGetApp()
{
    return g_app;
}

CWnd* AfxGetMainWnd()
{
    return g_app ? g_app->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetResourceHandle()
{
    return g_app && g_app->m_hInstance ? g_app->m_hInstance : ::GetModuleHandleA(nullptr);
}

int AfxMessageBox(const char* text, UINT type)
{
    // The box belongs to what the user is working in: a modal dialog over
    // the main window (its last active popup), or the main window itself.
    CWnd* main = AfxGetMainWnd();
    HWND owner = main && ::IsWindow(main->m_hWnd) ? ::GetLastActivePopup(main->m_hWnd) : ::GetActiveWindow();
    const CModalGuard guard;
    return ::MessageBoxA(owner, text, g_app ? g_app->GetAppTitle().str().c_str() : nullptr, type);
}

CString CWinApp::GetAppTitle() const
{
    if (m_pszAppName)
        return m_pszAppName;
    // Without a name of its own the program is called after its file.
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(m_hInstance, path, sizeof path);
    const char* name = std::strrchr(path, '\\');
    std::string title = name ? name + 1 : path;
    const size_t dot = title.rfind('.');
    return CString(dot == std::string::npos ? title : title.substr(0, dot));
}

BOOL AfxRouteCommandToApp(UINT code, UINT id, const AFX_MSG& msg, LRESULT& result)
{
    return g_app && g_app->DispatchMessageMap(WM_COMMAND, code, id, msg, result);
}

int CWinApp::Run()
{
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return ExitInstance();
}

HICON CWinApp::LoadIcon(UINT id) const
{
    return ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id));
}

void CWinApp::OnHelp()
{
    // There is no help file behind the help command.
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd && m_pMainWnd->m_hWnd)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

BOOL AfxOleInit()
{
    if (g_oleInitialized)
        return TRUE;
    g_oleInitialized = SUCCEEDED(::OleInitialize(nullptr));
    return g_oleInitialized;
}

void AfxEndProgram()
{
    ReleaseOle();
    ::ExitProcess(0);
}

const char* AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon)
{
    static std::map<std::tuple<UINT, HCURSOR, HBRUSH, HICON>, std::string> names;
    auto key = std::make_tuple(classStyle, cursor, background, icon);
    auto it = names.find(key);
    if (it != names.end())
        return it->second.c_str();
    char name[64];
    std::snprintf(name, sizeof name, "Afx:%x:%p:%p:%p", classStyle, (void*)cursor, (void*)background, (void*)icon);
    WNDCLASSA wc = {};
    wc.style = classStyle;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = AfxGetResourceHandle();
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.lpszClassName = name;
    ::RegisterClassA(&wc);
    return (names[key] = name).c_str();
}
