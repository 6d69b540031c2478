// The options sheet: the settings that have no menu command of their own,
// edited on a copy and put in force on OK.
#include "browser/MainDlg.h"
#include "options/PrExpirePage.h"
#include "options/PrGeneral.h"
#include "options/PrSteals.h"
#include "options/PrTab.h"

namespace {
// True when the sheet ended with OK, edited then holding what it showed.
bool EditOptions(CWnd* owner, Settings& edited)
{
    CPrGeneral general(edited);
    CPrTab tab(edited);
    CPrSteals steals(edited);
    CPrExpirePage expire(edited);
    CPropertySheet sheet("詳細設定", owner);
    sheet.AddPage(&general);
    sheet.AddPage(&tab);
    sheet.AddPage(&steals);
    sheet.AddPage(&expire);
    if (sheet.DoModal() != IDOK)
        return false;
    // OK stores the idle time as the sheet shows it, in minutes with two
    // decimals, even when its page was never shown.
    edited.SetAutoHideMinutes(edited.AutoHideMinutes());
    return true;
}
}

void CMainDlg::OnOptions()
{
    Settings edited = m_settings;
    if (!EditOptions(this, edited))
        return;
    const CString bookmarkFile = m_collectionPopup.GetFile(), expireFile = m_expireList.GetFile();
    // The idle time and both files are derived from the settings when used,
    // so they are in force from here on.
    m_settings = edited;
    // A list read from another file than the one now named would show one
    // collection in the menu while the organizer works on another.
    if (m_collectionPopup.GetFile() != bookmarkFile)
        m_collectionPopup.RebuildCollectionMenu();
    ApplyPriority(m_settings.m_nPriority);
    if (m_expireList.GetFile() != expireFile)
        m_expireList.Reload();
    m_stealth.ModifyTrayIcon();
    m_tabCtrl.SetLayout(m_tabCtrl.GetOrientation(), m_settings.m_bMultiLineTab != 0);
    RefreshTabCaptions();
    SaveSettings();
}
