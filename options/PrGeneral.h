#pragma once
#include "options/OptionsPage.h"
#include "res/resource.h"

// Options page "全般": the tab-collection file and the process priority.
class CPrGeneral : public COptionsPage {
public:
    enum { IDD = IDD_PR_GENERAL };
    explicit CPrGeneral(Settings& settings) : COptionsPage(IDD, settings) {}

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnBrowse() { BrowseFor(&Settings::m_strBookmarkFile); }

    CSliderCtrl m_sliderPriority;

    DECLARE_MESSAGE_MAP()
};
