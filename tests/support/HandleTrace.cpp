#include "tests/support/HandleTrace.h"
#include <commctrl.h>
#include <cstdio>
#include <cstring>
#include <set>

namespace {
enum Kind { kWindow, kGdi, kIcon, kMenu, kImageList, kKinds };
const char* const kKindNames[kKinds] = { "window", "GDI object", "icon or cursor", "menu", "image list" };

std::set<void*> g_created[kKinds];
std::set<void*> g_destroyedImageLists;
HHOOK g_hook = nullptr;

void Record(Kind kind, void* handle)
{
    if (handle)
        g_created[kind].insert(handle);
}

LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND)
        Record(kWindow, reinterpret_cast<HWND>(wParam));
    return ::CallNextHookEx(g_hook, code, wParam, lParam);
}

// The slot in this module's import table through which it calls a function.
void** ImportSlot(const char* dll, const char* name)
{
    BYTE* base = reinterpret_cast<BYTE*>(::GetModuleHandleA(nullptr));
    const auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* imp = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); imp->Name; ++imp) {
        if (_stricmp(reinterpret_cast<char*>(base + imp->Name), dll) != 0)
            continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<char*>(byName->Name), name) == 0)
                return reinterpret_cast<void**>(&slots->u1.Function);
        }
    }
    return nullptr;
}

void* Swap(void** slot, void* value)
{
    DWORD old = 0;
    ::VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old);
    void* previous = *slot;
    *slot = value;
    ::VirtualProtect(slot, sizeof *slot, old, &old);
    return previous;
}

// One redirected import: the hook and the real function it calls.
struct Redirect {
    const char* dll;
    const char* name;
    void* hook;
    void** slot;
    void* real;
};

template <typename F>
F Real(const char* name);

HFONT WINAPI HookCreateFontIndirectW(const LOGFONTW* lf)
{
    HFONT font = Real<decltype(&::CreateFontIndirectW)>("CreateFontIndirectW")(lf);
    Record(kGdi, font);
    return font;
}

HBRUSH WINAPI HookCreateSolidBrush(COLORREF color)
{
    HBRUSH brush = Real<decltype(&::CreateSolidBrush)>("CreateSolidBrush")(color);
    Record(kGdi, brush);
    return brush;
}

HDC WINAPI HookCreateCompatibleDC(HDC dc)
{
    HDC created = Real<decltype(&::CreateCompatibleDC)>("CreateCompatibleDC")(dc);
    Record(kGdi, created);
    return created;
}

HBITMAP WINAPI HookLoadBitmapA(HINSTANCE instance, LPCSTR name)
{
    HBITMAP bitmap = Real<decltype(&::LoadBitmapA)>("LoadBitmapA")(instance, name);
    Record(kGdi, bitmap);
    return bitmap;
}

HANDLE WINAPI HookLoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy, UINT flags)
{
    HANDLE image = Real<decltype(&::LoadImageA)>("LoadImageA")(instance, name, type, cx, cy, flags);
    // A shared image belongs to the system, which frees it.
    if (!(flags & LR_SHARED))
        Record(type == IMAGE_BITMAP ? kGdi : kIcon, image);
    return image;
}

HMENU WINAPI HookLoadMenuA(HINSTANCE instance, LPCSTR name)
{
    HMENU menu = Real<decltype(&::LoadMenuA)>("LoadMenuA")(instance, name);
    Record(kMenu, menu);
    return menu;
}

HMENU WINAPI HookCreateMenu()
{
    HMENU menu = Real<decltype(&::CreateMenu)>("CreateMenu")();
    Record(kMenu, menu);
    return menu;
}

HMENU WINAPI HookCreatePopupMenu()
{
    HMENU menu = Real<decltype(&::CreatePopupMenu)>("CreatePopupMenu")();
    Record(kMenu, menu);
    return menu;
}

HIMAGELIST WINAPI HookImageListCreate(int cx, int cy, UINT flags, int initial, int grow)
{
    HIMAGELIST list = Real<decltype(&::ImageList_Create)>("ImageList_Create")(cx, cy, flags, initial, grow);
    Record(kImageList, list);
    return list;
}

