#pragma once
#include "framework/Wnd.h"
#include <functional>

// Takes a dialog through a change of display scale (WM_DPICHANGED, when it
// moves to a monitor of another scale): the window goes to the rectangle
// the system suggests and is laid out again, by its own layout. The dialog
// manager still gives the controls fonts for the new scale, but neither
// resizes the window nor places the controls by the template. The window
// chains its map to this part.
class CDpiChange : public CCmdTarget {
public:
    CDpiChange(CWnd& window, std::function<void()> layout) : m_window(window), m_layout(std::move(layout)) {}

    // Once the window exists.
    void Attach();

protected:
    void OnDpiChanged(WPARAM dpi, LPARAM suggested);

    DECLARE_MESSAGE_MAP()

private:
    CWnd& m_window;
    std::function<void()> m_layout;
};
