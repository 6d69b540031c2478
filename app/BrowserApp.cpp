#include "app/BrowserApp.h"
#include "core/StartDir.h"
#include "browser/MainDlg.h"
#include <direct.h>
#include <cstdlib>
#include <cstring>

// Order matters: the string is constructed before the application object.
CString g_strStartDir;
CBrowserApp theApp;

BEGIN_MESSAGE_MAP(CBrowserApp, CWinApp)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

CBrowserApp::CBrowserApp() : CWinApp(nullptr)
{
    char buffer[256];
    const char* cwd = _getcwd(buffer, sizeof buffer);
    if (!cwd)
        ::MessageBoxA(nullptr, "起動ディレクトリを取得できませんでした。\n"
                               "設定ファイルはウィンドウズのディレクトリに作成されます。",
                      "Quenvo", MB_OK);
    g_strStartDir = CString(MakeStartDir(cwd));
}

BOOL CBrowserApp::InitInstance()
{
    AfxEnableControlContainer();
    Enable3dControls();
    std::free(m_pszProfileName);
    m_pszProfileName = _strdup(MakeProfilePath(g_strStartDir.str()).c_str());
    AfxOleInit();

    // The main window is owned by this hidden tool window, so it has a
    // taskbar button only while it carries WS_EX_APPWINDOW.
    CWnd owner;
    owner.CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), "Quenvo", 0, 0, 0, 0, 0, nullptr, nullptr);

    CMainDlg dlg(&owner, g_strStartDir);
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;

    owner.DestroyWindow();
    return FALSE;
}
