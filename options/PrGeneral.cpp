#include "options/PrGeneral.h"
#include "options/HtmlFileDialog.h"
#include "framework/DataExchange.h"

BEGIN_MESSAGE_MAP(CPrGeneral, CPropertyPage)
    ON_WM_HSCROLL()
    ON_BN_CLICKED(IDC_GEN_BROWSE, OnBrowse)
END_MESSAGE_MAP()

BOOL CPrGeneral::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_sliderPriority.SetRange(0, 3, FALSE);
    m_sliderPriority.SetPageSize(1);
    m_sliderPriority.SetPos(m_nPriority);
    return TRUE;
}

void CPrGeneral::DoDataExchange(CDataExchange* dx)
{
    CPropertyPage::DoDataExchange(dx);
    DDX_Control(dx, IDC_GEN_PRIORITY, m_sliderPriority);
    DDX_Check(dx, IDC_GEN_USEDEFAULT, m_bUseDefaultBookmarkFile);
    DDX_Text(dx, IDC_GEN_FILE, m_strBookmarkFile);
}

void CPrGeneral::OnHScroll(UINT code, UINT pos, HWND scrollBar)
{
    if (code <= TB_ENDTRACK)
        m_nPriority = m_sliderPriority.GetPos();
    CPropertyPage::OnHScroll(code, pos, scrollBar);
}

BOOL CPrGeneral::ChooseFile(CString& path)
{
    return ChooseHtmlFile(this, path);
}

void CPrGeneral::OnBrowse()
{
    // What the user typed or ticked is taken first, so a cancelled dialog
    // leaves the page as it was and a chosen file replaces only the path.
    UpdateData(TRUE);
    ChooseFile(m_strBookmarkFile);
    UpdateData(FALSE);
}
