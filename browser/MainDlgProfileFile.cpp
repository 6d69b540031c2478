// The INI file, written whole in one step: on request, a short while after
// the last change, at close and when the session ends. A killed program
// loses at most the last changes of that short while.
#include "browser/MainDlg.h"
#include "core/FileReplace.h"
#include "core/IniDocument.h"
#include "framework/WinApp.h"
#include <cerrno>

namespace {
const UINT_PTR kSaveTimerId = CStealthMode::kTimerId + 1;
const UINT kSaveDelayMs = 2000;
}

void CMainDlg::NoteChange()
{
    if (m_bTrackChanges)
        ::SetTimer(m_hWnd, kSaveTimerId, kSaveDelayMs, nullptr);
}

BOOL CMainDlg::OnSaveTimer(UINT_PTR id)
{
    if (id != kSaveTimerId)
        return FALSE;
    ::KillTimer(m_hWnd, kSaveTimerId);
    WriteProfileFile(PartsDue(), FALSE);
    return TRUE;
}

void CMainDlg::StopNotingChanges()
{
    m_bTrackChanges = FALSE;
    ::KillTimer(m_hWnd, kSaveTimerId);
}

UINT CMainDlg::PartsDue() const
{
    return kSettingsPart | (m_settings.m_bSaveLastTab ? kTabSetPart : 0u);
}

void CMainDlg::WriteProfileFile(UINT parts, BOOL quiet)
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

void CMainDlg::SaveSettings()
{
    WriteProfileFile(kSettingsPart, FALSE);
}

void CMainDlg::SaveDefaultTabs()
{
    WriteProfileFile(kTabSetPart, FALSE);
}

LRESULT CMainDlg::OnQueryEndSession(WPARAM, LPARAM)
{
    return TRUE;
}

LRESULT CMainDlg::OnEndSession(WPARAM ending, LPARAM)
{
    if (!ending)
        return 0;
    // The process may end at any moment after this returns, and nobody is
    // there to answer a message box.
    StopNotingChanges();
    WriteProfileFile(PartsDue(), TRUE);
    m_stealth.End();
    return 0;
}

LRESULT CMainDlg::OnMove(WPARAM, LPARAM)
{
    NoteChange();
    return Default();
}
