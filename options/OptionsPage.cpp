#include "options/OptionsPage.h"
#include "options/HtmlFileDialog.h"
#include "framework/DataExchange.h"

void COptionsPage::ExchangeText(CDataExchange* dx, int id, std::string Settings::*text)
{
    CString value(m_settings.*text);
    DDX_Text(dx, id, value);
    if (dx->m_bSaveAndValidate && !dx->m_bFailed)
        m_settings.*text = value.str();
}

void COptionsPage::ExchangeNumber(CDataExchange* dx, int id, int Settings::*number)
{
    const SettingRange& range = SettingKeyOf(number).range;
    UINT value = static_cast<UINT>(m_settings.*number);
    DDX_Text(dx, id, value);
    DDV_MinMaxUInt(dx, value, static_cast<UINT>(range.min), static_cast<UINT>(range.max));
    if (dx->m_bSaveAndValidate && !dx->m_bFailed)
        m_settings.*number = static_cast<int>(value);
}

void COptionsPage::ExchangeSlider(CDataExchange* dx, int id, CSliderCtrl& slider, int Settings::*number)
{
    DDX_Control(dx, id, slider);
    if (dx->m_bSaveAndValidate) {
        m_settings.*number = slider.GetPos();
        return;
    }
    const SettingRange& range = SettingKeyOf(number).range;
    slider.SetRange(static_cast<int>(range.min), static_cast<int>(range.max), FALSE);
    slider.SetPageSize(1);
    slider.SetPos(m_settings.*number);
}

BOOL COptionsPage::ChooseFile(CString& path)
{
    return ChooseHtmlFile(this, path);
}

void COptionsPage::BrowseFor(std::string Settings::*file)
{
    UpdateData(TRUE);
    CString path(m_settings.*file);
    if (ChooseFile(path))
        m_settings.*file = path.str();
    UpdateData(FALSE);
}
