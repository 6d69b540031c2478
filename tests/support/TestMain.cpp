#include "app/BrowserApp.h"
#include "core/StartDir.h"
#include <gtest/gtest.h>
#include <commctrl.h>
#include <ole2.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
std::string g_testDir;

// A start directory of the test run's own, so no test reads or writes the
// INI file or the HTML files of a real installation.
void UseTemporaryStartDir()
{
    char temp[MAX_PATH] = "";
    ::GetTempPathA(sizeof temp, temp);
    char dir[MAX_PATH];
    std::snprintf(dir, sizeof dir, "%squenvo-tests-%lu", temp, ::GetCurrentProcessId());
    ::CreateDirectoryA(dir, nullptr);
    g_testDir = dir;
    g_strStartDir = CString(MakeStartDir(dir));
    std::free(theApp.m_pszProfileName);
    theApp.m_pszProfileName = _strdup(MakeProfilePath(g_strStartDir.str(), std::string()).c_str());
}

// Removes what the run left in its start directory (files only: tests that
// need folders of their own clean up after themselves).
void RemoveTemporaryStartDir()
{
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((g_testDir + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
                const std::string file = g_testDir + "\\" + found.cFileName;
                ::SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileA(file.c_str());
            }
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
    ::RemoveDirectoryA(g_testDir.c_str());
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
    const int result = RUN_ALL_TESTS();
    RemoveTemporaryStartDir();
    return result;
}
