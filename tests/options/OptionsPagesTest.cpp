// The option pages in a property sheet of their own, driven as a user would
// from inside the sheet's modal loop.
#include "options/PrExpirePage.h"
#include "options/PrGeneral.h"
#include "options/PrSteals.h"
#include "options/PrTab.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/SheetDriver.h"
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>

using namespace sheet;

namespace {

// The file dialog answers what the test says: a path, or nullptr for Cancel.
template <class Page>
class Answering : public Page {
public:
    using Page::Page;
    const char* answer = nullptr;
    BOOL ChooseFile(CString& path) override
    {
        if (!answer)
            return FALSE;
        path = answer;
        return TRUE;
    }
};

class TestPrSteals : public CPrSteals {
public:
    using CPrSteals::CPrSteals;
    using CPrSteals::m_hIcons;
};

// The four pages over one copy of the settings, as the options command makes them.
struct Pages {
    Settings settings;
    Answering<CPrGeneral> general{ settings };
    CPrTab tab{ settings };
    TestPrSteals steals{ settings };
    Answering<CPrExpirePage> expire{ settings };
};

enum { kGeneral, kTab, kSteals, kExpire };

// Shows the sheet with the four pages and runs the script on it.
INT_PTR RunSheet(Pages& pages, const std::function<void(HWND sheet)>& script)
{
    CPropertySheet sheet("詳細設定");
    sheet.AddPage(&pages.general);
    sheet.AddPage(&pages.tab);
    sheet.AddPage(&pages.steals);
    sheet.AddPage(&pages.expire);
    ModalScript run([&] { script(Find()); });
    const INT_PTR result = sheet.DoModal();
    EXPECT_TRUE(run.Ran());
    return result;
}

}

TEST(OptionsPages, NumbersOutsideTheirRangeAreRefusedOnTheirPage)
{
    Pages pages;
    MessageBoxWatch watch;
    std::string shownMinutes;
    bool focusOnEdit = false, stayed = false;
    float upperLimit = 0;
    RunSheet(pages, [&](HWND sheet) {
        Show(sheet, kSteals);
        shownMinutes = Text(sheet, IDC_STL_MINUTES);
        for (const char* text : { "0.05", "1441", "abc" }) {
            Type(sheet, IDC_STL_MINUTES, text);
            Press(sheet, IDOK);
        }
        stayed = Page(sheet) == pages.steals.m_hWnd;
        focusOnEdit = ::GetFocus() == ::GetDlgItem(Page(sheet), IDC_STL_MINUTES);
        Type(sheet, IDC_STL_MINUTES, "1440");
        Show(sheet, kTab);
        upperLimit = pages.settings.AutoHideMinutes();
        for (const char* text : { "64", "x" }) {
            Type(sheet, IDC_TAB_TEXTLENGTH, text);
            Show(sheet, kGeneral);
        }
        Type(sheet, IDC_TAB_TEXTLENGTH, "0");
        Show(sheet, kSteals);
        Type(sheet, IDC_STL_MINUTES, "0.1");
        Press(sheet, IDOK);
    });
    EXPECT_EQ(shownMinutes, "10");
    EXPECT_TRUE(stayed);
    EXPECT_TRUE(focusOnEdit);
    const std::vector<std::string> expected = {
        "0.1 から 1440 までの数値を入力してください。",
        "0.1 から 1440 までの数値を入力してください。",
        "数値を入力してください。",
        "0 から 63 までの整数を入力してください。",
        "0 以上の整数を入力してください。",
    };
    std::vector<std::string> shown;
    for (const auto& box : watch.boxes)
        shown.push_back(box.text);
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(upperLimit, 1440.0f);
    EXPECT_EQ(pages.settings.AutoHideMinutes(), 0.1f);
    EXPECT_EQ(pages.settings.m_nTabTextLength, 0);
}

TEST(OptionsPages, TheTrayIconPreviewFollowsItsSliderAtOnce)
{
    Pages pages;
    pages.settings.m_nTrayIcon = 1;
    int iconWhileShown = -1;
    HICON previewAtStart = nullptr, previewAfterMove = nullptr;
    RunSheet(pages, [&](HWND sheet) {
        Show(sheet, kSteals);
        HWND preview = ::GetDlgItem(Page(sheet), IDC_STL_ICONPREVIEW);
        previewAtStart = (HICON)::SendMessageA(preview, STM_GETICON, 0, 0);
        Key(sheet, IDC_STL_TRAYICON, VK_RIGHT);
        Key(sheet, IDC_STL_TRAYICON, VK_RIGHT);
        previewAfterMove = (HICON)::SendMessageA(preview, STM_GETICON, 0, 0);
        iconWhileShown = pages.settings.m_nTrayIcon;
        Press(sheet, IDOK);
    });
    EXPECT_EQ(previewAtStart, pages.steals.m_hIcons[1]);
    EXPECT_EQ(previewAfterMove, pages.steals.m_hIcons[3]);
    EXPECT_EQ(iconWhileShown, 1) << "the choice is taken when the page is left";
    EXPECT_EQ(pages.settings.m_nTrayIcon, 3);
}

