#include "framework/CmdTarget.h"

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = { { 0, 0, 0, 0, nullptr } };
    static const AFX_MSGMAP map = { nullptr, entries };
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

bool CCmdTarget::DispatchMessageMap(UINT message, UINT code, UINT id, const AFX_MSG& msg, LRESULT& result)
{
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->pfn; ++e) {
            if (e->nMessage == AFX_CHAIN_MESSAGE) {
                if (message == msg.message && e->pfn(this, msg, id, result))
                    return true;
                continue;
            }
            if (e->nMessage != message || e->nCode != code)
                continue;
            if ((message == WM_COMMAND || message == WM_NOTIFY) && (id < e->nID || id > e->nLastID))
                continue;
            if (e->pfn(this, msg, id, result))
                return true;
        }
    }
    return false;
}

bool AfxChainMessage(CCmdTarget& member, const AFX_MSG& msg, UINT id, LRESULT& result)
{
    UINT code = 0;
    if (msg.message == WM_COMMAND)
        code = HIWORD(msg.wParam);
    else if (msg.message == WM_NOTIFY)
        code = reinterpret_cast<const NMHDR*>(msg.lParam)->code;
    return member.DispatchMessageMap(msg.message, code, id, msg, result);
}

bool CCmdTarget::DispatchEvent(UINT id, DISPID dispid, DISPPARAMS* params)
{
    for (const AFX_EVENTSINKMAP* map = GetEventSinkMap(); map;
         map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_EVENTSINKMAP_ENTRY* e = map->lpEntries; e->pfn; ++e) {
            if (e->dispid != dispid || id < e->nFirstID || id > e->nLastID)
                continue;
            // An event with fewer arguments than the handler expects is not ours to decode.
            if (!params || params->cArgs < e->nArgs)
                return false;
            e->pfn(this, id, params);
            return true;
        }
    }
    return false;
}
