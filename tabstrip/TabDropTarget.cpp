#include "tabstrip/TabDropTarget.h"
#include "tabstrip/TabStripOwner.h"
#include "core/Cp932.h"
#include <cstring>
#include <cwchar>
#include <string>

namespace {
// ".url" cannot hide inside a double-byte character: '.' is never a trail byte.
bool IsInternetShortcut(const std::string& path)
{
    return path.size() >= 4 && _stricmp(path.c_str() + path.size() - 4, ".url") == 0;
}

// The shortcut's address, however long: the profile read cuts silently.
std::string ShortcutAddress(const std::string& path)
{
    for (DWORD size = 512;; size *= 2) {
        std::string url(size, '\0');
        const DWORD got = ::GetPrivateProfileStringA("InternetShortcut", "URL", "", &url[0], size, path.c_str());
        if (got < size - 1 || size >= (1u << 20)) {
            url.resize(got);
            return url;
        }
    }
}
}

void CTabDropTarget::OpenShortcuts(HDROP drop, TabStripOwner* owner)
{
    const UINT count = ::DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = ::DragQueryFileA(drop, i, nullptr, 0);
        std::string path(length + 1, '\0');
        path.resize(::DragQueryFileA(drop, i, &path[0], length + 1));
        if (IsInternetShortcut(path) && owner)
            owner->AddTab(ShortcutAddress(path).c_str());
    }
}

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

bool CTabDropTarget::DroppedText(COleDataObject* data, CLIPFORMAT format, CString& text)
{
    STGMEDIUM medium;
    if (!data->GetData(format, &medium))
        return false;
    bool read = false;
    if (medium.tymed == TYMED_HGLOBAL) {
        if (const void* block = ::GlobalLock(medium.hGlobal)) {
            // The block may lack its terminating zero; read no further than it reaches.
            const size_t size = ::GlobalSize(medium.hGlobal);
            if (format == CF_UNICODETEXT) {
                const wchar_t* wide = static_cast<const wchar_t*>(block);
                const std::wstring bounded(wide, wcsnlen(wide, size / sizeof(wchar_t)));
                text = CString(AddressFromWide(bounded.c_str()));
            } else {
                const char* narrow = static_cast<const char*>(block);
                text = CString(narrow, static_cast<int>(strnlen(narrow, size)));
            }
            ::GlobalUnlock(medium.hGlobal);
            read = true;
        }
    }
    ::ReleaseStgMedium(&medium);
    return read;
}

DROPEFFECT CTabDropTarget::OnDropEx(CWnd*, COleDataObject* data, DROPEFFECT, DROPEFFECT, CPoint)
{
    STGMEDIUM medium;
    if (data->GetData(CF_HDROP, &medium)) {
        if (medium.tymed == TYMED_HGLOBAL)
            OpenShortcuts(static_cast<HDROP>(medium.hGlobal), m_pOwner);
        ::ReleaseStgMedium(&medium);
        return DROPEFFECT_COPY;
    }
    const CLIPFORMAT format = data->IsDataAvailable(CF_UNICODETEXT) ? CF_UNICODETEXT : CF_TEXT;
    if (!data->IsDataAvailable(format))
        return DROPEFFECT_NONE;
    CString dropped;
    if (DroppedText(data, format, dropped)) {
        // A line break has no place in an address, and would break the
        // line of the default tab set that stores it.
        dropped.Remove('\r');
        dropped.Remove('\n');
        if (m_pOwner)
            m_pOwner->AddTab(dropped);
    }
    return DROPEFFECT_COPY;
}

void CTabDropTarget::OnDragLeave(CWnd*)
{
}

DROPEFFECT CTabDropTarget::OnDragScroll(CWnd*, DWORD, CPoint)
{
    return DROPEFFECT_COPY;
}
