#pragma once
#include "core/ClosedTabs.h"
#include "framework/Types.h"

class CAddressEdit;
class CTabSet;
class CWnd;

// What the window's keys ask of the window.
class WindowKeysOwner {
public:
    virtual BOOL SelectTab(int index) = 0;
    // A new tab at position (-1: the end), as every tab is opened.
    virtual BOOL AddTab(const char* address, int position) = 0;
    // The NEW button's command: a blank tab in front.
    virtual void OnNew() = 0;
    // Its loop keeps the keys to itself.
    virtual BOOL IsCollectionMenuOpen() const = 0;

protected:
    ~WindowKeysOwner() = default;
};

// The main window's own keys (TabKeys.h), and the tabs the user closed, to
// open again.
class CWindowKeys {
public:
    CWindowKeys(CWnd& window, WindowKeysOwner& owner, CTabSet& tabs, CAddressEdit& address);

    // Taken before the page and the dialog manager: TRUE for a key used.
    BOOL OnTabKey(const MSG& msg);
    // Tabs the user closes one at a time are remembered to open again.
    void RememberClosedTab(int index);

private:
    // Focus to the address box, its whole text selected; restore first puts
    // the current tab's address back.
    void FocusAddress(BOOL restore);
    void ReopenClosedTab();

    CWnd& m_window;
    WindowKeysOwner& m_owner;
    CTabSet& m_tabs;
    CAddressEdit& m_edAddress;
    ClosedTabs m_closedTabs;
};
