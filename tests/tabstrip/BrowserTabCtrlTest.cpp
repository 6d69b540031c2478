#include "tests/tabstrip/TabStripFixture.h"
#include "core/TabGeometry.h"
#include "tests/app/IconPixels.h"
#include <map>
#include <vector>

namespace {
bool g_menuOpened = false;

// Runs only if something pumps messages while the strip handles the
// message, which only the menu's own loop does here.
void CALLBACK CloseMenu(HWND, UINT, UINT_PTR, DWORD)
{
    g_menuOpened = true;
    ::EndMenu();
}

// Chooses the menu's first item, as the keyboard would.
void CALLBACK ChooseFirstItem(HWND, UINT, UINT_PTR, DWORD)
{
    g_menuOpened = true;
    HWND menu = ::FindWindowA("#32768", nullptr);
    ::PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
}

bool ContextMenuOpens(CBrowserTabCtrl& strip, LPARAM screenPoint, TIMERPROC action = CloseMenu)
{
    g_menuOpened = false;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, action);
    strip.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(strip.m_hWnd), screenPoint);
    ::KillTimer(nullptr, timer);
    return g_menuOpened;
}

LPARAM ScreenPoint(HWND wnd, POINT client)
{
    ::ClientToScreen(wnd, &client);
    return MAKELPARAM(client.x, client.y);
}

bool IsParked(CWebBrowser2* pane)
{
    RECT r;
    pane->GetWindowRect(&r);
    return r.right == r.left && r.bottom == r.top;
}

// The escapement of the font selected at each text output of a metafile.
struct FontTrace {
    std::map<DWORD, LONG> escapementOf;
    LONG current = 0;
    std::vector<LONG> atText;
};

int CALLBACK TraceFonts(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data)
{
    FontTrace& t = *reinterpret_cast<FontTrace*>(data);
    switch (record->iType) {
    case EMR_EXTCREATEFONTINDIRECTW: {
        const auto* r = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record);
        t.escapementOf[r->ihFont] = r->elfw.elfLogFont.lfEscapement;
        break;
    }
    case EMR_SELECTOBJECT: {
        const auto* r = reinterpret_cast<const EMRSELECTOBJECT*>(record);
        auto it = t.escapementOf.find(r->ihObject);
        if (it != t.escapementOf.end())
            t.current = it->second;
        break;
    }
    case EMR_RESTOREDC:
        t.current = 0;
        break;
    case EMR_EXTTEXTOUTA:
    case EMR_EXTTEXTOUTW:
        t.atText.push_back(t.current);
        break;
    }
    return 1;
}

// Where the strip shows a tab's icon: found by the icon's opaque pixels in
// the strip's picture of itself.
POINT DrawnIconAt(CBrowserTabCtrl& strip, int index, bool pinned)
{
    HICON icon = static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr),
        MAKEINTRESOURCEA(pinned ? IDI_TAB_PINNED : IDI_TAB_UNPINNED), IMAGE_ICON, 16, 16, LR_SHARED));
    const std::vector<DWORD> a = Render(icon, 16, RGB(255, 0, 255)), b = Render(icon, 16, RGB(0, 255, 0));
    RECT tab, client;
    strip.GetItemRect(index, &tab);
    strip.GetClientRect(&client);
    BITMAPINFO bi = {};
    bi.bmiHeader = { sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0 };
    DWORD* shown = nullptr;
    HDC dc = ::CreateCompatibleDC(nullptr);
    HBITMAP bmp = ::CreateDIBSection(dc, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&shown), nullptr, 0);
    HGDIOBJ old = ::SelectObject(dc, bmp);
    strip.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    ::GdiFlush();
    POINT found = { -100, -100 };
    for (int y = tab.top; y < tab.bottom && found.x < 0; ++y)
        for (int x = tab.left; x < tab.right && found.x < 0; ++x) {
            int i = 0;
            while (i < 256 && (a[i] != b[i] || ((shown[(y + i / 16) * client.right + x + i % 16] ^ a[i]) & 0xFFFFFF) == 0))
                ++i;
            if (i == 256)
                found = { x, y };
        }
    ::SelectObject(dc, old);
    ::DeleteObject(bmp);
    ::DeleteDC(dc);
    return found;
}

