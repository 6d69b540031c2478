// The compiled resources of Quenvo: every dialog, menu, string and the
// version block, loaded from the test executable itself (win32_tests links
// the same resource object as Quenvo.exe). The pictures have their own file.
#include "resource.h"
#include "tests/app/IconPixels.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <cstring>
#include <string>
#include <vector>

namespace {

HINSTANCE Module() { return ::GetModuleHandleA(nullptr); }

const WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);

INT_PTR CALLBACK PlainDlgProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

std::string Text(HWND h)
{
    char buf[512] = "";
    ::GetWindowTextA(h, buf, sizeof buf);
    return buf;
}

std::string ClassOf(HWND h)
{
    char buf[64] = "";
    ::GetClassNameA(h, buf, sizeof buf);
    return buf;
}

// A hidden top-level window that hosts the property-page templates (WS_CHILD).
struct Host {
    HWND h = ::CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 400, 400, nullptr, nullptr, Module(), nullptr);
    ~Host() { ::DestroyWindow(h); }
};

struct Dialog {
    HWND h;
    Dialog(int id, HWND parent) : h(::CreateDialogParamA(Module(), MAKEINTRESOURCEA(id), parent, PlainDlgProc, 0)) {}
    ~Dialog() { if (h) ::DestroyWindow(h); }
};

// One control of a template. id -1 (IDC_STATIC) is found by its text, or, for
// an icon (text nullptr, style SS_ICON), as the static icon of the dialog.
// x < 0: position not checked; cx < 0: size not checked (icons size themselves).
struct Ctl {
    int id;
    const char* cls;
    DWORD style;       // bits that must be set (for buttons: the button type)
    const char* text;  // nullptr: not checked
    int x, y, cx, cy;
    DWORD exstyle = 0;
};

struct Tpl {
    int id;
    const char* caption;
    DWORD style;
    int cx, cy;  // client size in dialog units
    std::vector<Ctl> controls;
};

RECT DluRect(HWND dlg, int x, int y, int cx, int cy)
{
    RECT r = { x, y, x + cx, y + cy };
    ::MapDialogRect(dlg, &r);
    return r;
}

HWND FindStatic(HWND dlg, const Ctl& c)
{
    for (HWND w = ::GetWindow(dlg, GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
        if (::GetDlgCtrlID(w) != c.id || _stricmp(ClassOf(w).c_str(), "Static") != 0)
            continue;
        LONG type = ::GetWindowLongA(w, GWL_STYLE) & SS_TYPEMASK;
        if (c.text ? (type != SS_ICON && Text(w) == c.text) : type == SS_ICON)
            return w;
    }
    return nullptr;
}

void CheckControl(HWND dlg, const Ctl& c)
{
    SCOPED_TRACE(std::string("control ") + std::to_string(c.id) + " " + (c.text ? c.text : c.cls));
    HWND w = c.id == IDC_STATIC ? FindStatic(dlg, c) : ::GetDlgItem(dlg, c.id);
    ASSERT_TRUE(w != nullptr);
    EXPECT_EQ(0, _stricmp(ClassOf(w).c_str(), c.cls)) << ClassOf(w);
    DWORD style = ::GetWindowLongA(w, GWL_STYLE);
    DWORD ex = ::GetWindowLongA(w, GWL_EXSTYLE);
    if (_stricmp(c.cls, "Button") == 0) {
        EXPECT_EQ(c.style & BS_TYPEMASK, style & BS_TYPEMASK);
        EXPECT_EQ(c.style & ~BS_TYPEMASK, style & c.style & ~BS_TYPEMASK);
    } else if (c.style & WS_BORDER) {
        // Edit and list controls may turn WS_BORDER into a client edge.
        EXPECT_EQ(c.style & ~WS_BORDER, style & c.style & ~WS_BORDER);
        EXPECT_TRUE((style & WS_BORDER) || (ex & WS_EX_CLIENTEDGE)) << std::hex << style << " " << ex;
    } else {
        EXPECT_EQ(c.style, style & c.style) << std::hex << style;
    }
    EXPECT_EQ(c.exstyle, ex & c.exstyle);
    if (c.text) {
        EXPECT_EQ(c.text, Text(w));
    }
    if (_stricmp(c.cls, "Static") == 0 && (c.style & SS_TYPEMASK) == SS_ICON) {
        EXPECT_TRUE(::SendMessageA(w, STM_GETICON, 0, 0) != 0);
    }
    if (c.x >= 0) {
        // The dialog manager maps the position and the size separately.
        RECT at = DluRect(dlg, c.x, c.y, 0, 0), size = DluRect(dlg, 0, 0, c.cx, c.cy);
        RECT got;
        ::GetWindowRect(w, &got);
        ::MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&got), 2);
        EXPECT_EQ(at.left, got.left);
        EXPECT_EQ(at.top, got.top);
        if (c.cx >= 0) {
            EXPECT_EQ(size.right, got.right - got.left);
            EXPECT_EQ(size.bottom, got.bottom - got.top);
        }
    }
}

