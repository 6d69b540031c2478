#include "core/WriteDelay.h"

unsigned WriteDelay::NoteChange(unsigned now)
{
    if (!m_bPending) {
        m_bPending = true;
        m_firstChange = now;
    }
    const unsigned waited = now - m_firstChange;
    if (waited >= m_ceilingMs)
        return 0;
    const unsigned left = m_ceilingMs - waited;
    return left < m_quietMs ? left : m_quietMs;
}
