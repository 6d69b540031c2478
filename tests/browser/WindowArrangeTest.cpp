// The arrangement commands on the real main window against the system's work area.
#include "app/BrowserApp.h"
#include "browser/MainDlg.h"
#include "tests/support/FakeWebBrowser.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

class WindowArrangeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FakeWebBrowser::Register();
        // A profile that does not exist: defaults only, and no placement to apply.
        char temp[MAX_PATH] = "";
        ::GetTempPathA(sizeof temp, temp);
        m_savedProfile = theApp.m_pszProfileName;
        theApp.m_pszProfileName = _strdup((std::string(temp) + "qv-arrange-absent.ini").c_str());
        dlg = std::make_unique<CMainDlg>(nullptr, g_strStartDir);
        ASSERT_TRUE(dlg->Create(CMainDlg::IDD));
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    }

    void TearDown() override
    {
        dlg->DestroyWindow();
        dlg.reset();
        std::free(theApp.m_pszProfileName);
        theApp.m_pszProfileName = m_savedProfile;
    }

    void Place(int x, int y, int cx, int cy)
    {
        ::SetWindowPos(dlg->m_hWnd, nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT Arrange(UINT id)
    {
        dlg->SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
        RECT r;
        ::GetWindowRect(dlg->m_hWnd, &r);
        return r;
    }
    static std::string Text(const RECT& r)
    {
        return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
               std::to_string(r.bottom);
    }

    std::unique_ptr<CMainDlg> dlg;
    RECT work = {};

private:
    char* m_savedProfile = nullptr;
};

TEST_F(WindowArrangeTest, EachCommandStretchesOrSlidesAgainstTheWorkArea)
{
    const int x = work.left + 50, y = work.top + 40, cx = 300, cy = 200;
    struct Case { UINT id; RECT expected; } cases[] = {
        { ID_ARRANGE_MAX_VERT, { x, work.top, x + cx, work.bottom } },
        { ID_ARRANGE_MAX_HORZ, { work.left, y, work.right, y + cy } },
        { ID_ARRANGE_LEFT, { work.left, y, work.left + cx, y + cy } },
        { ID_ARRANGE_RIGHT, { work.right - cx, y, work.right, y + cy } },
        { ID_ARRANGE_TOP, { x, work.top, x + cx, work.top + cy } },
        { ID_ARRANGE_BOTTOM, { x, work.bottom - cy, x + cx, work.bottom } },
    };
    for (const Case& c : cases) {
        Place(x, y, cx, cy);
        EXPECT_EQ(Text(Arrange(c.id)), Text(c.expected)) << c.id;
    }
}

TEST_F(WindowArrangeTest, AWindowTallerThanTheWorkAreaKeepsItsHeight)
{
    Place(work.left + 10, work.top + 10, 300, work.bottom - work.top + 30);
    RECT before;
    ::GetWindowRect(dlg->m_hWnd, &before);
    ASSERT_GT(before.bottom - before.top, work.bottom - work.top) << "the system refused the tall window";
    const RECT after = Arrange(ID_ARRANGE_TOP);
    EXPECT_EQ(after.top, work.top);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
    EXPECT_GT(after.bottom, work.bottom);
}

}
