#pragma once
#include "framework/BitmapButton.h"
#include "framework/ToolTipCtrl.h"

// The row above the tab strip: the six bitmap buttons of the window's
// template with their tooltips, and the address box between them, which
// takes the width the window gives. Clicks reach the window as its own
// controls' do; it reads the buttons' places for its menus.
class CNavigationBar {
public:
    // Once the window's controls exist; address: its address box.
    void Create(CWnd& window, CWnd& address);
    // Lays the row out across width at the window's DPI; returns its height.
    int Layout(int width);
    void RelayEvent(MSG* msg) { m_toolTip.RelayEvent(msg); }

    CBitmapButton m_btnGo, m_btnFunc, m_btnSearch, m_btnForward, m_btnBack, m_btnNew;

private:
    // The address box's line of text, in its font.
    int AddressTextHeight() const;

    CWnd* m_pWindow = nullptr;
    CWnd* m_pAddress = nullptr;
    CToolTipCtrl m_toolTip;
};
