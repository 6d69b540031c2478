#pragma once
#include "framework/PropertySheet.h"
#include "framework/SliderCtrl.h"
#include "res/resource.h"

// Options page "全般": the tab-collection file and the process priority.
class CPrGeneral : public CPropertyPage {
public:
    enum { IDD = IDD_PR_GENERAL };
    CPrGeneral() : CPropertyPage(IDD) {}

    CString m_strBookmarkFile;
    int m_bUseDefaultBookmarkFile = TRUE;
    // The slider's position, 0 (low) to 3 (high); not exchanged, the slider
    // reports it as it moves.
    int m_nPriority = 1;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnHScroll(UINT code, UINT pos, HWND scrollBar);
    void OnBrowse();
    // The file dialog; a test answers in its place.
    virtual BOOL ChooseFile(CString& path);

    CSliderCtrl m_sliderPriority;

    DECLARE_MESSAGE_MAP()
};
