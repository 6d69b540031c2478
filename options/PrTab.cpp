#include "options/PrTab.h"
#include "framework/DataExchange.h"

void CPrTab::DoDataExchange(CDataExchange* dx)
{
    COptionsPage::DoDataExchange(dx);
    ExchangeNumber(dx, IDC_TAB_TEXTLENGTH, &Settings::m_nTabTextLength);
    DDX_Check(dx, IDC_TAB_KEEPPINNED, m_settings.m_bPinnedStatic);
}
