#include "browser/TabKeys.h"

namespace {
struct KeyRow {
    UINT message;
    WPARAM key;
    unsigned modifiers;
    TabKey command;
};

const KeyRow kKeys[] = {
    { WM_KEYDOWN, 'T', kKeyCtrl, { TabKeyAction::kNewTab, 0 } },
    { WM_KEYDOWN, 'W', kKeyCtrl, { TabKeyAction::kCloseTab, 0 } },
    { WM_KEYDOWN, VK_F4, kKeyCtrl, { TabKeyAction::kCloseTab, 0 } },
    { WM_KEYDOWN, VK_TAB, kKeyCtrl, { TabKeyAction::kNextTab, 0 } },
    { WM_KEYDOWN, VK_NEXT, kKeyCtrl, { TabKeyAction::kNextTab, 0 } },
    { WM_KEYDOWN, VK_TAB, kKeyCtrl | kKeyShift, { TabKeyAction::kPreviousTab, 0 } },
    { WM_KEYDOWN, VK_PRIOR, kKeyCtrl, { TabKeyAction::kPreviousTab, 0 } },
    { WM_KEYDOWN, '1', kKeyCtrl, { TabKeyAction::kTabAt, 0 } },
    { WM_KEYDOWN, '2', kKeyCtrl, { TabKeyAction::kTabAt, 1 } },
    { WM_KEYDOWN, '3', kKeyCtrl, { TabKeyAction::kTabAt, 2 } },
    { WM_KEYDOWN, '4', kKeyCtrl, { TabKeyAction::kTabAt, 3 } },
    { WM_KEYDOWN, '5', kKeyCtrl, { TabKeyAction::kTabAt, 4 } },
    { WM_KEYDOWN, '6', kKeyCtrl, { TabKeyAction::kTabAt, 5 } },
    { WM_KEYDOWN, '7', kKeyCtrl, { TabKeyAction::kTabAt, 6 } },
    { WM_KEYDOWN, '8', kKeyCtrl, { TabKeyAction::kTabAt, 7 } },
    { WM_KEYDOWN, '9', kKeyCtrl, { TabKeyAction::kLastTab, 0 } },
    { WM_KEYDOWN, 'L', kKeyCtrl, { TabKeyAction::kFocusAddress, 0 } },
    // Alt with a letter arrives as a system key.
    { WM_SYSKEYDOWN, 'D', kKeyAlt, { TabKeyAction::kFocusAddress, 0 } },
    { WM_KEYDOWN, VK_F6, 0, { TabKeyAction::kFocusAddress, 0 } },
    { WM_KEYDOWN, 'T', kKeyCtrl | kKeyShift, { TabKeyAction::kReopenTab, 0 } },
    { WM_KEYDOWN, VK_ESCAPE, 0, { TabKeyAction::kRestoreAddress, 0 } },
};

bool Held(int key)
{
    return (::GetKeyState(key) & 0x8000) != 0;
}
}

unsigned HeldKeyModifiers()
{
    return (Held(VK_CONTROL) ? kKeyCtrl : 0u) | (Held(VK_SHIFT) ? kKeyShift : 0u) | (Held(VK_MENU) ? kKeyAlt : 0u);
}

const TabKey* FindTabKey(UINT message, WPARAM key, unsigned modifiers)
{
    for (const KeyRow& row : kKeys)
        if (row.message == message && row.key == key && row.modifiers == modifiers)
            return &row.command;
    return nullptr;
}
