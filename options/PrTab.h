#pragma once
#include "framework/PropertySheet.h"
#include "res/resource.h"

// Options page "タブ": the tab label length and pinned tabs.
class CPrTab : public CPropertyPage {
public:
    enum { IDD = IDD_PR_TAB };
    CPrTab() : CPropertyPage(IDD) {}

    UINT m_nTabTextLength = 8;
    int m_bPinnedStatic = FALSE;

protected:
    void DoDataExchange(CDataExchange* dx) override;
};
