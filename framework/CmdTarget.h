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

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
    static const AFX_EVENTSINKMAP* GetThisEventSinkMap() { return nullptr; }
    virtual const AFX_EVENTSINKMAP* GetEventSinkMap() const { return nullptr; }
};
