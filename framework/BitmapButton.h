#pragma once
#include "framework/Button.h"

// A button drawn from four bitmaps named after its caption: up, down
// (pressed), focused and disabled ("BACKU", "BACKD", "BACKF", "BACKX"). Each
// may come twice as large as well, named with "2X" after it ("BACKU2X"): a
// button sized larger than the bitmaps draws that art fitted to its size.
class CBitmapButton : public CButton {
public:
    CBitmapButton() = default;
    ~CBitmapButton() override;

    BOOL AutoLoad(UINT id, CWnd* parent);
    BOOL LoadBitmaps(const char* up, const char* down, const char* focus, const char* disabled);
    void SizeToContent();
    void DrawItem(LPDRAWITEMSTRUCT dis) override;

private:
    enum { kFaces = 4 };
    void FreeBitmaps();
    // The face for the state, in the art that suits a button width x height.
    HBITMAP Face(UINT state, int width, int height) const;
    HBITMAP m_bitmaps[kFaces] = {};
    HBITMAP m_bitmaps2x[kFaces] = {};
};
