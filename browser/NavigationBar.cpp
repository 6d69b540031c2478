#include "browser/NavigationBar.h"
#include "res/resource.h"

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

int CNavigationBar::Layout(int width)
{
    // GO keeps the right edge, NEW stands left of it, and the address box
    // fills what is left after the buttons on the left.
    CRect go, nw;
    m_btnGo.GetWindowRect(&go);
    m_btnNew.GetWindowRect(&nw);
    const CRect func = m_pWindow->ChildRect(m_btnFunc), edit = m_pWindow->ChildRect(*m_pAddress);
    const int goLeft = width - go.Width();
    const int newLeft = goLeft - nw.Width();
    m_btnGo.SetWindowPos(nullptr, goLeft, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    m_btnNew.MoveWindow(newLeft, 0, nw.Width(), nw.Height(), TRUE);
    m_pAddress->MoveWindow(edit.left, edit.top, newLeft - func.right, nw.Height(), TRUE);
    return nw.Height();
}