std::vector<LONG> TextEscapements(CBrowserTabCtrl& strip, int index)
{
    HDC dc = ::CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_TAB;
    dis.itemID = static_cast<UINT>(index);
    dis.hwndItem = strip.m_hWnd;
    dis.hDC = dc;
    strip.GetItemRect(index, &dis.rcItem);
    TabStripProbe::Draw(strip, &dis);
    HENHMETAFILE emf = ::CloseEnhMetaFile(dc);
    FontTrace trace;
    ::EnumEnhMetaFile(nullptr, emf, TraceFonts, &trace, nullptr);
    ::DeleteEnhMetaFile(emf);
    return trace.atText;
}
}

TEST_F(TabStripTest, IconSquareClosesOrPinsWithoutSelectingOutsideItSelectsAndArmsADrag)
{
    OpenOnly({ "aa", "bb", "cc" });
    CWebBrowser2* third = dlg->GetPane(2);
    const POINT icon = DrawnIconAt(Strip(), 1, false);

    Down({ icon.x + 5, icon.y + 7 });
    EXPECT_EQ(dlg->GetTabCount(), 2);
    EXPECT_EQ(dlg->GetPane(1), third);
    EXPECT_EQ(Strip().GetCurSel(), 0);
    EXPECT_FALSE(TabStripProbe::Dragging(Strip()));
    EXPECT_EQ(::GetCapture(), nullptr);

    Down({ icon.x + 15, icon.y + 8 });
    EXPECT_EQ(dlg->GetTabCount(), 2);
    EXPECT_TRUE(third->GetPinned());
    EXPECT_EQ(Strip().GetCurSel(), 0);
    EXPECT_FALSE(TabStripProbe::Dragging(Strip()));
    Down({ icon.x, icon.y + 13 });
    EXPECT_FALSE(third->GetPinned());

    Down({ icon.x + 16, icon.y + 3 });
    EXPECT_EQ(dlg->GetTabCount(), 2);
    EXPECT_EQ(Strip().GetCurSel(), 1);
    EXPECT_FALSE(IsParked(third)) << "selection went through SelectTab";
    EXPECT_TRUE(TabStripProbe::Dragging(Strip()));
    EXPECT_EQ(::GetCapture(), Strip().m_hWnd);

    Up({ icon.x + 16, icon.y + 3 });
    EXPECT_FALSE(TabStripProbe::Dragging(Strip()));
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(TabStripTest, TheIconsHalvesAnswerWhereItIsDrawnOnTwoSidesSelectedOrNot)
{
    enum Answer { kNothing, kCloses, kPins };
    const struct { int dx, dy; Answer answer; } probes[] = {
        { 8, -1, kNothing }, { 0, 0, kCloses }, { 15, 7, kCloses }, { 8, 8, kPins }, { 15, 14, kPins },
        { 16, 10, kNothing },
    };
    for (UINT side : { ID_TAB_BOTTOM, ID_TAB_LEFT })
        for (int current : { 0, 1 })
            for (const auto& probe : probes) {
                OpenOnly({ "aa", "bb", "cc" });
                dlg->SendMessage(WM_COMMAND, side, 0);
                dlg->SelectTab(current);
                const POINT icon = DrawnIconAt(Strip(), 1, false);
                Down({ icon.x + probe.dx, icon.y + probe.dy });
                Up({ icon.x + probe.dx, icon.y + probe.dy });
                const Answer answer = dlg->GetTabCount() < 3 ? kCloses : dlg->GetPane(1)->GetPinned() ? kPins : kNothing;
                EXPECT_EQ(answer, probe.answer) << side << " current " << current << " at " << probe.dx << "," << probe.dy;
            }
}

TEST_F(TabStripTest, PinToggleRepaintsOnlyThatTab)
{
    OpenOnly({ "aa", "bb", "cc" });
    Strip().UpdateWindow();
    Down(InTab(1, 4, 12));
    RECT dirty = {};
    ASSERT_TRUE(::GetUpdateRect(Strip().m_hWnd, &dirty, FALSE));
    const RECT tab = ItemRect(1);
    EXPECT_TRUE(::EqualRect(&dirty, &tab));
}

TEST_F(TabStripTest, DragMovesPastTheMarginsOnlyAndCarriesCaptionProgressAndPage)
{
    OpenOnly({ "aa", "bb", "cc", "dd", "ee" });
    for (int i = 0; i < 5; ++i)
        Fake(i)->FireProgressChange(10 * i + 5, 100);
    CWebBrowser2* dragged = dlg->GetPane(0);
    const HCURSOR before = ::GetCursor();

    Down(InTab(0, 30, 4));
    const RECT next = ItemRect(1);
    Move({ next.left + kTabDragMargin - 1, next.top + 4 });
    EXPECT_EQ(::GetCursor(), TabStripProbe::DragCursor(Strip()));
    Move({ next.right - kTabDragMargin, next.top + 4 });
    EXPECT_EQ(TabText(0), "aa") << "the outer 8 pixels take no drop";
    EXPECT_EQ(dlg->GetPane(0), dragged);

    Move({ next.left + kTabDragMargin, next.top + 4 });
    EXPECT_EQ(TabText(0), "bb");
    EXPECT_EQ(TabText(1), "aa");
    EXPECT_EQ(TabParam(0), 15);
    EXPECT_EQ(TabParam(1), 5);
    EXPECT_EQ(dlg->GetPane(1), dragged);
    EXPECT_EQ(Strip().GetCurSel(), 1);
    POINT pointer;
    ::GetCursorPos(&pointer);
    Strip().ScreenToClient(&pointer);
    EXPECT_EQ(pointer.x, ItemRect(1).left + 30) << "the pointer keeps its grab offset";
    EXPECT_EQ(pointer.y, ItemRect(1).top + 4);

    // Three places on: the tabs between shift back by one.
    const RECT distant = ItemRect(4);
    Move({ (distant.left + distant.right) / 2, distant.top + 4 });
    EXPECT_EQ(TabText(0), "bb");
    EXPECT_EQ(TabText(1), "cc");
    EXPECT_EQ(TabText(2), "dd");
    EXPECT_EQ(TabText(3), "ee");
    EXPECT_EQ(TabText(4), "aa");
    EXPECT_EQ(TabParam(1), 25);
    EXPECT_EQ(TabParam(3), 45);
    EXPECT_EQ(TabParam(4), 5);

    Up(InTab(4, 30, 4));
    EXPECT_FALSE(TabStripProbe::Dragging(Strip()));
    EXPECT_EQ(::GetCursor(), before);
    EXPECT_EQ(Strip().GetCurSel(), 4);
    EXPECT_EQ(dlg->GetPane(4), dragged);
    EXPECT_FALSE(IsParked(dragged)) << "the dragged tab still shows its own page";
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(dlg->GetPane(i)->GetDlgCtrlID(), IDC_BROWSER_FIRST + i);
        if (i != 4) {
            EXPECT_TRUE(IsParked(dlg->GetPane(i))) << i;
        }
    }
}

