// The "SETTING" section of the INI file: read once at start-up, written whole
// at close.
#include "browser/MainDlg.h"
#include "app/BrowserApp.h"
#include "app/SettingsRules.h"
#include "framework/WinApp.h"

static_assert(kTabStyleVertical == TCS_VERTICAL && kTabStyleBottomOrRight == TCS_BOTTOM &&
              kTabStyleBottomOrRight == TCS_RIGHT && kTabStyleMultiLine == TCS_MULTILINE,
              "the portable rules must use the tab control's own style bits");

namespace {
const char kSection[] = "SETTING";
const char kDefaultBookmarkFile[] = "Qvbookmark.htm";
const char kDefaultExpireFile[] = "Qvexpire.htm";

int ReadInt(const char* key, int defaultValue)
{
    return static_cast<int>(AfxGetApp()->GetProfileInt(kSection, key, defaultValue));
}

CString ReadString(const char* key, const char* defaultValue)
{
    return AfxGetApp()->GetProfileString(kSection, key, defaultValue);
}

void WriteInt(const char* key, int value)
{
    AfxGetApp()->WriteProfileInt(kSection, key, value);
}

void WriteString(const char* key, const char* value)
{
    AfxGetApp()->WriteProfileString(kSection, key, value);
}
}

void CMainDlg::LoadSettings()
{
    m_bSaveLastTab = ReadInt("SAVELASTTAB", 0);
    m_bStealthMode = ReadInt("STEALSMODE", 0);

    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    placement.showCmd = static_cast<UINT>(ReadInt("STATE", SW_SHOWNORMAL));
    placement.rcNormalPosition.left = ReadInt("LEFT", 0);
    placement.rcNormalPosition.top = ReadInt("TOP", 0);
    placement.rcNormalPosition.right = ReadInt("RIGHT", 0);
    placement.rcNormalPosition.bottom = ReadInt("BOTTOM", 0);

    const int orientation = ClampTabOrientation(ReadInt("TABORIENTATION", kTabSideBottom));
    m_bPinnedStatic = ReadInt("PINNEDSTATIC", 0);
    m_bMultiLineTab = ReadInt("MULTILINETAB", 0);
    const TabStyleChange styles = TabStripStyles(orientation, m_bMultiLineTab != 0);
    m_tabCtrl.ModifyStyle(styles.remove, styles.add);

    m_strBookmarkFileSetting = ReadString("BOOKMARKFILE", "");
    m_bUseDefaultBookmarkFile = ReadInt("USEDEFAULTBOOKMARKFILE", 1);
    m_strBookmarkFile = EffectiveFilePath(m_bUseDefaultBookmarkFile != 0, g_strStartDir.str(),
                                          kDefaultBookmarkFile, m_strBookmarkFileSetting.str());
    m_strExpirePageFileSetting = ReadString("EXPIREPAGEFILE", "");
    m_bUseDefaultExpirePageFile = ReadInt("USEDEFAULTEXPIREPAGEFILE", 1);
    m_strExpireFile = EffectiveFilePath(m_bUseDefaultExpirePageFile != 0, g_strStartDir.str(),
                                        kDefaultExpireFile, m_strExpirePageFileSetting.str());

    m_bExpireEnabled = ReadInt("ENABLEEXPIREPAGE", 0);
    m_nTrayIcon = ClampTrayIcon(ReadInt("TRAYICON", 0));
    m_strAutoHideTime = ReadString("AUTOHIDETIME", "10.0");
    m_bEnableAutoHide = ReadInt("ENABLEAUTOHIDE", 0);
    m_bNeedClickTray = ReadInt("NEEDCLICKTRAY", 0);
    m_nAutoHideMs = AutoHideMilliseconds(m_strAutoHideTime);
    m_nTabTextLength = ClampTabTextLength(ReadInt("TABTEXTLENGTH", 8));

    m_nPriority = ClampPriority(ReadInt("PRIORITY", 1));
    ApplyPriority(m_nPriority);

    if (m_bStealthMode)
        placement.showCmd = SW_HIDE;
    const RECT& r = placement.rcNormalPosition;
    if (!IsEmptyPlacement(PlainRect{ r.left, r.top, r.right, r.bottom }))
        ::SetWindowPlacement(m_hWnd, &placement);

    // The switch flips the flag itself, so hand it the opposite of what was read.
    m_bStealthMode = !m_bStealthMode;
    ToggleStealthMode();
}

void CMainDlg::SaveSettings()
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    ::GetWindowPlacement(m_hWnd, &placement);
    const RECT& r = placement.rcNormalPosition;

    WriteInt("SAVELASTTAB", m_bSaveLastTab);
    WriteInt("STEALSMODE", m_bStealthMode);
    WriteInt("STATE", static_cast<int>(placement.showCmd));
    WriteInt("LEFT", r.left);
    WriteInt("TOP", r.top);
    WriteInt("RIGHT", r.right);
    WriteInt("BOTTOM", r.bottom);
    WriteInt("TABORIENTATION", m_tabCtrl.GetOrientation());
    WriteString("BOOKMARKFILE", m_strBookmarkFileSetting);
    WriteInt("USEDEFAULTBOOKMARKFILE", m_bUseDefaultBookmarkFile);
    WriteString("EXPIREPAGEFILE", m_strExpirePageFileSetting);
    WriteInt("USEDEFAULTEXPIREPAGEFILE", m_bUseDefaultExpirePageFile);
    WriteInt("ENABLEEXPIREPAGE", m_bExpireEnabled);
    WriteInt("PINNEDSTATIC", m_bPinnedStatic);
    WriteInt("MULTILINETAB", m_bMultiLineTab);
    WriteInt("TRAYICON", m_nTrayIcon);
    WriteInt("TABTEXTLENGTH", m_nTabTextLength);
    WriteString("AUTOHIDETIME", m_strAutoHideTime);
    WriteInt("ENABLEAUTOHIDE", m_bEnableAutoHide);
    WriteInt("NEEDCLICKTRAY", m_bNeedClickTray);
    WriteInt("PRIORITY", m_nPriority);
}

void CMainDlg::OnSaveTabsAtExit()
{
    m_bSaveLastTab = m_bSaveLastTab ? FALSE : TRUE;
}

void CMainDlg::ToggleStealthMode()
{
    // Stealth mode has no state of its own yet (no tray icon, no timer): the
    // switch keeps the chosen mode, which the settings carry from one run to
    // the next.
    m_bStealthMode = !m_bStealthMode;
    // Off: an ordinary window. Its owner is a hidden tool window, so it has a
    // taskbar button only with WS_EX_APPWINDOW.
    if (!m_bStealthMode)
        ModifyStyleEx(WS_EX_TOOLWINDOW, WS_EX_APPWINDOW, SWP_FRAMECHANGED);
}
