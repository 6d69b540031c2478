#include "app/BrowserApp.h"
#include "core/StartDir.h"
#include "browser/MainDlg.h"
#include <cstdlib>
#include <cstring>

namespace {
// A directory the system names into a buffer, however long it is (a path
// of Japanese folder names passes 256 bytes soon); null when it fails.
template <typename Get>
const char* SystemDirectory(Get get, std::string& dir)
{
    for (UINT size = MAX_PATH;;) {
        dir.assign(size, '\0');
        const UINT got = get(&dir[0], size);
        if (got == 0)
            return nullptr;
        if (got < size) {
            dir.resize(got);
            return dir.c_str();
        }
        size = got;  // what it needs, with its end
    }
}
}

// Order matters: the string is constructed before the application object.
CString g_strStartDir;
CBrowserApp theApp;

BEGIN_MESSAGE_MAP(CBrowserApp, CWinApp)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

CBrowserApp::CBrowserApp() : CWinApp(nullptr)
{
    std::string buffer;
    const char* cwd =
        SystemDirectory([](char* text, UINT size) { return UINT(::GetCurrentDirectoryA(size, text)); }, buffer);
    if (!cwd)
        ::MessageBoxA(nullptr, "起動ディレクトリを取得できませんでした。\n"
                               "設定ファイルはウィンドウズのディレクトリに作成されます。",
                      "Quenvo", MB_OK);
    g_strStartDir = CString(MakeStartDir(cwd));
}

BOOL CBrowserApp::InitInstance()
{
    std::string windowsDir;
    SystemDirectory(::GetWindowsDirectoryA, windowsDir);
    std::free(m_pszProfileName);
    m_pszProfileName = _strdup(MakeProfilePath(g_strStartDir.str(), windowsDir).c_str());
    AfxOleInit();

    // The main window is owned by this hidden tool window, so it has a
    // taskbar button only while it carries WS_EX_APPWINDOW.
    CWnd owner;
    owner.CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), "Quenvo", 0, 0, 0, 0, 0, nullptr, nullptr);

    CMainDlg dlg(&owner, g_strStartDir);
    m_pMainWnd = &dlg;
    // By the end of its loop the main window's close has written what is
    // kept and removed the tray icon: the program ends there, its panes
    // going with the process rather than one window at a time.
    m_bEndWithMainWnd = TRUE;
    dlg.DoModal();
    m_pMainWnd = nullptr;

    owner.DestroyWindow();
    return FALSE;
}
