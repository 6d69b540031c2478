#pragma once
#include "framework/Wnd.h"
#include <commdlg.h>

// The system's Open dialog. The filter is "text|pattern|...|" with '|' for
// the separators the system wants as '\0'.
class CFileDialog {
public:
    CFileDialog(const char* defaultExt, const char* fileName, DWORD flags, const char* filter,
                CWnd* parent = nullptr);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // IDOK when a file was chosen, IDCANCEL otherwise.
    INT_PTR DoModal();
    // The full path of the chosen file.
    CString GetPathName() const { return m_szFile; }

    OPENFILENAMEA m_ofn;

private:
    std::string m_strFilter;
    CString m_strDefaultExt;
    char m_szFile[MAX_PATH];
};