void CheckTemplate(const Tpl& t, HWND parent)
{
    SCOPED_TRACE("dialog " + std::to_string(t.id));
    ASSERT_TRUE(::FindResourceExA(Module(), RT_DIALOG, MAKEINTRESOURCEA(t.id), kJapanese) != nullptr);
    Dialog d(t.id, parent);
    ASSERT_TRUE(d.h != nullptr) << ::GetLastError();
    EXPECT_EQ(t.caption, Text(d.h));
    EXPECT_EQ(t.style, ::GetWindowLongA(d.h, GWL_STYLE) & t.style);
    RECT client, want = DluRect(d.h, 0, 0, t.cx, t.cy);
    ::GetClientRect(d.h, &client);
    EXPECT_EQ(want.right, client.right);
    EXPECT_EQ(want.bottom, client.bottom);
    LOGFONTA lf = {};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(d.h, WM_GETFONT, 0, 0)), sizeof lf, &lf);
    EXPECT_STREQ("ＭＳ Ｐゴシック", lf.lfFaceName);
    int children = 0;
    for (HWND w = ::GetWindow(d.h, GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT))
        children += ::GetParent(w) == d.h;
    EXPECT_EQ(static_cast<int>(t.controls.size()), children);
    for (const Ctl& c : t.controls)
        CheckControl(d.h, c);
}

const DWORD kBtn = BS_PUSHBUTTON, kDef = BS_DEFPUSHBUTTON, kCheck = BS_AUTOCHECKBOX;
const DWORD kEdit = WS_BORDER | ES_AUTOHSCROLL;
const DWORD kPage = WS_CHILD | WS_DISABLED | WS_CAPTION;
const DWORD kFrame = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;

}  // namespace

