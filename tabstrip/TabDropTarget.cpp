#include "tabstrip/TabDropTarget.h"
#include "tabstrip/TabStripOwner.h"
#include <cstring>

DROPEFFECT CTabDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_COPY;
}

DROPEFFECT CTabDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_COPY;
}

BOOL CTabDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint)
{
    return FALSE;
}

DROPEFFECT CTabDropTarget::OnDropEx(CWnd*, COleDataObject* data, DROPEFFECT, DROPEFFECT, CPoint)
{
    if (!data->IsDataAvailable(CF_TEXT))
        return DROPEFFECT_NONE;
    STGMEDIUM medium;
    if (!data->GetData(CF_TEXT, &medium))
        return DROPEFFECT_COPY;
    if (medium.tymed == TYMED_HGLOBAL) {
        if (const char* text = static_cast<const char*>(::GlobalLock(medium.hGlobal))) {
            // The block may lack its terminating zero; read no further than it reaches.
            const size_t size = ::GlobalSize(medium.hGlobal);
            CString dropped(text, static_cast<int>(strnlen(text, size)));
            ::GlobalUnlock(medium.hGlobal);
            // A line break has no place in an address, and would break the
            // line of the default tab set that stores it.
            dropped.Remove('\r');
            dropped.Remove('\n');
            if (m_pOwner)
                m_pOwner->AddTab(dropped);
        }
    }
    ::ReleaseStgMedium(&medium);
    return DROPEFFECT_COPY;
}

void CTabDropTarget::OnDragLeave(CWnd*)
{
}

DROPEFFECT CTabDropTarget::OnDragScroll(CWnd*, DWORD, CPoint)
{
    return DROPEFFECT_COPY;
}
