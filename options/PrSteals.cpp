#include "options/PrSteals.h"
#include "framework/DataExchange.h"

BEGIN_MESSAGE_MAP(CPrSteals, COptionsPage)
    ON_WM_HSCROLL()
END_MESSAGE_MAP()

CPrSteals::CPrSteals(Settings& settings) : COptionsPage(IDD, settings)
{
    for (int value = 0; value <= SettingKeyOf(&Settings::m_nTrayIcon).range.max; ++value)
        m_hIcons.push_back(static_cast<HICON>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_TRAY0 + value),
                                                           IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)));
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
    COptionsPage::OnInitDialog();
    ShowIcon(m_settings.m_nTrayIcon);
    return TRUE;
}

void CPrSteals::DoDataExchange(CDataExchange* dx)
{
    COptionsPage::DoDataExchange(dx);
    DDX_Control(dx, IDC_STL_ICONPREVIEW, m_iconPreview);
    ExchangeSlider(dx, IDC_STL_TRAYICON, m_sliderTrayIcon, &Settings::m_nTrayIcon);
    ExchangeMinutes(dx);
    DDX_Check(dx, IDC_STL_AUTOHIDE, m_settings.m_bEnableAutoHide);
    DDX_Check(dx, IDC_STL_NEEDCLICK, m_settings.m_bNeedClickTray);
}

void CPrSteals::ExchangeMinutes(CDataExchange* dx)
{
    const SettingRange& range = SettingKeyOf(&Settings::m_strAutoHideTime).range;
    float minutes = m_settings.AutoHideMinutes();
    DDX_Text(dx, IDC_STL_MINUTES, minutes);
    DDV_MinMaxFloat(dx, minutes, static_cast<float>(range.min), static_cast<float>(range.max));
    if (dx->m_bSaveAndValidate && !dx->m_bFailed)
        m_settings.SetAutoHideMinutes(minutes);
}

void CPrSteals::OnHScroll(UINT code, UINT pos, HWND scrollBar)
{
    // Only the preview follows; the choice is taken when the page is left.
    if (code <= TB_ENDTRACK)
        ShowIcon(m_sliderTrayIcon.GetPos());
    COptionsPage::OnHScroll(code, pos, scrollBar);
}

void CPrSteals::ShowIcon(int index)
{
    if (index >= 0 && index < static_cast<int>(m_hIcons.size()))
        m_iconPreview.SetIcon(m_hIcons[index]);
}
