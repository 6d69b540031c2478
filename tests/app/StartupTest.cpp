#include <gtest/gtest.h>
#include <windows.h>
#include <string>

// Runs the real Quenvo.exe next to the test program, in a start directory of
// its own, and drives it from outside like a user would.
namespace {
struct Found { DWORD pid; const char* title; HWND hwnd; };

BOOL CALLBACK FindWindowOf(HWND hwnd, LPARAM lParam)
{
    Found* found = reinterpret_cast<Found*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid != found->pid || !::IsWindowVisible(hwnd))
        return TRUE;
    char title[256] = "";
    ::GetWindowTextA(hwnd, title, sizeof title);
    char cls[64] = "";
    ::GetClassNameA(hwnd, cls, sizeof cls);
    if (std::string(cls) != "#32770" || (found->title && std::string(title) != found->title))
        return TRUE;
    found->hwnd = hwnd;
    return FALSE;
}

HWND WaitForDialog(DWORD pid, const char* title)
{
    for (int i = 0; i < 200; ++i) {
        Found found = { pid, title, nullptr };
        ::EnumWindows(FindWindowOf, reinterpret_cast<LPARAM>(&found));
        if (found.hwnd)
            return found.hwnd;
        ::Sleep(50);
    }
    return nullptr;
}

std::string ProgramPath()
{
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    std::string dir(path);
    return dir.substr(0, dir.find_last_of('\\') + 1) + "Quenvo.exe";
}
}

// Started from a folder whose path passes 256 bytes in Japanese names, it
// reads its INI file from there and writes it back there.
TEST(Startup, RunsShowsTheVersionDialogAndClosesCleanly)
{
    char temp[MAX_PATH];
    ::GetTempPathA(sizeof temp, temp);
    const std::string top = std::string(temp) + "quenvo-start-" + std::to_string(::GetCurrentProcessId());
    const std::string longName = "とても長い日本語のフォルダ名とても長い日本語のフォルダ名とても長い日本語のフォルダ名とても長い日本語のフォルダ名";
    const std::string startDir = top + "\\" + longName + "\\" + longName;
    ASSERT_GT(startDir.size(), 256u);
    ::CreateDirectoryA(top.c_str(), nullptr);
    ::CreateDirectoryA((top + "\\" + longName).c_str(), nullptr);
    ASSERT_TRUE(::CreateDirectoryA(startDir.c_str(), nullptr));
    const std::string ini = startDir + "\\Quenvo.ini";
    ::WritePrivateProfileStringA("SETTING", "LEFT", "40", ini.c_str());
    ::WritePrivateProfileStringA("SETTING", "TOP", "30", ini.c_str());
    ::WritePrivateProfileStringA("SETTING", "RIGHT", "540", ini.c_str());
    ::WritePrivateProfileStringA("SETTING", "BOTTOM", "430", ini.c_str());
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, ini.c_str());

    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::string command = "\"" + ProgramPath() + "\" ignored-argument";
    ASSERT_TRUE(::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, startDir.c_str(),
                                 &si, &pi));

    HWND main = WaitForDialog(pi.dwProcessId, nullptr);
    ASSERT_NE(main, nullptr) << "the main window did not appear";
    EXPECT_TRUE(::GetDlgItem(main, 1000) != nullptr);
    RECT placed;
    ::GetWindowRect(main, &placed);
    EXPECT_EQ(placed.left, 40) << "the saved place was read";
    EXPECT_EQ(placed.bottom, 430);
    // The first tab's pane hosts the real WebBrowser control's window. The
    // window is shown while it starts up, so its first tab may still be coming.
    HWND pane = nullptr;
    for (int i = 0; i < 100 && !pane; ++i, ::Sleep(50))
        pane = ::GetDlgItem(main, 1201);
    ASSERT_NE(pane, nullptr);
    HWND control = nullptr;
    for (int i = 0; i < 100 && !control; ++i, ::Sleep(50))
        control = ::FindWindowExA(pane, nullptr, "Shell Embedding", nullptr);
    EXPECT_NE(control, nullptr) << "no WebBrowser window under the pane";

    ::PostMessageA(main, WM_SYSCOMMAND, 0x0010, 0);
    HWND about = WaitForDialog(pi.dwProcessId, "ﾊﾞｰｼﾞｮﾝ情報 Quenvo");
    ASSERT_NE(about, nullptr) << "the version dialog did not open";
    EXPECT_FALSE(::IsWindowEnabled(main)) << "the version dialog is modal";
    ::PostMessageA(about, WM_COMMAND, IDOK, 0);

    for (int i = 0; i < 100 && !::IsWindowEnabled(main); ++i)
        ::Sleep(50);
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(::WaitForSingleObject(pi.hProcess, 15000), WAIT_OBJECT_0) << "the program did not end";
    DWORD code = STILL_ACTIVE;
    ::GetExitCodeProcess(pi.hProcess, &code);
    if (code == STILL_ACTIVE)
        ::TerminateProcess(pi.hProcess, 1);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);

    EXPECT_EQ(::GetPrivateProfileIntA("SETTING", "PRIORITY", -1, ini.c_str()), 1) << "the close wrote it there";
    for (const char* file : { "\\Quenvo.ini", "\\Qvbookmark.htm", "\\Qvexpire.htm" })
        ::DeleteFileA((startDir + file).c_str());
    ::RemoveDirectoryA(startDir.c_str());
    ::RemoveDirectoryA((top + "\\" + longName).c_str());
    ::RemoveDirectoryA(top.c_str());
}
