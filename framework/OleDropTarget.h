#pragma once
#include "framework/Wnd.h"
#include <ole2.h>

typedef DWORD DROPEFFECT;

// The data offered in one drag, borrowed from OLE for the length of a call.
class COleDataObject {
public:
    explicit COleDataObject(IDataObject* data) : m_lpDataObject(data) {}

    // Both ask for the format in global memory, the one medium read here.
    BOOL IsDataAvailable(CLIPFORMAT format) const;
    // On success the caller owns the medium and frees it with ReleaseStgMedium.
    BOOL GetData(CLIPFORMAT format, STGMEDIUM* medium) const;

private:
    IDataObject* m_lpDataObject;
};

// Makes a window an OLE drop target. The COM object OLE talks to is a small
// separate object owned by reference count; it forwards to the virtual
// operations below while the target is registered and answers "no drop"
// once Revoke has cut it loose, should OLE still hold it.
class COleDropTarget {
public:
    COleDropTarget() = default;
    virtual ~COleDropTarget();
    COleDropTarget(const COleDropTarget&) = delete;
    COleDropTarget& operator=(const COleDropTarget&) = delete;

    BOOL Register(CWnd* wnd);
    void Revoke();

    // Points are in the client coordinates of the registered window. The
    // scroll check runs before every drag-over; when it answers anything
    // but DROPEFFECT_NONE, that answer stands and OnDragOver is not asked.
    virtual DROPEFFECT OnDragEnter(CWnd* wnd, COleDataObject* data, DWORD keyState, CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd* wnd, COleDataObject* data, DWORD keyState, CPoint point);
    virtual BOOL OnDrop(CWnd* wnd, COleDataObject* data, DROPEFFECT dropEffect, CPoint point);
    // (DROPEFFECT)-1 hands the drop on to OnDrop.
    virtual DROPEFFECT OnDropEx(CWnd* wnd, COleDataObject* data, DROPEFFECT dropDefault,
                                DROPEFFECT dropList, CPoint point);
    virtual void OnDragLeave(CWnd* wnd);
    virtual DROPEFFECT OnDragScroll(CWnd* wnd, DWORD keyState, CPoint point);

private:
    class Site;
    IDropTarget* GetInterface() const;

    Site* m_pSite = nullptr;
    friend struct OleDropTargetProbe;
};
