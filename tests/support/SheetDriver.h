#pragma once
#include <windows.h>
#include <functional>
#include <string>

// Property sheets are no dialogs of ours, so they are driven here rather than
// through PlayInModal. ModalScript runs a script inside the next modal loop of
// this thread: a thread timer fires from whatever loop pumps messages, the
// script runs once and is expected to end the modal window itself.
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

// A property sheet of this thread, driven as a user would; every call is
// handled before it returns.
namespace sheet {
// The sheet this thread shows, or nullptr.
HWND Find();
HWND Page(HWND sheet);
// FALSE when the page shown refused to be left.
BOOL Show(HWND sheet, int index);
// Clicks a button of the sheet (IDOK, IDCANCEL) or of its page shown.
void Press(HWND sheet, int id);
void Type(HWND sheet, int id, const char* text);
std::string Text(HWND sheet, int id);
bool Checked(HWND sheet, int id);
// A key pressed and let go on a control of the page shown.
void Key(HWND sheet, int id, UINT key);
}