TEST(ResourceDialogs, VersionDialog)
{
    Tpl t{ IDD_ABOUTBOX, "ﾊﾞｰｼﾞｮﾝ情報 Quenvo", WS_POPUP | WS_CAPTION | WS_SYSMENU, 217, 55, {
        { IDC_STATIC, "Static", SS_ICON, nullptr, -1, -1, -1, -1 },
        { IDC_STATIC, "Static", 0, "Quenvo Version 1.02", -1, -1, -1, -1 },
        { IDOK, "Button", kDef, "OK", -1, -1, -1, -1 } } };
    CheckTemplate(t, nullptr);
    Dialog d(IDD_ABOUTBOX, nullptr);
    EXPECT_TRUE(::GetWindowLongA(d.h, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
    // The icon shown is the application icon 128.
    HWND icon = FindStatic(d.h, t.controls[0]);
    ASSERT_TRUE(icon != nullptr);
    HICON shown = reinterpret_cast<HICON>(::SendMessageA(icon, STM_GETICON, 0, 0));
    ASSERT_TRUE(shown != nullptr);
    EXPECT_EQ(Render(::LoadIconA(Module(), MAKEINTRESOURCEA(IDI_APP)), 32, RGB(0, 128, 128)),
              Render(shown, 32, RGB(0, 128, 128)));
}

TEST(ResourceDialogs, MainWindow)
{
    const DWORD owner = BS_OWNERDRAW | WS_VISIBLE;
    Tpl t{ IDD_MAIN, "", WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
           186, 164, {
        { IDC_BACK, "Button", owner, "BACK", 0, 0, 11, 12 },
        { IDC_FORWARD, "Button", owner, "FORWARD", 10, 0, 11, 12 },
        { IDC_SEARCH, "Button", owner, "SEARCH", 21, 0, 11, 12 },
        { IDC_FUNC, "Button", owner, "FUNC", 32, 0, 11, 12 },
        { IDC_ADDRESS, "Edit", kEdit | WS_VISIBLE, "", 42, 0, 118, 12 },
        { IDC_NEW, "Button", owner, "NEW", 162, 0, 11, 12 },
        { IDC_GO, "Button", owner, "GO", 173, 0, 12, 12 },
        { IDC_TABSTRIP, "SysTabControl32",
          WS_VISIBLE | TCS_TOOLTIPS | TCS_OWNERDRAWFIXED | TCS_MULTILINE | TCS_BOTTOM, nullptr, 0, 12, 185, 151,
          WS_EX_ACCEPTFILES },
        { IDOK, "Button", kDef | WS_DISABLED, "OK", -1, -1, -1, -1 },
        { IDCANCEL, "Button", kBtn, "ｷｬﾝｾﾙ", -1, -1, -1, -1 } } };
    CheckTemplate(t, nullptr);
    Dialog d(IDD_MAIN, nullptr);
    EXPECT_TRUE(::GetWindowLongA(d.h, GWL_EXSTYLE) & WS_EX_NOPARENTNOTIFY);
    EXPECT_FALSE(::GetWindowLongA(d.h, GWL_STYLE) & WS_POPUP);
    RECT client;
    ::GetClientRect(d.h, &client);
    for (int id : { IDOK, IDCANCEL }) {
        HWND b = ::GetDlgItem(d.h, id);
        EXPECT_FALSE(::GetWindowLongA(b, GWL_STYLE) & WS_VISIBLE) << id;
        RECT r;
        ::GetWindowRect(b, &r);
        ::MapWindowPoints(nullptr, d.h, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_GT(r.left, client.right / 3) << id;   // bottom right
        EXPECT_GT(r.top, client.bottom / 2) << id;
    }
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(d.h, IDOK)));
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(d.h, IDCANCEL)));
}

TEST(ResourceDialogs, CollectionOrganizer)
{
    CheckTemplate({ IDD_COLLECTION, "タブの整理", kFrame, 254, 323, {
        { IDOK, "Button", kDef, "OK", 198, 29, 50, 14 },
        { IDCANCEL, "Button", kBtn, "ｷｬﾝｾﾙ", 198, 47, 50, 14 },
        { IDC_COLL_NEWFOLDER, "Button", kBtn, "新規フォルダ(&N)...", 191, 9, 57, 14 },
        { IDC_STATIC, "Static", 0, "名前(&T)", 7, 34, 23, 8 },
        { IDC_COLL_NAME, "Edit", kEdit, "", 42, 32, 150, 12 },
        { IDC_STATIC, "Static", 0, "アドレス(&A)", 7, 49, 33, 8 },
        { IDC_COLL_ADDRESS, "Edit", kEdit, "", 42, 47, 150, 12 },
        { IDC_STATIC, "Static", 0, "フォルダ(&F)", 7, 65, 34, 8 },
        { IDC_COLL_TREE, "SysTreeView32",
          WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_EDITLABELS | TVS_SHOWSELALWAYS,
          nullptr, 0, 76, 254, 247 },
        { IDC_STATIC, "Static", SS_ICON, nullptr, 7, 7, -1, -1 },
        { IDC_COLL_MESSAGE, "Static", 0, "タブコレクションにこのページを追加します", 29, 13, 122, 8 } } }, nullptr);
}

