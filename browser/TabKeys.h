#pragma once
#include "framework/Types.h"

// The main window's own keys. The window takes them before the page and the
// dialog manager can, wherever the focus is inside it; every other key goes
// to the page first.
enum class TabKeyAction {
    kNewTab,
    kCloseTab,
    kNextTab,
    kPreviousTab,
    kTabAt,
    kLastTab,
    kFocusAddress,
    kReopenTab,
    // Esc, in the address box only.
    kRestoreAddress,
};

struct TabKey {
    TabKeyAction action;
    // kTabAt: the tab's index.
    int tab;
};

enum : unsigned { kKeyCtrl = 1, kKeyShift = 2, kKeyAlt = 4 };

// The modifiers held now, as the bits above.
unsigned HeldKeyModifiers();
// What a key press (WM_KEYDOWN, WM_SYSKEYDOWN) with exactly these modifiers
// does; null for a key that is not one of ours.
const TabKey* FindTabKey(UINT message, WPARAM key, unsigned modifiers);
