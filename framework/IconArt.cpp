#include "framework/IconArt.h"
#include "framework/Wnd.h"

namespace {
HICON LoadIconAt(UINT id, int size)
{
    return static_cast<HICON>(
        ::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}
}

void CIconArt::Load(UINT id)
{
    Free();
    m_hSmall = LoadIconAt(id, kSmall);
    m_hLarge = LoadIconAt(id, kLarge);
}

void CIconArt::Free()
{
    for (HICON* icon : { &m_hSmall, &m_hLarge }) {
        if (*icon) ::DestroyIcon(*icon);
        *icon = nullptr;
    }
}

void CIconArt::Draw(HDC dc, int x, int y, int size, HBRUSH background) const
{
    ::DrawIconEx(dc, x, y, ForSize(size), size, size, 0, background, DI_NORMAL);
}