TEST_F(TabStripTest, ADragSlowOrQuickEndsWithTheTabWhereThePointerStoppedAndThoseBetweenShiftedByOne)
{
    const struct { int dragged; std::vector<int> over; const char* order; } drags[] = {
        { 0, { 1, 2, 3 }, "bb cc dd aa" }, { 0, { 3 }, "bb cc dd aa" },  // slow and quick, to the last place
        { 3, { 2, 1, 0 }, "dd aa bb cc" }, { 3, { 0 }, "dd aa bb cc" },  // and to the first
        { 1, { 3, 0 }, "bb aa cc dd" },                                   // there and back
    };
    for (const auto& drag : drags) {
        OpenOnly({ "aa", "bb", "cc", "dd" });
        CWebBrowser2* dragged = dlg->GetPane(drag.dragged);
        Down(InTab(drag.dragged, 30, 4));
        for (int place : drag.over)
            Move({ (ItemRect(place).left + ItemRect(place).right) / 2, ItemRect(place).top + 4 });
        Up(InTab(drag.over.back(), 30, 4));
        // Each tab's pane, with its id, goes with its caption.
        std::string order;
        for (int i = 0; i < 4; ++i)
            order += (i ? " " : "") + TabText(i) + (dlg->GetPane(i)->GetTabLocation().str() == TabText(i) &&
                                                    dlg->GetPane(i)->GetDlgCtrlID() == IDC_BROWSER_FIRST + i ? "" : "!");
        EXPECT_EQ(order, drag.order) << "tab " << drag.dragged << " over " << drag.over.size() << " places";
        EXPECT_EQ(dlg->GetPane(Strip().GetCurSel()), dragged);
    }
}

