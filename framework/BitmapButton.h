#pragma once
#include "framework/Button.h"

// A button drawn from four bitmaps named after its caption: up, down
// (pressed), focused and disabled ("BACKU", "BACKD", "BACKF", "BACKX").
class CBitmapButton : public CButton {
public:
    CBitmapButton() = default;
    ~CBitmapButton() override;

    BOOL AutoLoad(UINT id, CWnd* parent);
    BOOL LoadBitmaps(const char* up, const char* down, const char* focus, const char* disabled);
    void SizeToContent();
    void DrawItem(LPDRAWITEMSTRUCT dis) override;

private:
    void FreeBitmaps();
    HBITMAP m_bitmaps[4] = {};
};