BOOL WINAPI HookImageListDestroy(HIMAGELIST list)
{
    // A destroyed image list cannot be asked whether it exists.
    g_destroyedImageLists.insert(list);
    return Real<decltype(&::ImageList_Destroy)>("ImageList_Destroy")(list);
}

Redirect g_redirects[] = {
    { "gdi32.dll", "CreateFontIndirectW", reinterpret_cast<void*>(HookCreateFontIndirectW), nullptr, nullptr },
    { "gdi32.dll", "CreateSolidBrush", reinterpret_cast<void*>(HookCreateSolidBrush), nullptr, nullptr },
    { "gdi32.dll", "CreateCompatibleDC", reinterpret_cast<void*>(HookCreateCompatibleDC), nullptr, nullptr },
    { "user32.dll", "LoadBitmapA", reinterpret_cast<void*>(HookLoadBitmapA), nullptr, nullptr },
    { "user32.dll", "LoadImageA", reinterpret_cast<void*>(HookLoadImageA), nullptr, nullptr },
    { "user32.dll", "LoadMenuA", reinterpret_cast<void*>(HookLoadMenuA), nullptr, nullptr },
    { "user32.dll", "CreateMenu", reinterpret_cast<void*>(HookCreateMenu), nullptr, nullptr },
    { "user32.dll", "CreatePopupMenu", reinterpret_cast<void*>(HookCreatePopupMenu), nullptr, nullptr },
    { "comctl32.dll", "ImageList_Create", reinterpret_cast<void*>(HookImageListCreate), nullptr, nullptr },
    { "comctl32.dll", "ImageList_Destroy", reinterpret_cast<void*>(HookImageListDestroy), nullptr, nullptr },
};

template <typename F>
F Real(const char* name)
{
    for (const Redirect& r : g_redirects)
        if (std::strcmp(r.name, name) == 0)
            return reinterpret_cast<F>(r.real);
    return nullptr;
}

bool Exists(Kind kind, void* handle)
{
    switch (kind) {
    case kWindow:
        return ::IsWindow(static_cast<HWND>(handle));
    case kGdi:
        return ::GetObjectType(handle) != 0;
    case kMenu:
        return ::IsMenu(static_cast<HMENU>(handle));
    case kIcon: {
        ICONINFO info = {};
        if (!::GetIconInfo(static_cast<HICON>(handle), &info))
            return false;
        if (info.hbmMask) ::DeleteObject(info.hbmMask);
        if (info.hbmColor) ::DeleteObject(info.hbmColor);
        return true;
    }
    case kImageList:
        return !g_destroyedImageLists.count(handle);
    default:
        return false;
    }
}
}

HandleTrace::HandleTrace()
{
    for (auto& set : g_created)
        set.clear();
    g_destroyedImageLists.clear();
    for (Redirect& r : g_redirects) {
        r.slot = ImportSlot(r.dll, r.name);
        r.real = r.slot ? Swap(r.slot, r.hook) : nullptr;
    }
    g_hook = ::SetWindowsHookExA(WH_CBT, OnCbt, nullptr, ::GetCurrentThreadId());
}

HandleTrace::~HandleTrace()
{
    ::UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
    for (Redirect& r : g_redirects)
        if (r.slot)
            Swap(r.slot, r.real);
}

HandleTrace::Counts HandleTrace::Created() const
{
    Counts c;
    c.windows = static_cast<int>(g_created[kWindow].size());
    c.gdiObjects = static_cast<int>(g_created[kGdi].size());
    c.icons = static_cast<int>(g_created[kIcon].size());
    c.menus = static_cast<int>(g_created[kMenu].size());
    c.imageLists = static_cast<int>(g_created[kImageList].size());
    return c;
}

std::vector<std::string> HandleTrace::Survivors() const
{
    std::vector<std::string> alive;
    for (int kind = 0; kind < kKinds; ++kind)
        for (void* handle : g_created[kind])
            if (Exists(static_cast<Kind>(kind), handle)) {
                char text[96];
                std::snprintf(text, sizeof text, "%s %p", kKindNames[kind], handle);
                alive.push_back(text);
            }
    return alive;
}
