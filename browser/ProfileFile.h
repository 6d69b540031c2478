#pragma once
#include "core/ChangeNote.h"
#include "core/SavedTabs.h"
#include "core/WriteDelay.h"
#include "framework/CmdTarget.h"
#include <string>

class CBrowserTabCtrl;
class CTabSet;
class CWnd;
class IniDocument;
struct Settings;

// The INI file, read and written through one document from one path. It is
// read at start-up and when the default tab set opens, and written whole in
// one step: on request, a short while after changes, at close and when the
// session ends. The parts the window owns are written in their place and
// the rest stays as it was. A failure is shown once until a write succeeds;
// quiet shows nothing. The window hands it the messages that move the
// window or end the session.
class CProfileFile : public CCmdTarget, public ChangeNote {
public:
    enum Part : UINT {
        kSettingsPart = 1,     // "SETTING", with the window's place
        kDefaultTabsPart = 2,  // the open tabs become the default tab set
        // The open tabs as the session, while tabs are kept at exit; no
        // session otherwise.
        kSessionPart = 4,
        kEndPart = 8,          // the run ends properly: no session is left
    };

    // window: the timer's and the placement's; path: the INI file; the
    // others are what is read and written.
    CProfileFile(CWnd& window, const std::string& path, Settings& settings, const CBrowserTabCtrl& tabCtrl,
                 const CTabSet& tabs);

    // The settings; what the file lacks takes its default.
    void ReadSettings();
    // The default tab set.
    SavedTabSet ReadDefaultTabs();
    // What start-up opens: the session a run left behind that did not end
    // properly, while tabs are kept at exit; else the default tab set.
    SavedTabSet ReadStartTabs();

    void WriteProfileFile(UINT parts, BOOL quiet);
    // What a short while after changes writes, and what the end of the run.
    UINT PartsWhileRunning() const { return kSettingsPart | kSessionPart; }
    UINT PartsAtEnd() const;
    // A change to keep: (re)starts the wait after which the file is written.
    // From StartNotingChanges (the end of start-up) until the window closes.
    void StartNotingChanges() { m_bTrackChanges = TRUE; }
    void NoteChange() override;
    void StopNotingChanges();
protected:
    // Its own timer writes what is due; any other goes on.
    void OnTimer(UINT_PTR id);
    // The placement is kept: WM_MOVE is noted, then handled as usual.
    void OnMove() { NoteChange(); }
    // The session may end: what is due is written when it does.
    LRESULT OnQueryEndSession(WPARAM, LPARAM) { return TRUE; }

    DECLARE_MESSAGE_MAP()

private:
    enum Reading { kRead, kUnreadable, kUtf16 };
    // The file as it is now, also as its text; a missing file reads empty.
    // A file in UTF-16 is told once, unless quiet.
    Reading Read(IniDocument& doc, std::string& text, BOOL quiet);
    void StoreSettings(IniDocument& doc);
    std::vector<SavedTab> OpenTabs() const;

    CWnd& m_window;
    const std::string m_strPath;
    Settings& m_settings;
    const CBrowserTabCtrl& m_tabCtrl;
    const CTabSet& m_tabs;
    WriteDelay m_delay;
    BOOL m_bTrackChanges = FALSE;
    BOOL m_bWriteFailShown = FALSE;
    BOOL m_bUtf16Shown = FALSE;
};
