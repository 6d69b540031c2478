// Times one start and one close of a tabbed program under Wine, from inside
// Wine, so that the program and its measure share one clock and no display:
// starts the program in the current directory, waits until its top-level
// window is visible, answers messages and its tab control holds the expected
// number of items, then posts WM_CLOSE to that window and waits for the
// process to end. Prints "open <ms> window <ms> close <ms>": the start until
// then, the part of it after the window (with its tab control) was made, and
// the close. The part after the window is the program's own work, and it
// varies far less than the start of a process does on a busy machine.
//
// The close is timed to the process's end, not to the window's
// disappearance: a program may hide its window at once and go on tearing
// down behind it, and nothing can start it again or use its files before it
// has ended.
//
// Usage: OpenCloseTimer.exe <program.exe> <tab count>
// Exits 1 when the program does not get there within a minute or ends early.
#include <windows.h>
#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
const DWORD kTimeoutMs = 60000;
// Every look asks the Wine server, which serves the program too. Until the
// window is there it is looked for at this pace; then a message sent to it
// waits, at no cost, until the program pumps its messages, and only then is
// the window looked at again.
const DWORD kLookMs = 1;

struct Search {
    DWORD pid;
    HWND found;
};

// A top-level window of the process that holds a tab control.
BOOL CALLBACK FindMain(HWND window, LPARAM lParam)
{
    Search* search = reinterpret_cast<Search*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    if (pid != search->pid || !::FindWindowExA(window, nullptr, WC_TABCONTROLA, nullptr))
        return TRUE;
    search->found = window;
    return FALSE;
}

double Millis(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency)
{
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

int Fail(const char* why, HANDLE process)
{
    std::fprintf(stderr, "OpenCloseTimer: %s\n", why);
    ::TerminateProcess(process, 1);
    return 1;
}
}

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: OpenCloseTimer.exe <program.exe> <tab count>\n");
        return 2;
    }
    const LRESULT tabs = std::atoi(argv[2]);
    std::string command = std::string("\"") + argv[1] + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    LARGE_INTEGER frequency, started, found = {}, ready, closing, ended;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&started);
    if (!::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::fprintf(stderr, "OpenCloseTimer: cannot start %s\n", argv[1]);
        return 1;
    }
    ::CloseHandle(process.hThread);
    const DWORD deadline = ::GetTickCount() + kTimeoutMs;
    HWND main = nullptr;
    HWND strip = nullptr;
    for (;;) {
        if (::WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0)
            return Fail("the program ended before it showed its tabs", process.hProcess);
        if (static_cast<int>(::GetTickCount() - deadline) > 0)
            return Fail("no window with all its tabs within a minute", process.hProcess);
        if (!main) {
            Search search = { process.dwProcessId, nullptr };
            ::EnumWindows(FindMain, reinterpret_cast<LPARAM>(&search));
            main = search.found;
            if (!main) {
                ::Sleep(kLookMs);
                continue;
            }
            strip = ::FindWindowExA(main, nullptr, WC_TABCONTROLA, nullptr);
            if (!found.QuadPart)
                ::QueryPerformanceCounter(&found);
        }
        DWORD_PTR count = 0;
        if (!::SendMessageTimeoutA(strip, TCM_GETITEMCOUNT, 0, 0, SMTO_NORMAL, kTimeoutMs, &count)) {
            main = nullptr;  // gone, or another window of the same kind to come
            continue;
        }
        if (static_cast<LRESULT>(count) == tabs && ::IsWindowVisible(main))
            break;
        ::Sleep(kLookMs);
    }
    ::QueryPerformanceCounter(&ready);
    ::QueryPerformanceCounter(&closing);
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(process.hProcess, kTimeoutMs) != WAIT_OBJECT_0)
        return Fail("the program did not end within a minute of its close", process.hProcess);
    ::QueryPerformanceCounter(&ended);
    ::CloseHandle(process.hProcess);
    std::printf("open %.1f window %.1f close %.1f\n", Millis(started, ready, frequency), Millis(found, ready, frequency),
                Millis(closing, ended, frequency));
    return 0;
}
