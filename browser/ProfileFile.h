#pragma once
#include "framework/CmdTarget.h"

class CBrowserTabCtrl;
class CTabSet;
class CWnd;
class IniDocument;
class Profile;
struct Settings;

// The INI file, written whole in one step: on request, a short while after
// the last change, at close and when the session ends. A killed program
// loses at most the last changes of that short while. The parts the window
// owns are written in their place and the rest stays as it was. A failure
// is shown once until a write succeeds; quiet shows nothing. The window
// hands it the messages that move the window or end the session.
class CProfileFile : public CCmdTarget {
public:
    enum Part : UINT { kSettingsPart = 1, kTabSetPart = 2 };

    // window: the timer's and the placement's; the others are what is written.
    CProfileFile(CWnd& window, Settings& settings, const CBrowserTabCtrl& tabCtrl, const CTabSet& tabs);

    void WriteProfileFile(UINT parts, BOOL quiet);
    // The settings, and the tab set when it is kept at exit.
    UINT PartsDue() const;
    // A change to keep: (re)starts the short wait after which the file is
    // written. From StartNotingChanges (the end of start-up) until the
    // window closes.
    void StartNotingChanges() { m_bTrackChanges = TRUE; }
    void NoteChange();
    void StopNotingChanges();
    // The window's WM_TIMER; FALSE for a timer that is not this one's.
    BOOL OnSaveTimer(UINT_PTR id);

protected:
    // The placement is kept: WM_MOVE is noted, then handled as usual.
    void OnMove() { NoteChange(); }
    // The session may end: what is due is written when it does.
    LRESULT OnQueryEndSession(WPARAM, LPARAM) { return TRUE; }

    DECLARE_MESSAGE_MAP()

    void StoreSettings(Profile& profile);
    void StoreDefaultTabs(IniDocument& doc) const;

    CWnd& m_window;
    Settings& m_settings;
    const CBrowserTabCtrl& m_tabCtrl;
    const CTabSet& m_tabs;
    BOOL m_bTrackChanges = FALSE;
    BOOL m_bWriteFailShown = FALSE;
};
