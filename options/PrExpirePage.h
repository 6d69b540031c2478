#pragma once
#include "options/OptionsPage.h"
#include "res/resource.h"

// Options page "無効ページ": the expire-page file.
class CPrExpirePage : public COptionsPage {
public:
    enum { IDD = IDD_PR_EXPIREPAGE };
    explicit CPrExpirePage(Settings& settings) : COptionsPage(IDD, settings) {}

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnBrowse() { BrowseFor(&Settings::m_strExpirePageFile); }

    DECLARE_MESSAGE_MAP()
};