TEST_F(TabStripTest, LosingTheCaptureOrCancellingEndsTheDragAndPutsTheCursorBack)
{
    OpenOnly({ "aa", "bb", "cc" });
    const HCURSOR before = ::GetCursor();
    HWND other = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, dlg->m_hWnd, nullptr, nullptr, nullptr);

    Down(InTab(0, 30, 4));
    Move(InTab(0, 32, 4));
    ASSERT_EQ(::GetCursor(), TabStripProbe::DragCursor(Strip()));
    ::SetCapture(other);
    EXPECT_FALSE(TabStripProbe::Dragging(Strip()));
    EXPECT_EQ(::GetCursor(), before);
    ::ReleaseCapture();
    const RECT next = ItemRect(1);
    Mouse(WM_MOUSEMOVE, { (next.left + next.right) / 2, next.top + 4 }, 0);
    EXPECT_EQ(TabText(0), "aa") << "a plain mouse move after the drag moved a tab";
    EXPECT_EQ(::GetCursor(), before);

    Down(InTab(0, 30, 4));
    Move(InTab(0, 32, 4));
    Strip().CancelDrag();
    EXPECT_FALSE(TabStripProbe::Dragging(Strip()));
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(::GetCursor(), before);
    EXPECT_EQ(TabStripProbe::SavedCursor(Strip()), nullptr);
    ::DestroyWindow(other);
}

TEST_F(TabStripTest, ContextMenuOpensOnATabOnlyAndItsCommandIsForThatTab)
{
    OpenOnly({ "aa", "bb", "cc" });
    RECT client;
    Strip().GetClientRect(&client);
    const RECT last = ItemRect(2);

    EXPECT_FALSE(ContextMenuOpens(Strip(), ScreenPoint(Strip().m_hWnd, { last.right + 20, last.top + 4 })));
    EXPECT_FALSE(ContextMenuOpens(Strip(), ScreenPoint(Strip().m_hWnd, { client.right / 2, client.bottom / 3 })));
    EXPECT_FALSE(ContextMenuOpens(Strip(), MAKELPARAM(-1, -1)));

    EXPECT_TRUE(ContextMenuOpens(Strip(), ScreenPoint(Strip().m_hWnd, InTab(2, 20, 4))));
    EXPECT_EQ(Strip().GetCurSel(), 0) << "the menu does not change the current tab";

    // Its command acts on the tab the menu was opened on: "削除" closes "cc".
    EXPECT_TRUE(ContextMenuOpens(Strip(), ScreenPoint(Strip().m_hWnd, InTab(2, 20, 4)), ChooseFirstItem));
    ASSERT_EQ(dlg->GetTabCount(), 2);
    EXPECT_EQ(TabText(1), "bb");
}

namespace {
// Closes one tab from inside the menu loop, as a refused pop-up does, then
// chooses "削除".
StripMainDlg* g_window;
int g_closedMeanwhile;
void CALLBACK CloseATabThenChooseDelete(HWND, UINT, UINT_PTR timer, DWORD)
{
    ::KillTimer(nullptr, timer);
    g_window->DeleteTab(g_closedMeanwhile);
    ChooseFirstItem(nullptr, 0, 0, 0);
}
}

