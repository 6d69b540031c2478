#pragma once
#include <windows.h>
#include <functional>
#include <string>

// Tests drive modal windows from inside their own loops: a step scheduled
// here runs on a one-shot thread timer, which only a loop that pumps
// messages (a dialog's, a menu's, a message box's) dispatches.
void RunWhenModal(std::function<void()> step);

// The message box this thread shows, other than the window except.
struct ShownMessage {
    HWND owner = nullptr;
    std::string text;
};
// Answers the box with OK; an empty text when none is shown.
ShownMessage AnswerMessageBox(HWND except);
