#pragma once

// When changes are written: a quiet while after the last change, but never
// later than a ceiling after the first change not yet written, so that a
// window that changes all the time (a page whose address keeps changing, a
// window dragged about) is still saved every few seconds.
class WriteDelay {
public:
    WriteDelay(unsigned quietMs, unsigned ceilingMs) : m_quietMs(quietMs), m_ceilingMs(ceilingMs) {}

    // A change at now, a millisecond tick that may wrap around: how long
    // from now until the write.
    unsigned NoteChange(unsigned now);
    // Everything noted is written: the next change starts a new wait.
    void Written() { m_bPending = false; }

private:
    unsigned m_quietMs;
    unsigned m_ceilingMs;
    bool m_bPending = false;
    unsigned m_firstChange = 0;
};
