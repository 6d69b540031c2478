#include "options/PrExpirePage.h"
#include "options/PrGeneral.h"
#include "options/PrSteals.h"
#include "options/PrTab.h"
#include "tests/support/SheetDriver.h"
#include "tests/support/ScenePicture.h"
#include <gtest/gtest.h>

// Not a check: shows the options sheet with each of its pages in turn and
// saves each picture as options-<page>.bmp in the current directory. Run it
// on a prefix with a display, with --gtest_also_run_disabled_tests.
TEST(OptionsSheet, DISABLED_Scenes)
{
    Settings settings;
    settings.m_nTrayIcon = 2;
    settings.m_bEnableAutoHide = TRUE;
    CPrGeneral general(settings);
    CPrTab tab(settings);
    CPrSteals steals(settings);
    CPrExpirePage expire(settings);
    CPropertySheet options("詳細設定");
    options.AddPage(&general);
    options.AddPage(&tab);
    options.AddPage(&steals);
    options.AddPage(&expire);
    ModalScript scenes([] {
        HWND window = sheet::Find();
        ::SetWindowPos(window, HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE);
        const char* files[] = { "options-general.bmp", "options-tab.bmp", "options-steals.bmp",
                                "options-expire.bmp" };
        for (int i = 0; i < 4; ++i) {
            PropSheet_SetCurSel(window, nullptr, i);
            ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            PumpFor(400);
            SaveWindowPicture(window, files[i]);
        }
        ::SendMessageA(::GetDlgItem(window, IDCANCEL), BM_CLICK, 0, 0);
    });
    options.DoModal();
}
