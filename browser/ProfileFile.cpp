#include "browser/ProfileFile.h"
#include "browser/TabSet.h"
#include "core/FileReplace.h"
#include "core/IniDocument.h"
#include "core/Settings.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "tabstrip/BrowserTabCtrl.h"
#include <cerrno>

namespace {
// Two seconds after the last change, five at most after the first one that
// is not written yet.
const unsigned kQuietMs = 2000;
const unsigned kCeilingMs = 5000;
}

BEGIN_MESSAGE_MAP(CProfileFile, CCmdTarget)
    ON_WM_TIMER()
    ON_MESSAGE_NOTED(WM_MOVE, OnMove)
    ON_MESSAGE(WM_QUERYENDSESSION, OnQueryEndSession)
END_MESSAGE_MAP()

CProfileFile::CProfileFile(CWnd& window, const std::string& path, Settings& settings,
                           const CBrowserTabCtrl& tabCtrl, const CTabSet& tabs)
    : m_window(window), m_strPath(path), m_settings(settings), m_tabCtrl(tabCtrl), m_tabs(tabs),
      m_delay(kQuietMs, kCeilingMs)
{
}

CProfileFile::Reading CProfileFile::Read(IniDocument& doc, std::string& text, BOOL quiet)
{
    errno = 0;
    if (!ReadWholeFile(m_strPath, text)) {
        text.clear();
        if (errno != ENOENT)
            return kUnreadable;
    }
    if (doc.Parse(text))
        return kRead;
    if (!quiet && !m_bUtf16Shown) {
        m_bUtf16Shown = TRUE;
        AfxMessageBox((m_strPath + kUtf16FileSuffix).c_str(), MB_ICONSTOP);
    }
    return kUtf16;
}

void CProfileFile::ReadSettings()
{
    IniDocument doc;
    std::string text;
    Read(doc, text, FALSE);
    m_settings.Load(doc);
}

SavedTabSet CProfileFile::ReadDefaultTabs()
{
    IniDocument doc;
    std::string text;
    Read(doc, text, FALSE);
    return ReadTabSet(doc, kDefaultTabsSection, CTabSet::kMaxTabs);
}

SavedTabSet CProfileFile::ReadStartTabs()
{
    IniDocument doc;
    std::string text;
    Read(doc, text, FALSE);
    const bool leftBehind = m_settings.m_bSaveLastTab && doc.Find(kSessionSection, "COUNT");
    return ReadTabSet(doc, leftBehind ? kSessionSection : kDefaultTabsSection, CTabSet::kMaxTabs);
}

void CProfileFile::NoteChange()
{
    if (m_bTrackChanges)
        ::SetTimer(m_window.m_hWnd, IDT_PROFILE_SAVE, m_delay.NoteChange(::GetTickCount()), nullptr);
}

void CProfileFile::OnTimer(UINT_PTR id)
{
    if (id != IDT_PROFILE_SAVE) {
        SetMsgHandled(FALSE);
        return;
    }
    ::KillTimer(m_window.m_hWnd, IDT_PROFILE_SAVE);
    m_delay.Written();
    WriteProfileFile(PartsWhileRunning(), FALSE);
}

void CProfileFile::StopNotingChanges()
{
    m_bTrackChanges = FALSE;
    ::KillTimer(m_window.m_hWnd, IDT_PROFILE_SAVE);
    m_delay.Written();
}

UINT CProfileFile::PartsAtEnd() const
{
    return kSettingsPart | kEndPart | (m_settings.m_bSaveLastTab ? kDefaultTabsPart : 0u);
}

void CProfileFile::WriteProfileFile(UINT parts, BOOL quiet)
{
    std::string old;
    IniDocument doc;
    // A file that is there but cannot be read would lose what the program
    // does not own, so it is not replaced; a UTF-16 one has been told of.
    const Reading reading = Read(doc, old, quiet);
    if (reading == kUtf16)
        return;
    bool ok = reading == kRead;
    if (ok) {
        if (parts & kSettingsPart)
            StoreSettings(doc);
        if (parts & kDefaultTabsPart)
            WriteTabSet(doc, kDefaultTabsSection, OpenTabs(), CTabSet::kMaxTabs);
        if ((parts & kSessionPart) && m_settings.m_bSaveLastTab)
            WriteTabSet(doc, kSessionSection, OpenTabs(), CTabSet::kMaxTabs);
        else if (parts & (kSessionPart | kEndPart))
            doc.RemoveSection(kSessionSection);
        const std::string text = doc.Serialize();
        ok = text == old || ReplaceFileContent(m_strPath, text);
    }
    if (ok) {
        m_bWriteFailShown = FALSE;
    } else if (!quiet && !m_bWriteFailShown) {
        // Set first: changes made while the box is up write, and fail, again.
        m_bWriteFailShown = TRUE;
        AfxMessageBox((m_strPath + kCannotWriteSuffix).c_str(), MB_ICONSTOP);
    }
}

void CProfileFile::StoreSettings(IniDocument& doc)
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
    m_settings.Save(doc);
}

// Every tab, pinned or not, in strip order.
std::vector<SavedTab> CProfileFile::OpenTabs() const
{
    std::vector<SavedTab> tabs;
    for (int i = 0; i < m_tabs.GetCount(); ++i)
        tabs.push_back({ m_tabs.Get(i)->GetTabLocation().str(), m_tabs.Get(i)->GetPinned() != FALSE });
    return tabs;
}
