#include "options/PrExpirePage.h"
#include "framework/DataExchange.h"

BEGIN_MESSAGE_MAP(CPrExpirePage, COptionsPage)
    ON_BN_CLICKED(IDC_XP_BROWSE, OnBrowse)
END_MESSAGE_MAP()

void CPrExpirePage::DoDataExchange(CDataExchange* dx)
{
    COptionsPage::DoDataExchange(dx);
    ExchangeText(dx, IDC_XP_FILE, &Settings::m_strExpirePageFile);
    DDX_Check(dx, IDC_XP_USEDEFAULT, m_settings.m_bUseDefaultExpirePageFile);
}
