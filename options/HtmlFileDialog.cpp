#include "options/HtmlFileDialog.h"
#include "framework/FileDialog.h"

BOOL ChooseHtmlFile(CWnd* parent, CString& path)
{
    // "*html" without the dot is how the filter has always read: it also
    // takes any name that merely ends in "html".
    CFileDialog dialog(nullptr, nullptr, OFN_HIDEREADONLY,
                       "htmlファイル(*.htm;*.html)|*.htm;*html|すべてのファイル (*.*)|*.*||", parent);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    path = dialog.GetPathName();
    return TRUE;
}
