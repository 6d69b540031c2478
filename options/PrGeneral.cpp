#include "options/PrGeneral.h"
#include "framework/DataExchange.h"

BEGIN_MESSAGE_MAP(CPrGeneral, COptionsPage)
    ON_BN_CLICKED(IDC_GEN_BROWSE, OnBrowse)
END_MESSAGE_MAP()

void CPrGeneral::DoDataExchange(CDataExchange* dx)
{
    COptionsPage::DoDataExchange(dx);
    ExchangeSlider(dx, IDC_GEN_PRIORITY, m_sliderPriority, &Settings::m_nPriority);
    DDX_Check(dx, IDC_GEN_USEDEFAULT, m_settings.m_bUseDefaultBookmarkFile);
    ExchangeText(dx, IDC_GEN_FILE, &Settings::m_strBookmarkFile);
}
