#include "browser/ProfileFile.h"
#include "browser/TabSet.h"
#include "core/FileReplace.h"
#include "core/IniDocument.h"
#include "core/Settings.h"
#include "framework/WinApp.h"
#include "stealth/StealthMode.h"
#include "tabstrip/BrowserTabCtrl.h"
#include <cerrno>

namespace {
const UINT_PTR kSaveTimerId = CStealthMode::kTimerId + 1;
const UINT kSaveDelayMs = 2000;
}

BEGIN_MESSAGE_MAP(CProfileFile, CCmdTarget)
    ON_MESSAGE_NOTED(WM_MOVE, OnMove)
    ON_MESSAGE(WM_QUERYENDSESSION, OnQueryEndSession)
END_MESSAGE_MAP()

CProfileFile::CProfileFile(CWnd& window, Settings& settings, const CBrowserTabCtrl& tabCtrl, const CTabSet& tabs)
    : m_window(window), m_settings(settings), m_tabCtrl(tabCtrl), m_tabs(tabs)
{
}

void CProfileFile::NoteChange()
{
    if (m_bTrackChanges)
        ::SetTimer(m_window.m_hWnd, kSaveTimerId, kSaveDelayMs, nullptr);
}

BOOL CProfileFile::OnSaveTimer(UINT_PTR id)
{
    if (id != kSaveTimerId)
        return FALSE;
    ::KillTimer(m_window.m_hWnd, kSaveTimerId);
    WriteProfileFile(PartsDue(), FALSE);
    return TRUE;
}

void CProfileFile::StopNotingChanges()
{
    m_bTrackChanges = FALSE;
    ::KillTimer(m_window.m_hWnd, kSaveTimerId);
}

UINT CProfileFile::PartsDue() const
{
    return kSettingsPart | (m_settings.m_bSaveLastTab ? kTabSetPart : 0u);
}

void CProfileFile::WriteProfileFile(UINT parts, BOOL quiet)
{
    const std::string path = AfxGetApp()->m_pszProfileName ? AfxGetApp()->m_pszProfileName : "";
    std::string old;
    IniDocument doc;
    // A file that is there but cannot be read would lose what the program
    // does not own, so it is not replaced.
    errno = 0;
    bool ok = (ReadWholeFile(path, old) || errno == ENOENT) && doc.Parse(old);
    if (ok) {
        if (parts & kSettingsPart)
            StoreSettings(doc);
        if (parts & kTabSetPart)
            StoreDefaultTabs(doc);
        const std::string text = doc.Serialize();
        ok = text == old || ReplaceFileContent(path, text);
    }
    if (ok) {
        m_bWriteFailShown = FALSE;
    } else if (!quiet && !m_bWriteFailShown) {
        // Set first: changes made while the box is up write, and fail, again.
        m_bWriteFailShown = TRUE;
        AfxMessageBox((path + kCannotWriteSuffix).c_str(), MB_ICONSTOP);
    }
}

void CProfileFile::StoreSettings(Profile& profile)
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    ::GetWindowPlacement(m_window.m_hWnd, &placement);
    const RECT& r = placement.rcNormalPosition;
    m_settings.m_nState = static_cast<int>(placement.showCmd);
    m_settings.m_nLeft = r.left;
    m_settings.m_nTop = r.top;
    m_settings.m_nRight = r.right;
    m_settings.m_nBottom = r.bottom;
    m_settings.m_nTabOrientation = m_tabCtrl.GetOrientation();
    m_settings.Save(profile);
}
