#pragma once
#include "framework/PropertySheet.h"
#include "res/resource.h"

// Options page "無効ページ": the expire-page file.
class CPrExpirePage : public CPropertyPage {
public:
    enum { IDD = IDD_PR_EXPIREPAGE };
    CPrExpirePage() : CPropertyPage(IDD) {}

    CString m_strExpirePageFile;
    int m_bUseDefaultExpirePageFile = TRUE;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnBrowse();
    // The file dialog; a test answers in its place.
    virtual BOOL ChooseFile(CString& path);

    DECLARE_MESSAGE_MAP()
};
