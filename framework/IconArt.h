#pragma once
#include <windows.h>

// An icon resource drawn at a size scaled for the display: its 16-pixel
// image at 16 pixels or less, above that its 32-pixel image (the same
// picture at twice the size) fitted to the size, never the small one blown
// up. Both images are the object's to destroy.
class CIconArt {
public:
    CIconArt() = default;
    ~CIconArt() { Free(); }
    CIconArt(const CIconArt&) = delete;
    CIconArt& operator=(const CIconArt&) = delete;

    void Load(UINT id);
    void Free();
    bool IsLoaded() const { return m_hSmall != nullptr; }
    HICON ForSize(int size) const { return size > kSmall && m_hLarge ? m_hLarge : m_hSmall; }
    // At (x, y), size pixels square, on background (none: drawn over what is there).
    void Draw(HDC dc, int x, int y, int size, HBRUSH background = nullptr) const;

private:
    enum { kSmall = 16, kLarge = 32 };
    HICON m_hSmall = nullptr;
    HICON m_hLarge = nullptr;
};
