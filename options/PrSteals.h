#pragma once
#include "framework/PropertySheet.h"
#include "framework/SliderCtrl.h"
#include "framework/Static.h"
#include "res/resource.h"

// Options page "ステルスモード": idle time, tray behaviour and the tray icon,
// with a preview that follows the slider.
class CPrSteals : public CPropertyPage {
public:
    enum { IDD = IDD_PR_STEALS };
    enum { kIconCount = 7 };
    CPrSteals();
    ~CPrSteals() override;

    int m_nTrayIcon = 0;
    int m_bNeedClickTray = FALSE;
    float m_fAutoHideTime = 10.0f;   // minutes
    int m_bEnableAutoHide = FALSE;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnHScroll(UINT code, UINT pos, HWND scrollBar);
    void ShowIcon(int index);

    CStatic m_iconPreview;
    CSliderCtrl m_sliderTrayIcon;
    HICON m_hIcons[kIconCount] = {};

    DECLARE_MESSAGE_MAP()
};