TEST(OptionsPages, BrowseKeepsWhatWasTypedAndAChosenFileReplacesOnlyThePath)
{
    Pages pages;
    std::string afterCancel, afterChoice, expireAfterCancel;
    bool checkAfterCancel = true, checkAfterChoice = true;
    RunSheet(pages, [&](HWND sheet) {
        Type(sheet, IDC_GEN_FILE, "typed.htm");
        Press(sheet, IDC_GEN_USEDEFAULT);
        Press(sheet, IDC_GEN_BROWSE);
        afterCancel = Text(sheet, IDC_GEN_FILE);
        checkAfterCancel = Checked(sheet, IDC_GEN_USEDEFAULT);
        pages.general.answer = "C:\\dir\\chosen.html";
        Press(sheet, IDC_GEN_BROWSE);
        afterChoice = Text(sheet, IDC_GEN_FILE);
        checkAfterChoice = Checked(sheet, IDC_GEN_USEDEFAULT);
        Show(sheet, kExpire);
        Type(sheet, IDC_XP_FILE, "typed-expire.htm");
        Press(sheet, IDC_XP_BROWSE);
        expireAfterCancel = Text(sheet, IDC_XP_FILE);
        Press(sheet, IDOK);
    });
    EXPECT_EQ(afterCancel, "typed.htm");
    EXPECT_FALSE(checkAfterCancel);
    EXPECT_EQ(afterChoice, "C:\\dir\\chosen.html");
    EXPECT_FALSE(checkAfterChoice);
    EXPECT_EQ(expireAfterCancel, "typed-expire.htm");
    EXPECT_EQ(pages.settings.m_strBookmarkFile, "C:\\dir\\chosen.html");
    EXPECT_FALSE(pages.settings.m_bUseDefaultBookmarkFile);
    EXPECT_EQ(pages.settings.m_strExpirePageFile, "typed-expire.htm");
}

TEST(OptionsPages, BothSlidersRunOverTheirRangeAndAreTakenWhenThePageIsLeft)
{
    const struct {
        int page, slider;
        int Settings::*value;
        int highest;
    } sliders[] = {
        { kGeneral, IDC_GEN_PRIORITY, &Settings::m_nPriority, 3 },
        { kSteals, IDC_STL_TRAYICON, &Settings::m_nTrayIcon, 6 },
    };
    for (const auto& s : sliders) {
        Pages pages;
        int whileShown = -1;
        RunSheet(pages, [&](HWND sheet) {
            Show(sheet, s.page);
            Key(sheet, s.slider, VK_END);
            whileShown = pages.settings.*s.value;
            Show(sheet, kTab);
            Press(sheet, IDCANCEL);
        });
        EXPECT_EQ(whileShown, Settings().*s.value) << s.slider;
        EXPECT_EQ(pages.settings.*s.value, s.highest) << s.slider;
    }
}

namespace {
// The texts of a page's statics, check boxes and buttons that its control
// cannot show whole, measured in the control's own font.
std::vector<std::string> CutTexts(HWND page)
{
    std::vector<std::string> cut;
    for (HWND child = ::GetWindow(page, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        char kind[16] = "", text[256] = "";
        ::GetClassNameA(child, kind, sizeof kind);
        const LONG style = ::GetWindowLongA(child, GWL_STYLE);
        const bool isStatic = lstrcmpiA(kind, "Static") == 0 && (style & SS_TYPEMASK) <= SS_RIGHT;
        const bool isCheck = lstrcmpiA(kind, "Button") == 0 && (style & BS_TYPEMASK) == BS_AUTOCHECKBOX;
        if (!(isStatic || lstrcmpiA(kind, "Button") == 0) || ::GetWindowTextA(child, text, sizeof text) <= 0)
            continue;
        RECT room;
        ::GetClientRect(child, &room);
        // The box and the gap before a check box's text.
        if (isCheck)
            room.right -= ::GetSystemMetrics(SM_CXMENUCHECK) + 4;
        HDC dc = ::GetDC(child);
        HGDIOBJ font = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(child, WM_GETFONT, 0, 0)));
        RECT need = { 0, 0, room.right, 0 };
        ::DrawTextA(dc, text, -1, &need, DT_CALCRECT | (isStatic ? DT_WORDBREAK : DT_SINGLELINE));
        ::SelectObject(dc, font);
        ::ReleaseDC(child, dc);
        if (need.right > room.right || need.bottom > room.bottom)
            cut.push_back(text);
    }
    return cut;
}
}

TEST(OptionsPages, EveryTextIsShownWhole)
{
    Pages pages;
    std::vector<std::string> cut;
    RunSheet(pages, [&](HWND sheet) {
        for (int page = kGeneral; page <= kExpire; ++page) {
            Show(sheet, page);
            const std::vector<std::string> onPage = CutTexts(Page(sheet));
            cut.insert(cut.end(), onPage.begin(), onPage.end());
        }
        Press(sheet, IDCANCEL);
    });
    EXPECT_EQ(cut, std::vector<std::string>());
}
