#pragma once
#include "framework/CmdTarget.h"
#include "framework/Wnd.h"
#include "stealth/StealthOwner.h"
#include "core/Settings.h"
#include "res/resource.h"
#include <shellapi.h>
#include <vector>

// Stealth mode of the main window: no taskbar button, topmost, hidden most of
// the time, with a notification-area icon that calls it back under the
// cursor. A timer hides it again when the pointer strays beyond the margin or
// the user has been idle too long. The main window owns one and hands it its
// messages through its map: the tray icon's, the mouse over its bare client
// area and its own timer. The options are read from its settings at each
// use, so a changed setting takes effect at once.
class CStealthMode : public CCmdTarget {
public:
    // The system calls that stealth mode depends on; tests put their own.
    struct SystemCalls {
        DWORD(WINAPI* getTickCount)();
        BOOL(WINAPI* getCursorPos)(POINT*);
        BOOL(WINAPI* shellNotifyIcon)(DWORD, NOTIFYICONDATAA*);
    };
    enum { kTimerId = IDT_STEALTH, kTimerPeriodMs = 100, kTrayIconId = 1 };

    // window: the main window, which need not exist yet.
    CStealthMode(CWnd& window, StealthOwner& owner, Settings& settings);
    ~CStealthMode() override;
    CStealthMode(const CStealthMode&) = delete;
    CStealthMode& operator=(const CStealthMode&) = delete;

    // Puts stealth mode on or off and records it in the settings.
    void Switch(bool on);

    void AddTrayIcon();
    // Shows the icon now chosen; without an icon (mode off) it fails quietly.
    void ModifyTrayIcon();
    void DeleteTrayIcon();
    // Closing or destroying the window, in whatever state: no icon, no timer.
    void End();

    // The window's own client area saw the mouse.
    void NoteActivity();
    // SC_MINIMIZE and SIZE_MINIMIZED: true when stealth mode hid the window
    // instead.
    bool HideInsteadOfMinimize();

    // The registered message by which the shell announces its notification area.
    static UINT TaskbarCreatedMessage();

protected:
    // Its own timer; any other goes on.
    void OnTimer(UINT_PTR id);
    // WM_APP_TRAYICON: lParam is the mouse message on the icon.
    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
    // The shell's notification area was re-created with none of its icons.
    LRESULT OnTaskbarCreated(WPARAM wParam, LPARAM lParam);

private:
    friend struct StealthModeProbe;

    void SwitchOn();
    void SwitchOff();
    bool IsOn() const { return m_settings.m_bStealthMode != 0; }
    void FillRecord(NOTIFYICONDATAA* record, UINT flags) const;
    void ShowAtCursor(POINT cursor);
    void ShowTrayMenu(POINT cursor);
    void Hide();
    // Disabled by a modal window, or a menu open.
    bool IsBusy() const;

    CWnd& m_window;
    StealthOwner& m_owner;
    Settings& m_settings;
    SystemCalls m_calls;
    std::vector<HICON> m_hTrayIcons;  // one for each value of the tray-icon setting
    UINT_PTR m_nTimerId = 0;
    DWORD m_dwLastActivity = 0;
    BOOL m_bTrayMenuOpen = FALSE;
    BOOL m_bWasBusy = FALSE;

    DECLARE_MESSAGE_MAP()
};
