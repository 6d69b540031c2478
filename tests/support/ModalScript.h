#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

// Runs a script inside the next modal loop of this thread: a thread timer
// fires from whatever loop pumps messages, the script runs once and is
// expected to end the modal window itself.
class ModalScript {
public:
    explicit ModalScript(std::function<void()> script);
    ~ModalScript();
    bool Ran() const { return m_ran; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    std::function<void()> m_script;
    UINT_PTR m_timer = 0;
    bool m_ran = false;
};

// While it lives, every message box of this thread is answered with OK as
// soon as it shows; its texts are kept in order.
class MessageBoxCatcher {
public:
    MessageBoxCatcher();
    ~MessageBoxCatcher();
    std::vector<std::string> texts;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    HHOOK m_hook;
};

// The property sheet this thread shows, or nullptr.
HWND FindPropertySheet();
