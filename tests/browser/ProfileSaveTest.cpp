// When the main window writes its INI file: a short while after changes, at
// the end of the session, and what a write that fails shows.
#include "core/FileReplace.h"
#include "core/IniDocument.h"
#include "core/SavedTabs.h"
#include "tests/browser/MainDlgFixture.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/ScenePicture.h"
#include <string>

namespace {
class ProfileSaveTest : public MainDlgTest {
protected:
    const char* Path() const { return theApp.m_pszProfileName; }
    bool FileThere() const { return ::GetFileAttributesA(Path()) != INVALID_FILE_ATTRIBUTES; }
    std::string Read(const char* section, const char* key) const
    {
        std::string text;
        IniDocument doc;
        if (!ReadWholeFile(Path(), text) || !doc.Parse(text) || !doc.Find(section, key))
            return "<absent>";
        return *doc.Find(section, key);
    }
    void ReadOnly(bool on) const
    {
        ::SetFileAttributesA(Path(), on ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
    }
};
}

// One timer, restarted by every change: nothing is written until changes
// stop for about two seconds, then the file is written once, and not again
// while nothing changes. The open tabs go into the session; the default tab
// set is not touched.
TEST_F(ProfileSaveTest, ChangesAreWrittenOnceAShortWhileAfterTheLastOne)
{
    dlg->m_settings.m_bSaveLastTab = TRUE;
    ASSERT_TRUE(dlg->AddRestoredTab("http://a.example/"));
    PumpFor(1500);
    ASSERT_TRUE(dlg->AddRestoredTab("http://b.example/"));
    PumpFor(1000);
    EXPECT_FALSE(FileThere()) << "the second change restarted the wait";
    PumpFor(1500);
    ASSERT_TRUE(FileThere());
    EXPECT_EQ(Read("SESSION", "COUNT"), std::to_string(dlg->GetTabCount()));
    EXPECT_EQ(Read("SESSION", TabUrlKey(dlg->GetTabCount() - 1).c_str()), "http://b.example/");
    EXPECT_EQ(Read("TAB", "COUNT"), "<absent>");
    EXPECT_EQ(Read("SETTING", "SAVELASTTAB"), "1");

    ::DeleteFileA(Path());
    PumpFor(2500);
    EXPECT_FALSE(FileThere()) << "written again with nothing changed";
}

// With the tab set not saved at exit, a change writes the settings only: the
// default tab set stays as "save as default" left it.
TEST_F(ProfileSaveTest, WithoutSaveAtExitTheTabSetIsLeftAlone)
{
    ::WritePrivateProfileStringA("TAB", "COUNT", "1", Path());
    ::WritePrivateProfileStringA("TAB", "URL000", "http://kept.example/", Path());
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, Path());
    Command(ID_TAB_MULTILINE);
    ASSERT_TRUE(dlg->AddRestoredTab("http://new.example/"));
    PumpFor(2500);
    EXPECT_EQ(Read("SETTING", "MULTILINETAB"), "1");
    EXPECT_EQ(Read("TAB", "COUNT"), "1");
    EXPECT_EQ(Read("TAB", "URL000"), "http://kept.example/");
}

// The session's end is allowed; when it is confirmed, the settings and the
// tab set are written, and nothing is shown even when that fails.
TEST_F(ProfileSaveTest, EndOfSessionWritesEverythingAndShowsNothing)
{
    dlg->m_settings.m_bSaveLastTab = TRUE;
    ASSERT_TRUE(dlg->AddRestoredTab("http://end.example/"));
    EXPECT_EQ(dlg->SendMessage(WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    EXPECT_FALSE(FileThere());
    dlg->SendMessage(WM_ENDSESSION, FALSE, 0);
    EXPECT_FALSE(FileThere()) << "an end that was called off writes nothing";

    MessageBoxWatch watch;
    dlg->SendMessage(WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(Read("SETTING", "SAVELASTTAB"), "1");
    EXPECT_EQ(Read("TAB", TabUrlKey(dlg->GetTabCount() - 1).c_str()), "http://end.example/");
    EXPECT_EQ(Read("SESSION", "COUNT"), "<absent>") << "an end that completes leaves no session";

    dlg->m_settings.m_bMultiLineTab = TRUE;
    ReadOnly(true);
    dlg->SendMessage(WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    ReadOnly(false);
    EXPECT_TRUE(watch.boxes.empty());
    EXPECT_EQ(Read("SETTING", "MULTILINETAB"), "0");
}

// A write that fails is told once, naming the file, until one succeeds.
TEST_F(ProfileSaveTest, AFailedWriteIsToldOnceUntilAWriteSucceeds)
{
    dlg->SaveSettings();
    ReadOnly(true);
    MessageBoxWatch watch;
    dlg->m_settings.m_bMultiLineTab = TRUE;
    dlg->SaveSettings();
    dlg->m_settings.m_bPinnedStatic = TRUE;
    dlg->SaveSettings();
    ASSERT_EQ(watch.boxes.size(), 1u);
    EXPECT_EQ(watch.boxes[0].text, std::string(Path()) + "に書き込めません");
    EXPECT_EQ(watch.boxes[0].icon, UINT(MB_ICONSTOP));
    ReadOnly(false);
    dlg->SaveSettings();
    EXPECT_EQ(Read("SETTING", "PINNEDSTATIC"), "1");
    ReadOnly(true);
    dlg->m_settings.m_bPinnedStatic = FALSE;
    dlg->SaveSettings();
    ReadOnly(false);
    EXPECT_EQ(watch.boxes.size(), 2u);
}