TEST(ResourceDialogs, ExpirePageDialog)
{
    CheckTemplate({ IDD_EXPIREPAGE, "無効ページの登録", kFrame, 254, 225, {
        { IDOK, "Button", kDef, "OK", 198, 29, 50, 14 },
        { IDCANCEL, "Button", kBtn, "ｷｬﾝｾﾙ", 198, 46, 50, 14 },
        { IDC_STATIC, "Static", SS_ICON, nullptr, 7, 7, -1, -1 },
        { IDC_EXP_MESSAGE, "Static", 0, "自動的に開くことを抑止するページを登録します", 29, 13, 139, 8 },
        { IDC_STATIC, "Static", 0, "名前(&T)", 7, 34, 23, 8 },
        { IDC_EXP_NAME, "Edit", kEdit, "", 42, 32, 150, 12 },
        { IDC_STATIC, "Static", 0, "アドレス(&A)", 7, 49, 33, 8 },
        { IDC_EXP_ADDRESS, "Edit", kEdit, "", 42, 47, 150, 12 },
        { IDC_STATIC, "Static", 0, "リスト", 7, 65, 17, 8 },
        { IDC_EXP_LIST, "SysListView32", WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
          nullptr, 0, 79, 254, 146 } } }, nullptr);
}

TEST(ResourceDialogs, OptionPages)
{
    Host host;
    ASSERT_TRUE(host.h != nullptr);
    CheckTemplate({ IDD_PR_GENERAL, "全般", kPage, 187, 113, {
        { IDC_STATIC, "Static", 0, "タブコレクションの保存ファイル", 7, 7, 90, 8 },
        { IDC_GEN_FILE, "Edit", kEdit, "", 7, 19, 173, 12 },
        { IDC_GEN_BROWSE, "Button", kBtn, "参照(&B)...", 141, 33, 39, 14 },
        { IDC_GEN_USEDEFAULT, "Button", kCheck, "デフォルトを使用", 7, 40, 65, 10 },
        { IDC_STATIC, "Static", 0, "(起動フォルダのQvbookmark.htm)", 15, 50, 165, 8 },
        { IDC_STATIC, "Static", 0, "プロセスの優先順位", 7, 70, 60, 8 },
        { IDC_GEN_PRIORITY, "msctls_trackbar32", TBS_TOP, nullptr, 15, 79, 56, 24 },
        { IDC_STATIC, "Static", 0, "低", 7, 85, 8, 8 },
        { IDC_STATIC, "Static", 0, "高", 71, 85, 8, 8 } } }, host.h);
    CheckTemplate({ IDD_PR_TAB, "タブ", kPage, 187, 93, {
        { IDC_STATIC, "Static", 0, "タブに表示する文字数(半角)", 7, 9, 84, 8 },
        { IDC_TAB_TEXTLENGTH, "Edit", kEdit | ES_NUMBER, "", 97, 7, 24, 12 },
        { IDC_TAB_KEEPPINNED, "Button", kCheck, "ピンを立てたタブはコレクションを開くときでも残す", 7, 41, 152, 10 } } },
        host.h);
    CheckTemplate({ IDD_PR_STEALS, "ステルスモード", kPage, 187, 93, {
        { IDC_STL_MINUTES, "Edit", kEdit, "", 7, 7, 21, 12 },
        { IDC_STATIC, "Static", 0, "分間カーソルが停止したら隠す", 30, 9, 91, 8 },
        { IDC_STL_AUTOHIDE, "Button", kCheck | BS_LEFT, "有効", 125, 8, 30, 10 },
        { IDC_STL_NEEDCLICK, "Button", kCheck, "アイコンをクリックしたら開く", 7, 23, 95, 10 },
        { IDC_STATIC, "Static", 0, "タスクトレイのアイコン", 7, 55, 64, 8 },
        { IDC_STL_ICONPREVIEW, "Static", SS_ICON | SS_REALSIZEIMAGE, nullptr, 7, 65, -1, -1 },
        { IDC_STL_TRAYICON, "msctls_trackbar32", TBS_BOTH | TBS_NOTICKS, nullptr, 28, 67, 43, 16 } } }, host.h);
    CheckTemplate({ IDD_PR_EXPIREPAGE, "無効ページ", kPage, 187, 113, {
        { IDC_STATIC, "Static", 0, "無効ページの保存ファイル", 7, 7, 78, 8 },
        { IDC_XP_FILE, "Edit", kEdit, "", 7, 19, 173, 12 },
        { IDC_XP_BROWSE, "Button", kBtn, "参照(&B)...", 141, 33, 39, 14 },
        { IDC_XP_USEDEFAULT, "Button", kCheck, "デフォルトを使用", 7, 40, 65, 10 },
        { IDC_STATIC, "Static", 0, "(起動フォルダのQvexpire.htm)", 15, 50, 165, 8 } } }, host.h);
}

