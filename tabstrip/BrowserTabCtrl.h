#pragma once
#include "framework/Controls.h"

class CMainDlg;

// The tab strip of the main window (control 1000).
class CBrowserTabCtrl : public CTabCtrl {
public:
    enum Orientation { kTop = 0, kLeft = 1, kBottom = 2, kRight = 3 };

    CBrowserTabCtrl();
    ~CBrowserTabCtrl() override;

    BOOL AttachImageList();
    void CreateVerticalFont();
    int GetOrientation() const;
    void AdjustDisplayRect(BOOL larger, RECT* rect);

    int m_nContextTab = 0;

protected:
    void PreSubclassWindow() override;
    void DrawItem(LPDRAWITEMSTRUCT dis) override;
    void OnSelChange(NMHDR* nm, LRESULT* result);

    CMainDlg* GetMainDlg() const;

    HICON m_hIconUnpinned = nullptr;
    HICON m_hIconPinned = nullptr;
    CImageList m_imageList;
    CFont m_fontVertical;

    DECLARE_MESSAGE_MAP()
};
