#pragma once
#include "options/OptionsPage.h"
#include "res/resource.h"

// Options page "タブ": the tab label length and pinned tabs.
class CPrTab : public COptionsPage {
public:
    enum { IDD = IDD_PR_TAB };
    explicit CPrTab(Settings& settings) : COptionsPage(IDD, settings) {}

protected:
    void DoDataExchange(CDataExchange* dx) override;
};
