#pragma once
#include "framework/MessageMap.h"
#include "framework/EventSinkMap.h"

// Base of everything that has a message map.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Looks the message up in this object's map chain and runs the handler.
    bool DispatchMessageMap(UINT message, UINT code, UINT id, const AFX_MSG& msg, LRESULT& result);

    // Runs the handler bound to this event of control id; false when none is.
    bool DispatchEvent(UINT id, DISPID dispid, DISPPARAMS* params);

    // A handler that finds the message is not its own (another part's
    // timer, an item it does not draw) calls SetMsgHandled(FALSE): the
    // message goes on down the map as if the entry had not matched.
    void SetMsgHandled(BOOL handled) { m_bMsgHandled = handled; }
    // Around one handler's call: it counts as handled unless it says not.
    class HandledScope {
    public:
        explicit HandledScope(CCmdTarget& target) : m_target(target), m_bSaved(target.m_bMsgHandled)
        {
            target.m_bMsgHandled = TRUE;
        }
        ~HandledScope() { m_target.m_bMsgHandled = m_bSaved; }
        HandledScope(const HandledScope&) = delete;
        HandledScope& operator=(const HandledScope&) = delete;
        bool Handled() const { return m_target.m_bMsgHandled != FALSE; }

    private:
        CCmdTarget& m_target;
        BOOL m_bSaved;
    };

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
    static const AFX_EVENTSINKMAP* GetThisEventSinkMap() { return nullptr; }
    virtual const AFX_EVENTSINKMAP* GetEventSinkMap() const { return nullptr; }

private:
    BOOL m_bMsgHandled = TRUE;
};
