#pragma once
#include "framework/Dialog.h"
#include <functional>
#include <string>
#include <vector>

// Calls open, which runs a modal dialog, and plays the steps from inside the
// dialog's loop once it shows, one a turn of the loop: a step after one that
// ended the dialog never runs. The dialog is the given one or else the first
// of ours to become the active window; one still open after the last step is
// cancelled.
void PlayInModal(const std::function<void()>& open, std::vector<std::function<void()>> steps,
                 CDialog* dialog = nullptr);
// The dialog the steps are playing in.
CDialog* ModalDialog();
// Runs dlg modally, playing the steps in it; returns what DoModal returned.
INT_PTR RunModal(CDialog& dlg, std::vector<std::function<void()>> steps);

// While it lives, answers every message box of the thread with OK as soon
// as it shows, and keeps what each one said.
class MessageBoxWatch {
public:
    struct Box {
        std::string text;
        UINT icon;  // MB_ICONSTOP, MB_ICONQUESTION, ... or 0
        HWND owner;
    };

    MessageBoxWatch();
    ~MessageBoxWatch();
    MessageBoxWatch(const MessageBoxWatch&) = delete;
    MessageBoxWatch& operator=(const MessageBoxWatch&) = delete;

    std::vector<Box> boxes;
    // Runs while each box is up, before it is answered.
    std::function<void()> whileShown;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    HHOOK m_hook;
};
