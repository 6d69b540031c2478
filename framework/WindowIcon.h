#pragma once
#include "framework/Wnd.h"

// A window's own icon: its big and small icon, drawn centred in its client
// area while it is minimised, and the image dragged for it then. The window
// chains its map to this part.
class CWindowIcon : public CCmdTarget {
public:
    CWindowIcon(CWnd& window, HICON icon) : m_window(window), m_hIcon(icon) {}

    // Once the window exists.
    void Attach();

protected:
    void OnPaint();
    HCURSOR OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }

    DECLARE_MESSAGE_MAP()

    CWnd& m_window;
    HICON m_hIcon;
};
