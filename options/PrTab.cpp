#include "options/PrTab.h"
#include "framework/DataExchange.h"

void CPrTab::DoDataExchange(CDataExchange* dx)
{
    CPropertyPage::DoDataExchange(dx);
    DDX_Text(dx, IDC_TAB_TEXTLENGTH, m_nTabTextLength);
    DDV_MinMaxUInt(dx, m_nTabTextLength, 0, 63);
    DDX_Check(dx, IDC_TAB_KEEPPINNED, m_bPinnedStatic);
}
