#include "options/PrSteals.h"
#include "framework/DataExchange.h"

BEGIN_MESSAGE_MAP(CPrSteals, CPropertyPage)
    ON_WM_HSCROLL()
END_MESSAGE_MAP()

CPrSteals::CPrSteals() : CPropertyPage(IDD)
{
    for (int i = 0; i < kIconCount; ++i)
        m_hIcons[i] = static_cast<HICON>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_TRAY0 + i),
                                                      IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
}

CPrSteals::~CPrSteals()
{
    // The preview may still show one of them: the window goes first.
    DestroyWindow();
    for (HICON icon : m_hIcons)
        if (icon)
            ::DestroyIcon(icon);
}

BOOL CPrSteals::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_sliderTrayIcon.SetRange(0, kIconCount - 1, FALSE);
    m_sliderTrayIcon.SetPageSize(1);
    m_sliderTrayIcon.SetPos(m_nTrayIcon);
    ShowIcon(m_nTrayIcon);
    return TRUE;
}

void CPrSteals::DoDataExchange(CDataExchange* dx)
{
    CPropertyPage::DoDataExchange(dx);
    DDX_Control(dx, IDC_STL_ICONPREVIEW, m_iconPreview);
    DDX_Control(dx, IDC_STL_TRAYICON, m_sliderTrayIcon);
    DDX_Text(dx, IDC_STL_MINUTES, m_fAutoHideTime);
    DDV_MinMaxFloat(dx, m_fAutoHideTime, 0.1f, 1440.0f);
    DDX_Check(dx, IDC_STL_AUTOHIDE, m_bEnableAutoHide);
    DDX_Check(dx, IDC_STL_NEEDCLICK, m_bNeedClickTray);
    if (dx->m_bSaveAndValidate)
        m_nTrayIcon = m_sliderTrayIcon.GetPos();
}

void CPrSteals::OnHScroll(UINT code, UINT pos, HWND scrollBar)
{
    // Only the preview follows; the choice is taken when the page is left.
    if (code <= TB_ENDTRACK)
        ShowIcon(m_sliderTrayIcon.GetPos());
    CPropertyPage::OnHScroll(code, pos, scrollBar);
}

void CPrSteals::ShowIcon(int index)
{
    if (index >= 0 && index < kIconCount)
        m_iconPreview.SetIcon(m_hIcons[index]);
}
