#include "options/PrExpirePage.h"
#include "options/HtmlFileDialog.h"
#include "framework/DataExchange.h"

BEGIN_MESSAGE_MAP(CPrExpirePage, CPropertyPage)
    ON_BN_CLICKED(IDC_XP_BROWSE, OnBrowse)
END_MESSAGE_MAP()

void CPrExpirePage::DoDataExchange(CDataExchange* dx)
{
    CPropertyPage::DoDataExchange(dx);
    DDX_Text(dx, IDC_XP_FILE, m_strExpirePageFile);
    DDX_Check(dx, IDC_XP_USEDEFAULT, m_bUseDefaultExpirePageFile);
}

BOOL CPrExpirePage::ChooseFile(CString& path)
{
    return ChooseHtmlFile(this, path);
}

void CPrExpirePage::OnBrowse()
{
    // As on the general page: typed text survives, a chosen file replaces the path.
    UpdateData(TRUE);
    ChooseFile(m_strExpirePageFile);
    UpdateData(FALSE);
}
