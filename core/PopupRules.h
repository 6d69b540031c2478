#pragma once

// Which new windows a page may open as tabs. The control's newer
// new-window event reports with its flags whether the user asked for the
// window; its older one says nothing of it.
const unsigned kNewWindowFlagsUnknown = ~0u;

// True for a window the user asked for: a click on a link or a button that
// opens one (the first window of that click), a shift-click or "open in new
// window", a window the user let through, or one opened with the override
// key held.
bool IsUserAskedWindow(unsigned flags);

// The pop-up tabs one tab may open by itself: kMax within kPeriodMs, the
// period counted from the oldest of them. Further ones are refused until it
// has passed; a refused one does not count.
class PopupBudget {
public:
    enum { kMax = 3, kPeriodMs = 10000 };

    // A pop-up at now, a millisecond tick that may wrap: true, and counted,
    // when it may open.
    bool Take(unsigned now);

private:
    unsigned m_opened[kMax] = {};  // ticks, oldest first
    int m_count = 0;
};

// The control may report one new-window request by both its events, the
// older without flags and the newer with them, in either order, or by one
// of them alone. Each request is decided once: the newer event decides, and
// once a control has shown it sends the newer event, its older one waits for
// it; the other event of a pair does what the first decided.
class NewWindowEvents {
public:
    enum Step { kDecide, kFollow, kLeave };

    // An event of a request from the tab with serial source; newer: the
    // event with flags.
    Step Arrive(unsigned source, bool newer);
    // After kDecide: the serial of the tab opened for it, 0 when refused.
    void Decided(unsigned opened) { m_pendingOpened = opened; }
    // After kFollow: what the first event of the pair decided.
    unsigned Followed() const { return m_followed; }

private:
    bool m_bNewerSeen = false;
    // The first event of a pair, decided, waiting for the other.
    bool m_bPending = false;
    unsigned m_pendingSource = 0;
    bool m_bPendingNewer = false;
    unsigned m_pendingOpened = 0;
    // An older event left to the newer one that is to follow.
    bool m_bLeft = false;
    unsigned m_leftSource = 0;
    unsigned m_followed = 0;
};