TEST_F(TabStripTest, AMenuCommandFollowsItsTabWhenAnotherClosesMeanwhileAndIsDroppedWhenItsTabIsGone)
{
    const struct {
        int clicked, closedMeanwhile;
        const char* left;
    } rows[] = {
        { 2, 0, "bb" },
        { 1, 1, "aa cc" },
    };
    g_window = dlg.get();
    for (const auto& row : rows) {
        OpenOnly({ "aa", "bb", "cc" });
        g_closedMeanwhile = row.closedMeanwhile;
        EXPECT_TRUE(ContextMenuOpens(Strip(), ScreenPoint(Strip().m_hWnd, InTab(row.clicked, 20, 4)),
                                     CloseATabThenChooseDelete));
        std::string left;
        for (int i = 0; i < dlg->GetTabCount(); ++i)
            left += (i ? " " : "") + TabText(i);
        EXPECT_EQ(left, row.left) << "menu on tab " << row.clicked;
    }
}

TEST_F(TabStripTest, ARestoredTabIsNotShadedBeforeItsPageLoads)
{
    OpenOnly({ "aa" });
    ASSERT_TRUE(dlg->AddRestoredTab("http://later.example/"));
    EXPECT_EQ(TabParam(1), 100);
}

TEST_F(TabStripTest, SideTabsDrawTheirCaptionsWithTheRotatedFont)
{
    OpenOnly({ "aa", "bb" });
    ASSERT_NE(TabStripProbe::VerticalFont(Strip()), nullptr);
    const struct { UINT command; LONG escapement; } sides[] = {
        { ID_TAB_LEFT, 900 }, { ID_TAB_RIGHT, 900 }, { ID_TAB_TOP, 0 }, { ID_TAB_BOTTOM, 0 },
    };
    for (const auto& side : sides) {
        dlg->SendMessage(WM_COMMAND, side.command, 0);
        for (int i = 0; i < 2; ++i)
            EXPECT_EQ(TextEscapements(Strip(), i), std::vector<LONG>{ side.escapement })
                << "command " << side.command << " tab " << i;
    }
}

namespace {
CBrowserTabCtrl* g_binding = nullptr;

// Binds the strip object before the window's WM_CREATE, as a framework that
// creates its own windows would.
LRESULT CALLBACK BindAtCreation(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && g_binding && !g_binding->m_hWnd)
        g_binding->SubclassWindow(reinterpret_cast<HWND>(wParam));
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
}

TEST(TabStripCreation, AStripThatCreatesItsWindowSetsItselfUpAndRevokesItsDropTargetAtDestruction)
{
    HWND parent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    CBrowserTabCtrl strip;
    g_binding = &strip;
    HHOOK hook = ::SetWindowsHookExA(WH_CBT, BindAtCreation, nullptr, ::GetCurrentThreadId());
    HWND hWnd = ::CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | TCS_MULTILINE, 0, 0, 200, 100, parent,
                                  nullptr, nullptr, nullptr);
    ::UnhookWindowsHookEx(hook);
    g_binding = nullptr;
    ASSERT_EQ(strip.m_hWnd, hWnd);

    EXPECT_TRUE(strip.GetStyle() & TCS_OWNERDRAWFIXED);
    EXPECT_NE(strip.SendMessage(TCM_GETIMAGELIST), 0);
    ASSERT_NE(OleDropTargetProbe::Interface(TabStripProbe::DropTarget(strip)), nullptr);
    EXPECT_EQ(::RegisterDragDrop(hWnd, OleDropTargetProbe::Interface(TabStripProbe::DropTarget(strip))),
              DRAGDROP_E_ALREADYREGISTERED);

    ::DestroyWindow(hWnd);
    EXPECT_EQ(OleDropTargetProbe::Interface(TabStripProbe::DropTarget(strip)), nullptr);
    ::DestroyWindow(parent);
}

TEST_F(TabStripTest, MiddleClickClosesTheTabUnderItAsItsIconDoes)
{
    OpenOnly({ "aa", "bb", "cc" });
    CWebBrowser2* third = dlg->GetPane(2);
    const RECT after = ItemRect(2);
    Mouse(WM_MBUTTONUP, { after.right + 40, after.top + 3 }, 0);
    EXPECT_EQ(dlg->GetTabCount(), 3) << "beside the tabs nothing closes";

    Mouse(WM_MBUTTONUP, InTab(1, 20, 7), 0);
    EXPECT_EQ(dlg->GetTabCount(), 2);
    EXPECT_EQ(dlg->GetPane(1), third);
    EXPECT_EQ(Strip().GetCurSel(), 0);
    EXPECT_EQ(dlg->GetPane(1)->GetDlgCtrlID(), IDC_BROWSER_FIRST + 1);
}

