#include "tests/support/ModalDriver.h"
#include <cstring>
#include <map>

namespace {
std::map<UINT_PTR, std::function<void()>>& Steps()
{
    static std::map<UINT_PTR, std::function<void()>> steps;
    return steps;
}

void CALLBACK RunStep(HWND, UINT, UINT_PTR timer, DWORD)
{
    ::KillTimer(nullptr, timer);
    auto it = Steps().find(timer);
    if (it == Steps().end())
        return;
    std::function<void()> step = std::move(it->second);
    Steps().erase(it);
    step();
}

struct BoxSearch {
    HWND except;
    HWND found;
};

BOOL CALLBACK FindBox(HWND wnd, LPARAM data)
{
    BoxSearch& search = *reinterpret_cast<BoxSearch*>(data);
    char cls[16] = "";
    ::GetClassNameA(wnd, cls, sizeof cls);
    // A message box carries its text in the static control 0xFFFF.
    if (wnd != search.except && std::strcmp(cls, "#32770") == 0 && ::IsWindowVisible(wnd) &&
        ::GetDlgItem(wnd, 0xFFFF)) {
        search.found = wnd;
        return FALSE;
    }
    return TRUE;
}
}

void RunWhenModal(std::function<void()> step)
{
    Steps()[::SetTimer(nullptr, 0, 10, RunStep)] = std::move(step);
}

ShownMessage AnswerMessageBox(HWND except)
{
    BoxSearch search = { except, nullptr };
    ::EnumThreadWindows(::GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&search));
    ShownMessage shown;
    if (!search.found)
        return shown;
    char text[512] = "";
    ::GetDlgItemTextA(search.found, 0xFFFF, text, sizeof text);
    shown.text = text;
    shown.owner = ::GetWindow(search.found, GW_OWNER);
    ::SendMessageA(search.found, WM_COMMAND, IDOK, 0);
    return shown;
}
