// The options command on the main window: the sheet fills from the settings,
// OK puts the edits in force and writes them, Cancel changes nothing.
#include "tests/browser/MainDlgFixture.h"
#include "tests/collection/CollectionMenuProbe.h"
#include "tests/support/HandleTrace.h"
#include "tests/support/SheetDriver.h"
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

using namespace sheet;

namespace {
enum { kGeneral, kTab, kSteals, kExpire };

class OptionsTest : public MainDlgTest {
protected:
    void TearDown() override
    {
        ::SetPriorityClass(::GetCurrentProcess(), NORMAL_PRIORITY_CLASS);
        MainDlgTest::TearDown();
    }
    // The options command, with the script playing the user on its sheet.
    void Options(const std::function<void(HWND sheet)>& script)
    {
        ModalScript run([&] { script(Find()); });
        Command(ID_OPTIONS);
        EXPECT_TRUE(run.Ran());
    }
    // The INI file as the main window writes it now.
    std::string SavedIni()
    {
        dlg->SaveSettings();
        return Ini();
    }
    std::string Ini() const
    {
        std::ifstream file(theApp.m_pszProfileName, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
    DWORD Priority() const { return ::GetPriorityClass(::GetCurrentProcess()); }
};
}

TEST_F(OptionsTest, OkWithoutTouchingRewritesOnlyTheIdleTimeWithTwoDecimals)
{
    std::string expected = SavedIni();
    const std::string before = "AUTOHIDETIME=10.0\r\n";
    ASSERT_NE(expected.find(before), std::string::npos);
    expected.replace(expected.find(before), before.size(), "AUTOHIDETIME=10.00\r\n");
    bool helpShown = true, tabPageMade = true;
    Options([&](HWND sheet) {
        HWND help = ::GetDlgItem(sheet, IDHELP);
        helpShown = help && ::IsWindowVisible(help);
        tabPageMade = PropSheet_IndexToHwnd(sheet, kTab) != nullptr;
        Press(sheet, IDOK);
    });
    EXPECT_FALSE(helpShown);
    EXPECT_FALSE(tabPageMade) << "a page is made when it is first shown";
    EXPECT_EQ(Ini(), expected);

    // A page never shown is not validated: its value stays as it was read.
    dlg->m_settings.m_strAutoHideTime = "0.05";
    Options([](HWND sheet) { Press(sheet, IDOK); });
    EXPECT_EQ(dlg->m_settings.m_strAutoHideTime, "0.05");
}

TEST_F(OptionsTest, TheSheetOpensCentredOverTheMainWindow)
{
    dlg->MoveWindow(120, 90, 600, 500);
    RECT sheetRect = {};
    Options([&](HWND sheet) {
        ::GetWindowRect(sheet, &sheetRect);
        Press(sheet, IDCANCEL);
    });
    EXPECT_LE(std::abs((sheetRect.left + sheetRect.right) - 2 * 420), 1) << sheetRect.left;
    EXPECT_LE(std::abs((sheetRect.top + sheetRect.bottom) - 2 * 340), 1) << sheetRect.top;
}

TEST_F(OptionsTest, CancelAfterChangesLeavesEverySettingAndTheFileAsTheyWere)
{
    OpenTabs(2);
    const std::string before = SavedIni();
    const CString caption = TabText(1);
    HandleTrace trace;
    Options([](HWND sheet) {
        Type(sheet, IDC_GEN_FILE, "other.htm");
        Press(sheet, IDC_GEN_USEDEFAULT);
        Key(sheet, IDC_GEN_PRIORITY, VK_END);
        Show(sheet, kTab);
        Type(sheet, IDC_TAB_TEXTLENGTH, "0");
        Show(sheet, kSteals);
        Type(sheet, IDC_STL_MINUTES, "5");
        Key(sheet, IDC_STL_TRAYICON, VK_END);
        Show(sheet, kExpire);
        Type(sheet, IDC_XP_FILE, "other-expire.htm");
        Press(sheet, IDCANCEL);
    });
    EXPECT_EQ(trace.Survivors(), std::vector<std::string>{});
    EXPECT_EQ(Ini(), before);
    EXPECT_EQ(Priority(), static_cast<DWORD>(NORMAL_PRIORITY_CLASS));
    EXPECT_EQ(TabText(1), caption);
    EXPECT_EQ(SavedIni(), before) << "the settings in memory are unchanged too";
}

TEST_F(OptionsTest, OkPutsTheEditsInForceAtOnceAndWritesThem)
{
    OpenTabs(2);
    Fake(1)->FireTitleChange(L"日本語のページ");
    Command(ID_TAB_MULTILINE);
    const std::string bookmarks = WriteCollectionFile("<H3>Mine</H3><DL></DL>");
    const std::string expire = g_strStartDir.str() + "new-expire.htm";
    ::DeleteFileA(expire.c_str());
    Options([&](HWND sheet) {
        Type(sheet, IDC_GEN_FILE, bookmarks.c_str());
        Press(sheet, IDC_GEN_USEDEFAULT);
        Key(sheet, IDC_GEN_PRIORITY, VK_END);
        Show(sheet, kTab);
        Type(sheet, IDC_TAB_TEXTLENGTH, "0");
        Show(sheet, kSteals);
        Type(sheet, IDC_STL_MINUTES, "0.5");
        Show(sheet, kExpire);
        Type(sheet, IDC_XP_FILE, expire.c_str());
        Press(sheet, IDC_XP_USEDEFAULT);
        Press(sheet, IDOK);
    });
    EXPECT_EQ(DescribeMenu(CollectionPopupProbe::Menu(dlg->Popup())), "102 Mine\n101 タブの整理...\n") << "the new file's collections";
    EXPECT_EQ(dlg->ExpireList()->GetFilePath(), expire);
    EXPECT_NE(::GetFileAttributesA(expire.c_str()), INVALID_FILE_ATTRIBUTES) << "made as at start";
    ::DeleteFileA(expire.c_str());
    EXPECT_EQ(Priority(), static_cast<DWORD>(HIGH_PRIORITY_CLASS)) << "the slider's far right";
    EXPECT_EQ(TabText(0), "");
    EXPECT_EQ(TabText(1), "");
    EXPECT_EQ(dlg->m_settings.AutoHideMs(), 30000) << "what the next idle check compares with";
    EXPECT_TRUE(dlg->m_tabCtrl.GetStyle() & TCS_MULTILINE);
    const std::string ini = Ini();
    for (const char* line : { "PRIORITY=3\r\n", "TABTEXTLENGTH=0\r\n", "AUTOHIDETIME=0.50\r\n", "MULTILINETAB=1\r\n" })
        EXPECT_NE(ini.find(line), std::string::npos) << line;

    Options([](HWND sheet) {
        Key(sheet, IDC_GEN_PRIORITY, VK_LEFT);
        Press(sheet, IDOK);
    });
    EXPECT_EQ(Priority(), static_cast<DWORD>(ABOVE_NORMAL_PRIORITY_CLASS)) << "one step left of the far right";
}