TEST_F(TabStripTest, DoubleClickBesideTheTabsOpensANewTabAndOnATabDoesNot)
{
    OpenOnly({ "aa", "bb" });
    Mouse(WM_LBUTTONDBLCLK, InTab(1, 20, 7), MK_LBUTTON);
    EXPECT_EQ(dlg->GetTabCount(), 2);

    const RECT last = ItemRect(1);
    Mouse(WM_LBUTTONDBLCLK, { last.right + 40, last.top + 3 }, MK_LBUTTON);
    ASSERT_EQ(dlg->GetTabCount(), 3);
    EXPECT_EQ(Strip().GetCurSel(), 2) << "as NEW does, the new tab comes to the front";

    // Beside its tabs the strip lets the mouse through to the window under it.
    POINT beside = { ItemRect(2).right + 40, ItemRect(2).top + 3 };
    ::MapWindowPoints(Strip().m_hWnd, dlg->m_hWnd, &beside, 1);
    dlg->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(beside.x, beside.y));
    EXPECT_EQ(dlg->GetTabCount(), 4);
    dlg->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(beside.x, 2));
    EXPECT_EQ(dlg->GetTabCount(), 4) << "above the strip nothing opens";
}

namespace {
// Every item's rectangle and the row count, as the control lays them out.
std::vector<RECT> ItemRects(CBrowserTabCtrl& strip)
{
    std::vector<RECT> rects;
    for (int i = 0; i < strip.GetItemCount(); ++i) {
        RECT r = {};
        strip.GetItemRect(i, &r);
        rects.push_back(r);
    }
    rects.push_back({ static_cast<LONG>(strip.SendMessage(TCM_GETROWCOUNT)), 0, 0, 0 });
    return rects;
}

std::vector<RECT> RectsAfterInserts(CBrowserTabCtrl& strip, int count, bool batch)
{
    strip.SendMessage(TCM_DELETEALLITEMS);
    if (batch)
        strip.BeginInsertBatch();
    for (int i = 0; i < count; ++i) {
        // Captions of different widths, so that a fixed width would show.
        std::string caption = "タブ" + std::string(static_cast<size_t>(i % 7) * 3, 'w') + std::to_string(i);
        TCITEMA item = {};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = &caption[0];
        strip.InsertItem(i, &item);
    }
    if (batch)
        strip.EndInsertBatch();
    // As a set of tabs is shown: its last one comes to the front afterwards.
    strip.SetCurSel(count - 1);
    return ItemRects(strip);
}
}

TEST(TabStripBatch, ItemsInsertedInOneBatchLieWhereOneByOneInsertsPutThem)
{
    HWND parent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 640, 400, nullptr, nullptr, nullptr, nullptr);
    HWND hWnd = ::CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE, 0, 0, 640, 400, parent, nullptr,
                                  nullptr, nullptr);
    CBrowserTabCtrl strip;
    ASSERT_TRUE(strip.SubclassWindow(hWnd));
    ::SendMessageA(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    const struct { TabSide side; bool multiLine; int count; } layouts[] = {
        { kTabSideBottom, false, 60 }, { kTabSideTop, true, 60 }, { kTabSideLeft, true, 40 },
        { kTabSideRight, true, 3 }, { kTabSideTop, false, 1 },
    };
    for (const auto& layout : layouts) {
        strip.SetLayout(layout.side, layout.multiLine);
        const std::vector<RECT> single = RectsAfterInserts(strip, layout.count, false);
        const std::vector<RECT> batched = RectsAfterInserts(strip, layout.count, true);
        ASSERT_EQ(single.size(), batched.size());
        for (size_t i = 0; i < single.size(); ++i)
            EXPECT_TRUE(::EqualRect(&single[i], &batched[i]))
                << "side " << layout.side << " multi-line " << layout.multiLine << " item " << i;
        EXPECT_FALSE(strip.GetStyle() & TCS_FIXEDWIDTH);
    }
    strip.DestroyWindow();
    ::DestroyWindow(parent);
}
