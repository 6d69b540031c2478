#include "tests/support/ModalDriver.h"

namespace {
std::vector<std::function<void()>> g_steps;
size_t g_nextStep = 0;
UINT_PTR g_timer = 0;
CDialog* g_expected = nullptr;  // the dialog to play in, when the caller knows it
HWND g_activeBefore = nullptr;
CDialog* g_dialog = nullptr;
MessageBoxWatch* g_watch = nullptr;

// The dialog of ours that has come up since the steps were set: the thread's
// active window once it shows.
CDialog* ShownDialog()
{
    HWND active = ::GetActiveWindow();
    CDialog* dialog = g_expected;
    if (!dialog && active != g_activeBefore)
        dialog = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(active));
    return dialog && dialog->m_hWnd && ::IsWindowVisible(dialog->m_hWnd) ? dialog : nullptr;
}

void CALLBACK PlayStep(HWND, UINT, UINT_PTR, DWORD)
{
    // The loop shows the dialog once it first runs idle: begin after that.
    if (g_nextStep == 0 && !(g_dialog = ShownDialog()))
        return;
    ::KillTimer(nullptr, g_timer);
    g_timer = 0;
    g_steps[g_nextStep++]();
    if (g_nextStep < g_steps.size())
        g_timer = ::SetTimer(nullptr, 0, 1, PlayStep);
    else if (g_dialog->m_hWnd)
        g_dialog->PostMessage(WM_COMMAND, IDCANCEL);
}

// Which standard icon a message box shows: its icon control holds the
// shared system icon.
UINT IconOf(HWND box)
{
    static const struct { LPCSTR id; UINT type; } icons[] = {
        { IDI_HAND, MB_ICONSTOP }, { IDI_QUESTION, MB_ICONQUESTION },
        { IDI_EXCLAMATION, MB_ICONEXCLAMATION }, { IDI_ASTERISK, MB_ICONINFORMATION },
    };
    for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        HICON shown = reinterpret_cast<HICON>(::SendMessageA(child, STM_GETICON, 0, 0));
        for (const auto& icon : icons) {
            if (shown && shown == ::LoadIconA(nullptr, icon.id))
                return icon.type;
        }
    }
    return 0;
}
}

void PlayInModal(const std::function<void()>& open, std::vector<std::function<void()>> steps, CDialog* dialog)
{
    g_steps = std::move(steps);
    g_nextStep = 0;
    g_expected = dialog;
    g_activeBefore = ::GetActiveWindow();
    g_dialog = nullptr;
    g_timer = ::SetTimer(nullptr, 0, 1, PlayStep);
    open();
    if (g_timer)
        ::KillTimer(nullptr, g_timer);
    g_timer = 0;
    g_steps.clear();
    g_expected = g_dialog = nullptr;
}

CDialog* ModalDialog()
{
    return g_dialog;
}

INT_PTR RunModal(CDialog& dlg, std::vector<std::function<void()>> steps)
{
    INT_PTR result = -1;
    PlayInModal([&] { result = dlg.DoModal(); }, std::move(steps), &dlg);
    return result;
}

MessageBoxWatch::MessageBoxWatch()
{
    g_watch = this;
    m_hook = ::SetWindowsHookExA(WH_CBT, Hook, nullptr, ::GetCurrentThreadId());
}

MessageBoxWatch::~MessageBoxWatch()
{
    ::UnhookWindowsHookEx(m_hook);
    g_watch = nullptr;
}

LRESULT CALLBACK MessageBoxWatch::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    HWND wnd = reinterpret_cast<HWND>(wParam);
    char cls[16] = "";
    // A message box is a dialog that no object of ours is bound to, with its
    // text in static 0xFFFF (a property sheet is the same, without the text).
    if (code == HCBT_ACTIVATE && g_watch && ::GetClassNameA(wnd, cls, sizeof cls) && !lstrcmpA(cls, "#32770") &&
        !CWnd::FromHandlePermanent(wnd) && ::GetDlgItem(wnd, 0xFFFF)) {
        char text[1024] = "";
        ::GetDlgItemTextA(wnd, 0xFFFF, text, sizeof text);
        g_watch->boxes.push_back({ text, IconOf(wnd), ::GetWindow(wnd, GW_OWNER) });
        if (g_watch->whileShown)
            g_watch->whileShown();
        ::PostMessageA(wnd, WM_COMMAND, IDOK, 0);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
