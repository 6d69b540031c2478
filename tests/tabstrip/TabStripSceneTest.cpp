#include "tests/tabstrip/TabStripFixture.h"
#include <cstdio>
#include <vector>

namespace {
void PumpFor(DWORD ms)
{
    const DWORD end = ::GetTickCount() + ms;
    MSG msg;
    while (static_cast<LONG>(end - ::GetTickCount()) > 0) {
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(20);
    }
}

// The window as it shows on the screen, as a 24-bit bottom-up .bmp file.
void SaveWindowPicture(HWND wnd, const char* path)
{
    RECT r;
    ::GetWindowRect(wnd, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    ::SelectObject(memory, old);

    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<size_t>(stride) * height);
    ::GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    if (FILE* f = std::fopen(path, "wb")) {
        std::fwrite(&file, sizeof file, 1, f);
        std::fwrite(&info, sizeof info, 1, f);
        std::fwrite(pixels.data(), 1, pixels.size(), f);
        std::fclose(f);
    }
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
}
}

// Not a check: sets up the strip on each side with Japanese captions, pinned
// and unpinned tabs and pages part-way loaded, and saves each picture as
// strip-<side>.bmp in the current directory. Run it on a prefix with a
// display, with --gtest_also_run_disabled_tests.
TEST_F(TabStripTest, DISABLED_Scenes)
{
    OpenOnly({ "http://a/", "http://b/", "http://c/", "http://d/" });
    const wchar_t* titles[] = { L"日本語のページ", L"ニュース一覧", L"天気予報です", L"地図と経路" };
    const long progress[] = { 100, 37, 0, 80 };
    for (int i = 0; i < 4; ++i) {
        Fake(i)->FireTitleChange(titles[i]);
        Fake(i)->FireProgressChange(progress[i], 100);
    }
    // A page that has not reported any progress yet is shaded in full.
    TCITEMA item = {};
    item.mask = TCIF_PARAM;
    item.lParam = 0;
    Strip().SetItem(2, &item);
    dlg->SendMessage(WM_APP_TOGGLEPIN, 1);
    dlg->SendMessage(WM_APP_TOGGLEPIN, 3);
    dlg->SelectTab(1);
    dlg->SetWindowPos(HWND_TOP, 20, 20, 420, 300, SWP_SHOWWINDOW);

    const struct { UINT command; const char* file; } sides[] = {
        { ID_TAB_BOTTOM, "strip-bottom.bmp" }, { ID_TAB_TOP, "strip-top.bmp" },
        { ID_TAB_LEFT, "strip-left.bmp" },     { ID_TAB_RIGHT, "strip-right.bmp" },
    };
    for (const auto& side : sides) {
        dlg->SendMessage(WM_COMMAND, side.command, 0);
        dlg->RecalcLayout();
        ::RedrawWindow(dlg->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpFor(400);
        SaveWindowPicture(dlg->m_hWnd, side.file);
    }
}
