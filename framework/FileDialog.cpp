#include "framework/FileDialog.h"
#include "framework/ModalGuard.h"

CFileDialog::CFileDialog(const char* defaultExt, const char* fileName, DWORD flags, const char* filter,
                         CWnd* parent)
    : m_strFilter(filter ? filter : ""), m_strDefaultExt(defaultExt)
{
    for (char& c : m_strFilter)
        if (c == '|')
            c = '\0';
    m_szFile[0] = '\0';
    if (fileName)
        ::lstrcpynA(m_szFile, fileName, sizeof m_szFile);
    m_ofn = {};
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.hwndOwner = parent ? parent->m_hWnd : nullptr;
    m_ofn.lpstrFilter = m_strFilter.empty() ? nullptr : m_strFilter.c_str();
    m_ofn.lpstrFile = m_szFile;
    m_ofn.nMaxFile = sizeof m_szFile;
    m_ofn.lpstrDefExt = defaultExt ? static_cast<const char*>(m_strDefaultExt) : nullptr;
    m_ofn.Flags = flags;
}

INT_PTR CFileDialog::DoModal()
{
    const CModalGuard guard;
    return ::GetOpenFileNameA(&m_ofn) ? IDOK : IDCANCEL;
}
