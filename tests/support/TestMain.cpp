#include "app/BrowserApp.h"
#include "app/StartDir.h"
#include <gtest/gtest.h>
#include <commctrl.h>
#include <ole2.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
// A start directory of the test run's own, so no test reads or writes the
// INI file or the HTML files of a real installation.
void UseTemporaryStartDir()
{
    char temp[MAX_PATH] = "";
    ::GetTempPathA(sizeof temp, temp);
    char dir[MAX_PATH];
    std::snprintf(dir, sizeof dir, "%squenvo-tests-%lu", temp, ::GetCurrentProcessId());
    ::CreateDirectoryA(dir, nullptr);
    g_strStartDir = CString(MakeStartDir(dir));
    std::free(theApp.m_pszProfileName);
    theApp.m_pszProfileName = _strdup(MakeProfilePath(g_strStartDir.str()).c_str());
}
}

// The Win32 tests run inside the program's own application object, so the
// framework's profile functions and resource lookups behave as in Quenvo.exe.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    theApp.m_hInstance = ::GetModuleHandleA(nullptr);
    INITCOMMONCONTROLSEX icc = { sizeof icc, ICC_WIN95_CLASSES };
    ::InitCommonControlsEx(&icc);
    AfxOleInit();
    UseTemporaryStartDir();
    return RUN_ALL_TESTS();
}
