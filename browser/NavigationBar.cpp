#include "browser/NavigationBar.h"
#include "framework/WindowDpi.h"
#include "res/resource.h"
#include <algorithm>

namespace {
// The row as the template draws it at 96 DPI: buttons 18 pixels square,
// BACK, FORWARD, SEARCH and FUNC from the left edge at these places, the
// address box from FUNC's right edge to NEW, NEW and GO at the right edge.
// At any other DPI each of these is scaled.
const int kButtonSize = 18;
const int kLeftButtonX[] = { 0, 18, 37, 56 };
// Above and below the address box's text: its border and a pixel of air.
const int kAddressTextMargin = 2;
}

void CNavigationBar::Create(CWnd& window, CWnd& address)
{
    m_pWindow = &window;
    m_pAddress = &address;
    m_btnGo.AutoLoad(IDC_GO, &window);
    m_btnFunc.AutoLoad(IDC_FUNC, &window);
    m_btnSearch.AutoLoad(IDC_SEARCH, &window);
    m_btnForward.AutoLoad(IDC_FORWARD, &window);
    m_btnBack.AutoLoad(IDC_BACK, &window);
    m_btnNew.AutoLoad(IDC_NEW, &window);

    m_toolTip.Create(&window, TTS_ALWAYSTIP);
    m_toolTip.Activate(TRUE);
    m_toolTip.AddTool(m_btnBack, "戻る");
    m_toolTip.AddTool(m_btnForward, "進む");
    m_toolTip.AddTool(m_btnSearch, "タブコレクション");
    m_toolTip.AddTool(m_btnFunc, "オプション");
    m_toolTip.AddTool(m_btnNew, "新しいタブで開く (Ctrl+T)");
    m_toolTip.AddTool(m_btnGo, "アドレスを開く");
    m_toolTip.AddTool(address, "アドレス (Ctrl+L)");
}

int CNavigationBar::AddressTextHeight() const
{
    HDC dc = ::GetDC(m_pAddress->m_hWnd);
    const HFONT font = m_pAddress->GetFont();
    HGDIOBJ old = ::SelectObject(dc, font ? font : ::GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW tm = {};
    ::GetTextMetricsW(dc, &tm);
    ::SelectObject(dc, old);
    ::ReleaseDC(m_pAddress->m_hWnd, dc);
    return tm.tmHeight;
}

int CNavigationBar::Layout(int width)
{
    const int dpi = static_cast<int>(AfxGetWindowDpi(m_pWindow->m_hWnd));
    const int button = ScaleForDpi(kButtonSize, dpi);
    CBitmapButton* const left[] = { &m_btnBack, &m_btnForward, &m_btnSearch, &m_btnFunc };
    for (int i = 0; i < 4; ++i)
        left[i]->MoveWindow(ScaleForDpi(kLeftButtonX[i], dpi), 0, button, button, TRUE);
    // GO keeps the right edge, NEW stands left of it, and the address box
    // fills what is left, never lower than its font needs.
    const int goLeft = width - button, newLeft = goLeft - button;
    const int addressLeft = ScaleForDpi(kLeftButtonX[3], dpi) + button;
    const int height = std::max(button, AddressTextHeight() + 2 * ScaleForDpi(kAddressTextMargin, dpi));
    m_btnGo.MoveWindow(goLeft, 0, button, button, TRUE);
    m_btnNew.MoveWindow(newLeft, 0, button, button, TRUE);
    m_pAddress->MoveWindow(addressLeft, 0, newLeft - addressLeft, height, TRUE);
    return height;
}
