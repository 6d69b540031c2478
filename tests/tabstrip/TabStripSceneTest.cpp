#include "tests/tabstrip/TabStripFixture.h"
#include "tests/support/ScenePicture.h"

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
