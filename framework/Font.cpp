#include "framework/Font.h"

BOOL CFont::CreateFontIndirect(const LOGFONTW* lf)
{
    DeleteObject();
    m_hFont = ::CreateFontIndirectW(lf);
    return m_hFont != nullptr;
}

BOOL CFont::DeleteObject()
{
    if (!m_hFont)
        return FALSE;
    ::DeleteObject(m_hFont);
    m_hFont = nullptr;
    return TRUE;
}
