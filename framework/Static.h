#pragma once
#include "framework/Wnd.h"

// A static control; SetIcon shows an icon in one of style SS_ICON. The
// control does not own the icon.
class CStatic : public CWnd {
public:
    HICON SetIcon(HICON icon) { return (HICON)SendMessage(STM_SETICON, (WPARAM)icon); }
    HICON GetIcon() const { return (HICON)SendMessage(STM_GETICON); }
};
