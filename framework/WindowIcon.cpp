#include "framework/WindowIcon.h"

BEGIN_MESSAGE_MAP(CWindowIcon, CCmdTarget)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
END_MESSAGE_MAP()

void CWindowIcon::Attach()
{
    m_window.SetIcon(m_hIcon, TRUE);
    m_window.SetIcon(m_hIcon, FALSE);
}

void CWindowIcon::OnPaint()
{
    // Painting as the window's own procedure would, with the icon on top
    // while the window is minimised.
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_window.m_hWnd, &ps);
    if (::IsIconic(m_window.m_hWnd)) {
        m_window.SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        CRect client;
        m_window.GetClientRect(&client);
        const int cx = ::GetSystemMetrics(SM_CXICON), cy = ::GetSystemMetrics(SM_CYICON);
        ::DrawIcon(dc, (client.Width() - cx + 1) / 2, (client.Height() - cy + 1) / 2, m_hIcon);
    }
    ::EndPaint(m_window.m_hWnd, &ps);
}
