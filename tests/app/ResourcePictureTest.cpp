// The compiled pictures of Quenvo: icons, bitmaps and cursors, loaded from the
// test executable itself (win32_tests links the same resource object as
// Quenvo.exe).
#include "resource.h"
#include "tests/app/IconPixels.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <cstring>
#include <string>
#include <vector>

std::vector<DWORD> Render(HICON icon, int size, COLORREF background)
{
    BITMAPINFO bi = {};
    bi.bmiHeader = { sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0 };
    void* bits = nullptr;
    HDC dc = ::CreateCompatibleDC(nullptr);
    HBITMAP bmp = ::CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(dc, bmp);
    RECT rc = { 0, 0, size, size };
    HBRUSH brush = ::CreateSolidBrush(background);
    ::FillRect(dc, &rc, brush);
    ::DeleteObject(brush);
    ::DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    ::GdiFlush();
    std::vector<DWORD> px(static_cast<DWORD*>(bits), static_cast<DWORD*>(bits) + size * size);
    ::SelectObject(dc, old);
    ::DeleteObject(bmp);
    ::DeleteDC(dc);
    return px;
}

namespace {

HINSTANCE Module() { return ::GetModuleHandleA(nullptr); }

const WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);

HICON LoadIconAt(int id, int size)
{
    return static_cast<HICON>(::LoadImageA(Module(), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

#pragma pack(push, 2)
struct GroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bits;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

// Widths of the images of an icon or cursor group, with their image headers.
std::vector<BITMAPINFOHEADER> GroupImages(int id, LPCSTR groupType, LPCSTR imageType)
{
    std::vector<BITMAPINFOHEADER> out;
    HRSRC g = ::FindResourceExA(Module(), groupType, MAKEINTRESOURCEA(id), kJapanese);
    if (!g)
        return out;
    const BYTE* dir = static_cast<const BYTE*>(::LockResource(::LoadResource(Module(), g)));
    WORD count = reinterpret_cast<const WORD*>(dir)[2];
    const GroupEntry* e = reinterpret_cast<const GroupEntry*>(dir + 6);
    for (WORD i = 0; i < count; ++i) {
        HRSRC r = ::FindResourceA(Module(), MAKEINTRESOURCEA(e[i].id), imageType);
        if (!r)
            continue;
        const BYTE* p = static_cast<const BYTE*>(::LockResource(::LoadResource(Module(), r)));
        if (imageType == RT_CURSOR)
            p += 4;  // hot spot
        BITMAPINFOHEADER h;
        std::memcpy(&h, p, sizeof h);
        out.push_back(h);
    }
    return out;
}

}  // namespace

TEST(ResourcePictures, IconsHave16And32PixelImagesWithMasks)
{
    for (int id : { IDI_APP, IDI_TRAY1, IDI_TRAY2, IDI_TRAY3, IDI_TRAY4, IDI_TRAY5, IDI_TRAY6, IDI_FOLDER_CLOSED,
                    IDI_FOLDER_OPEN, IDI_PAGE, IDI_TABSET, IDI_FOLDER_OPEN_TREE, IDI_TAB_UNPINNED, IDI_TAB_PINNED,
                    IDI_EXPIRE }) {
        SCOPED_TRACE("icon " + std::to_string(id));
        std::vector<BITMAPINFOHEADER> images = GroupImages(id, RT_GROUP_ICON, RT_ICON);
        ASSERT_EQ(2u, images.size());
        EXPECT_EQ(16, images[0].biWidth);
        EXPECT_EQ(32, images[0].biHeight);
        EXPECT_EQ(32, images[1].biWidth);
        EXPECT_EQ(64, images[1].biHeight);
        for (int size : { 16, 32 }) {
            HICON icon = LoadIconAt(id, size);
            ASSERT_TRUE(icon != nullptr) << size;
            std::vector<DWORD> black = Render(icon, size, RGB(0, 0, 0)), white = Render(icon, size, RGB(255, 255, 255));
            int transparent = 0;
            for (size_t i = 0; i < black.size(); ++i)
                transparent += black[i] != white[i];
            EXPECT_GT(transparent, 0) << size;                          // the mask lets the background through
            EXPECT_LT(transparent, size * size * 9 / 10) << size;       // and there is a picture
            ::DestroyIcon(icon);
        }
    }
    EXPECT_TRUE(::LoadIconA(Module(), MAKEINTRESOURCEA(IDI_APP)) != nullptr);
}

TEST(ResourcePictures, TabIconsShareTheCloseMarkAndDifferInThePin)
{
    HICON unpinned = LoadIconAt(IDI_TAB_UNPINNED, 16), pinned = LoadIconAt(IDI_TAB_PINNED, 16);
    ASSERT_TRUE(unpinned && pinned);
    std::vector<DWORD> a = Render(unpinned, 16, RGB(0, 128, 128)), b = Render(pinned, 16, RGB(0, 128, 128));
    int upper = 0, lower = 0, upperInk = 0, lowerInk = 0;
    for (int i = 0; i < 256; ++i) {
        bool top = i < 128;
        (top ? upper : lower) += a[i] != b[i];
        (top ? upperInk : lowerInk) += a[i] != 0x008080;
    }
    EXPECT_EQ(0, upper);       // rows 0-7: the same close mark
    EXPECT_GT(lower, 0);       // rows 8-15: a different pin
    EXPECT_GT(upperInk, 0);
    EXPECT_GT(lowerInk, 0);
    ::DestroyIcon(unpinned);
    ::DestroyIcon(pinned);
}

TEST(ResourcePictures, ButtonBitmapsAre18x18At4Bits)
{
    for (const char* stem : { "BACK", "FORWARD", "SEARCH", "FUNC", "NEW", "GO" }) {
        std::vector<std::vector<BYTE>> faces;
        for (const char* suffix : { "U", "D", "F", "X" }) {
            std::string name = std::string(stem) + suffix;
            SCOPED_TRACE(name);
            HRSRC r = ::FindResourceExA(Module(), RT_BITMAP, name.c_str(), kJapanese);
            ASSERT_TRUE(r != nullptr);
            const BYTE* p = static_cast<const BYTE*>(::LockResource(::LoadResource(Module(), r)));
            BITMAPINFOHEADER h;
            std::memcpy(&h, p, sizeof h);
            EXPECT_EQ(18, h.biWidth);
            EXPECT_EQ(18, h.biHeight);
            EXPECT_EQ(4, h.biBitCount);
            faces.emplace_back(p, p + ::SizeofResource(Module(), r));
            HBITMAP bmp = ::LoadBitmapA(Module(), name.c_str());
            ASSERT_TRUE(bmp != nullptr);
            BITMAP bm = {};
            ::GetObjectA(bmp, sizeof bm, &bm);
            EXPECT_EQ(18, bm.bmWidth);
            EXPECT_EQ(18, bm.bmHeight);
            ::DeleteObject(bmp);
        }
        for (size_t i = 0; i < faces.size(); ++i)
            for (size_t j = i + 1; j < faces.size(); ++j)
                EXPECT_NE(faces[i], faces[j]) << stem << " " << i << " " << j;
    }
}

TEST(ResourcePictures, CursorsAre32x32WithTheirHotSpots)
{
    for (int id : { IDC_CUR_TABDRAG, IDC_CUR_DROP_OK, IDC_CUR_DROP_NO }) {
        SCOPED_TRACE("cursor " + std::to_string(id));
        std::vector<BITMAPINFOHEADER> images = GroupImages(id, RT_GROUP_CURSOR, RT_CURSOR);
        ASSERT_EQ(1u, images.size());
        EXPECT_EQ(32, images[0].biWidth);
        EXPECT_EQ(64, images[0].biHeight);
        HCURSOR c = ::LoadCursorA(Module(), MAKEINTRESOURCEA(id));
        ASSERT_TRUE(c != nullptr);
        ICONINFO ii = {};
        ASSERT_TRUE(::GetIconInfo(c, &ii));
        EXPECT_FALSE(ii.fIcon);
        if (id == IDC_CUR_TABDRAG) {
            EXPECT_EQ(15u, ii.xHotspot);
            EXPECT_EQ(15u, ii.yHotspot);
        } else {
            EXPECT_LT(ii.xHotspot, 32u);
            EXPECT_LT(ii.yHotspot, 32u);
        }
        if (ii.hbmColor)
            ::DeleteObject(ii.hbmColor);
        ::DeleteObject(ii.hbmMask);
    }
}
