#include "core/PopupRules.h"

namespace {
// The NWMF flags of the newer new-window event.
const unsigned kUserInited = 0x2, kFirst = 0x4, kOverrideKey = 0x8, kUserRequested = 0x80, kUserAllowed = 0x100;
}

bool IsUserAskedWindow(unsigned flags)
{
    if (flags == kNewWindowFlagsUnknown)
        return false;
    // A click starts one window; a script looping in its handler starts the
    // rest without NWMF_FIRST.
    const bool firstOfAClick = (flags & (kUserInited | kFirst)) == (kUserInited | kFirst);
    return firstOfAClick || (flags & (kUserRequested | kUserAllowed | kOverrideKey)) != 0;
}

bool PopupBudget::Take(unsigned now)
{
    int expired = 0;
    while (expired < m_count && now - m_opened[expired] >= static_cast<unsigned>(kPeriodMs))
        ++expired;
    for (int i = expired; i < m_count; ++i)
        m_opened[i - expired] = m_opened[i];
    m_count -= expired;
    if (m_count == kMax)
        return false;
    m_opened[m_count++] = now;
    return true;
}

NewWindowEvents::Step NewWindowEvents::Arrive(unsigned source, bool newer)
{
    m_bNewerSeen = m_bNewerSeen || newer;
    if (m_bPending && m_pendingSource == source && m_bPendingNewer != newer) {
        m_bPending = false;
        m_followed = m_pendingOpened;
        return kFollow;
    }
    if (!newer && m_bNewerSeen) {
        m_bLeft = true;
        m_leftSource = source;
        return kLeave;
    }
    // A newer event whose older half was left has no other half to come.
    m_bPending = !(newer && m_bLeft && m_leftSource == source);
    m_bLeft = false;
    m_pendingSource = source;
    m_bPendingNewer = newer;
    m_pendingOpened = 0;
    return kDecide;
}