// ---------------------------------------------------------------- menus

namespace {

struct Item {
    int depth;
    UINT id;  // 0 for a popup
    const char* text;
    bool grayed;
};

void Flatten(HMENU m, int depth, std::vector<std::string>& out)
{
    for (int i = 0, n = ::GetMenuItemCount(m); i < n; ++i) {
        char text[128] = "";
        MENUITEMINFOA mi = {};
        mi.cbSize = sizeof mi;
        mi.fMask = MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
        mi.dwTypeData = text;
        mi.cch = sizeof text;
        ASSERT_TRUE(::GetMenuItemInfoA(m, i, TRUE, &mi));
        out.push_back(std::to_string(depth) + " " + std::to_string(mi.hSubMenu ? 0 : mi.wID) + " " + text +
                      ((mi.fState & MFS_GRAYED) ? " grayed" : ""));
        if (mi.hSubMenu)
            Flatten(mi.hSubMenu, depth + 1, out);
    }
}

void CheckMenu(int id, const std::vector<Item>& items)
{
    SCOPED_TRACE("menu " + std::to_string(id));
    ASSERT_TRUE(::FindResourceExA(Module(), RT_MENU, MAKEINTRESOURCEA(id), kJapanese) != nullptr);
    HMENU m = ::LoadMenuA(Module(), MAKEINTRESOURCEA(id));
    ASSERT_TRUE(m != nullptr);
    std::vector<std::string> got, want;
    Flatten(m, 0, got);
    for (const Item& i : items)
        want.push_back(std::to_string(i.depth) + " " + std::to_string(i.id) + " " + i.text + (i.grayed ? " grayed" : ""));
    EXPECT_EQ(want, got);
    ::DestroyMenu(m);
}

}  // namespace

TEST(ResourceMenus, TabAndTreeAndTrayMenus)
{
    CheckMenu(IDR_TABMENU, {
        { 0, 0, "TAB MENU", false },
        { 1, ID_TAB_DELETE, "削除(&D)", false },
        { 1, ID_TAB_DELETE_OTHERS, "これ以外を削除(&O)", false },
        { 1, ID_ADD_TO_COLLECTION, "タブコレクションに追加(&A)...", false },
        { 1, ID_REGISTER_EXPIRE, "このページを開かなくする(&C)...", false } });
    CheckMenu(IDR_TREEMENU, { { 0, 0, "TREEMENU", false }, { 1, ID_DELETE_ITEM, "削除(&D)", false } });
    CheckMenu(IDR_TRAYMENU, { { 0, 0, "TRAY MENU", false }, { 1, ID_APP_EXIT, "終了", false } });
}

