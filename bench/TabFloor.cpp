// The least a tabbed window of this design costs, to compare the program
// with: per saved tab one hidden child window with its control id and one
// tab item, inserted in one batch as the program's strip batches them (the
// strip not redrawn meanwhile, fixed widths), the last tab in front. The
// strip is one of the program's kind: its styles, the dialog font and room
// for an icon in every tab. It reads the saved tabs from the Quenvo.ini of
// the current directory, as the program does, and ends on WM_CLOSE. No
// control is hosted, no file written.
#include <windows.h>
#include <commctrl.h>
#include <cstring>
#include <string>
#include <vector>

namespace {
const int kFirstPaneId = 1201;
// The program's default caption length.
const size_t kCaptionBytes = 8;
const int kIconSize = 16;
const int kFontPoints = 9;
const char kFontFace[] = "ＭＳ Ｐゴシック";
const char kMainClass[] = "TabFloorMain";
const char kPaneClass[] = "TabFloorPane";

// The addresses of the "TAB" section, read in one call.
std::vector<std::string> SavedAddresses()
{
    char dir[MAX_PATH] = "";
    ::GetCurrentDirectoryA(sizeof dir, dir);
    const std::string path = std::string(dir) + "\\Quenvo.ini";
    std::vector<char> section(1 << 20);
    const DWORD length = ::GetPrivateProfileSectionA("TAB", section.data(), static_cast<DWORD>(section.size()),
                                                     path.c_str());
    std::vector<std::string> addresses;
    for (const char* entry = section.data(); entry < section.data() + length && *entry;
         entry += std::strlen(entry) + 1)
        if (std::strncmp(entry, "URL", 3) == 0)
            if (const char* value = std::strchr(entry, '='))
                addresses.emplace_back(value + 1);
    return addresses;
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

void Register(const char* name, WNDPROC proc)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = name;
    ::RegisterClassA(&wc);
}

void OpenTabs(HWND main, HWND strip, const std::vector<std::string>& addresses)
{
    const HINSTANCE instance = ::GetModuleHandleA(nullptr);
    std::vector<HWND> panes;
    ::SendMessageA(strip, WM_SETREDRAW, FALSE, 0);
    ::SetWindowLongPtrA(strip, GWL_STYLE, ::GetWindowLongPtrA(strip, GWL_STYLE) | TCS_FIXEDWIDTH);
    for (const std::string& address : addresses) {
        const int index = static_cast<int>(panes.size());
        panes.push_back(::CreateWindowExA(WS_EX_NOPARENTNOTIFY, kPaneClass, nullptr, WS_CHILD | WS_CLIPCHILDREN,
                                          -1, -1, 0, 0, main,
                                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstPaneId + index)),
                                          instance, nullptr));
        std::string caption = address.substr(0, kCaptionBytes);
        TCITEMA item = {};
        item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_PARAM;
        item.pszText = &caption[0];
        ::SendMessageA(strip, TCM_INSERTITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    }
    ::SetWindowLongPtrA(strip, GWL_STYLE, ::GetWindowLongPtrA(strip, GWL_STYLE) & ~TCS_FIXEDWIDTH);
    ::SendMessageA(strip, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(strip, nullptr, TRUE);
    if (panes.empty())
        return;
    const int last = static_cast<int>(panes.size()) - 1;
    ::SendMessageA(strip, TCM_SETCURSEL, static_cast<WPARAM>(last), 0);
    RECT place;
    ::GetClientRect(strip, &place);
    ::SendMessageA(strip, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&place));
    ::SetWindowPos(panes[static_cast<size_t>(last)], HWND_TOP, place.left, place.top, place.right - place.left,
                   place.bottom - place.top, SWP_SHOWWINDOW);
}


// The strip with what it is given; the font and the list are its owner's.
struct Strip {
    HWND window;
    HFONT font;
    HIMAGELIST icons;
};

Strip MakeStrip(HWND main)
{
    RECT client;
    ::GetClientRect(main, &client);
    Strip strip;
    strip.window = ::CreateWindowExA(0, WC_TABCONTROLA, nullptr,
                                     WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TCS_TOOLTIPS | TCS_OWNERDRAWFIXED |
                                         TCS_BOTTOM,
                                     0, 0, client.right, client.bottom, main, nullptr, ::GetModuleHandleA(nullptr),
                                     nullptr);
    LOGFONTA face = {};
    HDC screen = ::GetDC(nullptr);
    face.lfHeight = -::MulDiv(kFontPoints, ::GetDeviceCaps(screen, LOGPIXELSY), 72);
    ::ReleaseDC(nullptr, screen);
    face.lfCharSet = SHIFTJIS_CHARSET;
    std::strcpy(face.lfFaceName, kFontFace);
    strip.font = ::CreateFontIndirectA(&face);
    ::SendMessageA(strip.window, WM_SETFONT, reinterpret_cast<WPARAM>(strip.font), FALSE);
    // Empty: the program's strip draws its icons itself; the list makes the room.
    strip.icons = ::ImageList_Create(kIconSize, kIconSize, ILC_MASK, 2, 2);
    ::SendMessageA(strip.window, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(strip.icons));
    return strip;
}
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    INITCOMMONCONTROLSEX controls = { sizeof controls, ICC_TAB_CLASSES };
    ::InitCommonControlsEx(&controls);
    Register(kMainClass, MainProc);
    Register(kPaneClass, ::DefWindowProcA);
    HWND main = ::CreateWindowExA(0, kMainClass, "TabFloor", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 640, 480, nullptr, nullptr, instance, nullptr);
    const Strip strip = MakeStrip(main);
    OpenTabs(main, strip.window, SavedAddresses());
    ::ShowWindow(main, show);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    ::ImageList_Destroy(strip.icons);
    ::DeleteObject(strip.font);
    return 0;
}
