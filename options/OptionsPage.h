#pragma once
#include "framework/PropertySheet.h"
#include "framework/SliderCtrl.h"
#include "core/Settings.h"

// A page of the options sheet. Its controls exchange with the options' copy
// of the settings, which all pages share; a number is held to its key's range
// in the settings table.
class COptionsPage : public CPropertyPage {
protected:
    COptionsPage(UINT templateId, Settings& settings) : CPropertyPage(templateId), m_settings(settings) {}

    // An edit box and the text as it is.
    void ExchangeText(CDataExchange* dx, int id, std::string Settings::*text);
    // An edit box and a number of the key's range, typed without a sign.
    void ExchangeNumber(CDataExchange* dx, int id, int Settings::*number);
    // A trackbar over the key's range, a step a page. Like every other
    // control it is read when the page is left.
    void ExchangeSlider(CDataExchange* dx, int id, CSliderCtrl& slider, int Settings::*number);

    // The file dialog of "参照(&B)..."; a test answers in its place.
    virtual BOOL ChooseFile(CString& path);
    // What was typed or ticked is taken first, so a cancelled dialog leaves
    // the page as it was and a chosen file replaces only the path.
    void BrowseFor(std::string Settings::*file);

    Settings& m_settings;
};