TEST(ResourceMenus, FunctionMenu)
{
    CheckMenu(IDR_FUNCMENU, {
        { 0, 0, "FUNC MENU", false },
        { 1, ID_SAVE_DEFAULT_TABS, "デフォルトタブとして保存(&S)", false },
        { 1, ID_OPEN_DEFAULT_TABS, "デフォルトタブを開く(&L)", false },
        { 1, 0, "ウィンドウ(&W)...", false },
        { 2, ID_ARRANGE_MAX_VERT, "上下に最大化(&V)", false },
        { 2, ID_ARRANGE_MAX_HORZ, "左右に最大化(&H)", false },
        { 2, ID_ARRANGE_LEFT, "左に寄せる(&L)", false },
        { 2, ID_ARRANGE_RIGHT, "右に寄せる(&R)", false },
        { 2, ID_ARRANGE_TOP, "上に寄せる(&T)", false },
        { 2, ID_ARRANGE_BOTTOM, "下に寄せる(&B)", false },
        { 1, 0, "タブの配置(&T)...", false },
        { 2, ID_TAB_MULTILINE, "複数行(&M)", false },
        { 2, ID_TAB_BOTTOM, "下(&B)", false },
        { 2, ID_TAB_TOP, "上(&T)", false },
        { 2, ID_TAB_LEFT, "左(&L)", true },
        { 2, ID_TAB_RIGHT, "右(&R)", true },
        { 1, 0, "オプション(&O)...", false },
        { 2, ID_SAVE_TABS_AT_EXIT, "終了時のタブをデフォルトタブとして保存", false },
        { 2, ID_OPTIONS, "詳細設定(&P)...", false },
        { 1, 0, "無効ページ(&E)...", false },
        { 2, ID_ORGANIZE_EXPIRE, "無効ページの整理(&A)...", false },
        { 2, ID_EXPIRE_ENABLE, "無効ページを開かない(&Q)", false },
        { 1, ID_STEALTH_MODE, "ステルスモード(&H)", false } });
}

// ---------------------------------------------------------------- strings, version

TEST(ResourceStrings, TextsAndPrompts)
{
    ASSERT_TRUE(::FindResourceExA(Module(), RT_STRING, MAKEINTRESOURCEA(IDS_ABOUTBOX / 16 + 1), kJapanese) != nullptr);
    const struct { int id; const char* text; } strings[] = {
        { IDS_ABOUTBOX, "ﾊﾞｰｼﾞｮﾝ情報(Quenvo) (&A)..." },
        { IDS_PROMPT_STEALTH_MODE, "ステルスモード切り替え" },
        { IDS_PROMPT_ADD_TO_COLLECTION, "このページをタブコレクションに追加" },
        { IDS_PROMPT_DELETE_ITEM, "項目を削除" },
        { IDS_PROMPT_REGISTER_EXPIRE, "無効ページ一覧に追加" },
        { IDS_PROMPT_ORGANIZE_EXPIRE, "無効ページを整理" },
        { IDS_PROMPT_EXPIRE_ENABLE, "無効ページ自動クローズの選択" },
    };
    for (const auto& s : strings) {
        char buf[256] = "";
        EXPECT_GT(::LoadStringA(Module(), s.id, buf, sizeof buf), 0) << s.id;
        EXPECT_STREQ(s.text, buf) << s.id;
    }
}

TEST(ResourceStrings, VersionBlock)
{
    HRSRC r = ::FindResourceExA(Module(), RT_VERSION, MAKEINTRESOURCEA(VS_VERSION_INFO), kJapanese);
    ASSERT_TRUE(r != nullptr);
    const BYTE* p = static_cast<const BYTE*>(::LockResource(::LoadResource(Module(), r)));
    std::vector<BYTE> data(p, p + ::SizeofResource(Module(), r));
    auto find = [&](const void* what, size_t n) {
        for (size_t i = 0; i + n <= data.size(); ++i)
            if (std::memcmp(&data[i], what, n) == 0)
                return static_cast<long>(i);
        return -1L;
    };
    const DWORD signature = 0xFEEF04BD;
    long at = find(&signature, sizeof signature);
    ASSERT_GE(at, 0);
    VS_FIXEDFILEINFO ffi;
    std::memcpy(&ffi, &data[at], sizeof ffi);
    EXPECT_EQ(MAKELONG(0, 1), static_cast<LONG>(ffi.dwFileVersionMS));
    EXPECT_EQ(MAKELONG(0, 2), static_cast<LONG>(ffi.dwFileVersionLS));
    EXPECT_GE(find(L"041103a4", 16), 0);
    EXPECT_GE(find(L"Quenvo Version 1.02", 38), 0);
    const WORD translation[] = { 0x0411, 932 };
    EXPECT_GE(find(translation, sizeof translation), 0);
}
