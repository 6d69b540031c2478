#pragma once
#include "options/OptionsPage.h"
#include "framework/Static.h"
#include "res/resource.h"
#include <vector>

// Options page "ステルスモード": idle time, tray behaviour and the tray icon,
// with a preview that follows the slider.
class CPrSteals : public COptionsPage {
public:
    enum { IDD = IDD_PR_STEALS };
    explicit CPrSteals(Settings& settings);
    ~CPrSteals() override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    // The idle time: minutes in the box, the text the settings keep.
    void ExchangeMinutes(CDataExchange* dx);
    void OnHScroll(UINT code, UINT pos, HWND scrollBar);
    void ShowIcon(int index);

    CStatic m_iconPreview;
    CSliderCtrl m_sliderTrayIcon;
    std::vector<HICON> m_hIcons;  // one for each value of the tray-icon setting

    DECLARE_MESSAGE_MAP()
};
