// The window's requests to write the INI file, and the messages that write it.
#include "browser/MainDlg.h"

void CMainDlg::SaveSettings()
{
    m_profileFile.WriteProfileFile(CProfileFile::kSettingsPart, FALSE);
}

void CMainDlg::SaveDefaultTabs()
{
    m_profileFile.WriteProfileFile(CProfileFile::kDefaultTabsPart, FALSE);
}

LRESULT CMainDlg::OnEndSession(WPARAM ending, LPARAM)
{
    if (!ending)
        return 0;
    // The process may end at any moment after this returns, and nobody is
    // there to answer a message box.
    m_profileFile.StopNotingChanges();
    m_profileFile.WriteProfileFile(m_profileFile.PartsAtEnd(), TRUE);
    m_stealth.End();
    return 0;
}
