// The settings: read once at start-up and applied to the window; the
// window's placement joins them whenever they are written.
#include "browser/MainDlg.h"
#include "core/SettingsRules.h"

void CMainDlg::LoadSettings()
{
    m_profileFile.ReadSettings();
    const Settings& s = m_settings;

    m_tabCtrl.SetLayout(ToTabSide(s.m_nTabOrientation), s.m_bMultiLineTab != 0);
    ApplyPriority(s.m_nPriority);

    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    placement.showCmd = s.m_bStealthMode ? SW_HIDE : static_cast<UINT>(s.m_nState);
    placement.rcNormalPosition = { s.m_nLeft, s.m_nTop, s.m_nRight, s.m_nBottom };
    // Without a saved place it opens centred: switching stealth mode off
    // below shows it before the framework would centre it.
    if (!IsEmptyPlacement(PlainRect{ s.m_nLeft, s.m_nTop, s.m_nRight, s.m_nBottom }))
        ::SetWindowPlacement(m_hWnd, &placement);
    else
        CenterOverOwner(m_hWnd);

    m_stealth.Switch(s.m_bStealthMode != 0);
}

void CMainDlg::OnSaveTabsAtExit()
{
    m_settings.m_bSaveLastTab = m_settings.m_bSaveLastTab ? FALSE : TRUE;
    m_profileFile.NoteChange();
}

void CMainDlg::ToggleStealthMode()
{
    m_stealth.Switch(!m_settings.m_bStealthMode);
    m_profileFile.NoteChange();
}
