#pragma once
#include "framework/ModalGuard.h"
#include "framework/Wnd.h"

// A popup menu kept in the resources as the first submenu of a menu: loaded
// with this object and destroyed with it, whichever way its scope is left.
class CMenuResource {
public:
    explicit CMenuResource(UINT id) : m_hMenu(::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id))) {}
    ~CMenuResource()
    {
        if (m_hMenu)
            ::DestroyMenu(m_hMenu);
    }
    CMenuResource(const CMenuResource&) = delete;
    CMenuResource& operator=(const CMenuResource&) = delete;

    // Null when the resource could not be loaded.
    HMENU Popup() const { return m_hMenu ? ::GetSubMenu(m_hMenu, 0) : nullptr; }
    // Shows the popup at a screen point for owner: what TrackPopupMenu
    // returns, 0 without a menu.
    int Track(UINT flags, int x, int y, HWND owner) const
    {
        HMENU popup = Popup();
        const CModalGuard guard;
        return popup ? ::TrackPopupMenu(popup, flags, x, y, 0, owner, nullptr) : 0;
    }

private:
    HMENU m_hMenu;
};
