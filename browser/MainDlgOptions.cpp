// The options sheet: the settings that have no menu command of their own,
// edited on a copy and put in force on OK.
#include "browser/MainDlg.h"
#include "options/PrExpirePage.h"
#include "options/PrGeneral.h"
#include "options/PrSteals.h"
#include "options/PrTab.h"

void CMainDlg::OnOptions()
{
    Settings edited = m_settings;
    CPrGeneral general;
    general.m_strBookmarkFile = CString(edited.m_strBookmarkFile);
    general.m_bUseDefaultBookmarkFile = edited.m_bUseDefaultBookmarkFile;
    general.m_nPriority = edited.m_nPriority;
    CPrExpirePage expire;
    expire.m_strExpirePageFile = CString(edited.m_strExpirePageFile);
    expire.m_bUseDefaultExpirePageFile = edited.m_bUseDefaultExpirePageFile;
    CPrTab tab;
    tab.m_bPinnedStatic = edited.m_bPinnedStatic;
    tab.m_nTabTextLength = static_cast<UINT>(edited.m_nTabTextLength);
    CPrSteals steals;
    steals.m_nTrayIcon = edited.m_nTrayIcon;
    steals.m_bNeedClickTray = edited.m_bNeedClickTray;
    steals.m_fAutoHideTime = edited.AutoHideMinutes();
    steals.m_bEnableAutoHide = edited.m_bEnableAutoHide;

    CPropertySheet sheet("詳細設定", this);
    sheet.AddPage(&general);
    sheet.AddPage(&tab);
    sheet.AddPage(&steals);
    sheet.AddPage(&expire);
    if (sheet.DoModal() != IDOK)
        return;

    edited.m_strBookmarkFile = general.m_strBookmarkFile.str();
    edited.m_bUseDefaultBookmarkFile = general.m_bUseDefaultBookmarkFile;
    edited.m_nPriority = general.m_nPriority;
    edited.m_strExpirePageFile = expire.m_strExpirePageFile.str();
    edited.m_bUseDefaultExpirePageFile = expire.m_bUseDefaultExpirePageFile;
    edited.m_nTrayIcon = steals.m_nTrayIcon;
    edited.SetAutoHideMinutes(steals.m_fAutoHideTime);
    edited.m_bEnableAutoHide = steals.m_bEnableAutoHide;
    edited.m_bNeedClickTray = steals.m_bNeedClickTray;
    edited.m_bPinnedStatic = tab.m_bPinnedStatic;
    edited.m_nTabTextLength = static_cast<int>(tab.m_nTabTextLength);
    ApplyOptions(edited);
}

void CMainDlg::ApplyOptions(const Settings& edited)
{
    const CString bookmarkFile = GetBookmarkFile(), expireFile = GetExpireFile();
    // The idle time and both files are derived from the settings when used,
    // so they are in force from here on.
    m_settings = edited;
    // A list read from another file than the one now named would show one
    // collection in the menu while the organizer works on another.
    if (GetBookmarkFile() != bookmarkFile)
        RebuildCollectionMenu();
    ApplyPriority(m_settings.m_nPriority);
    if (GetExpireFile() != expireFile)
        ReloadExpireList();
    ModifyTrayIcon();
    m_tabCtrl.SetLayout(m_tabCtrl.GetOrientation(), m_settings.m_bMultiLineTab != 0);
    RefreshTabCaptions();
    SaveSettings();
}

void CMainDlg::ReloadExpireList()
{
    if (m_pExpireList)
        m_pExpireList->LoadFile(GetExpireFile().str(), kDefaultExpireTitle);
}
