#include "core/IniDocument.h"
#include "core/Settings.h"
#include <gtest/gtest.h>
#include <string>

namespace {
// A file as a user may leave it: a comment before any section, odd spacing
// and letter case, a key without '=', a blank line ending a section, a
// second section of the same name and a last line without its end.
const char kOddFile[] =
    "; kept by hand\r\n"
    "[Other]\r\n"
    "x = 1\r\n"
    "\r\n"
    "  [ setting ]  \r\n"
    "  savelasttab =  0 \r\n"
    "Unknown=keep me\r\n"
    "novalue\r\n"
    "\r\n"
    "[TAB]\n"
    "count=9\n"
    "[SETTING]\r\n"
    "SAVELASTTAB=7\r\n"
    "; last";
}

TEST(IniDocument, ParsedTextSerializesByteForByte)
{
    IniDocument doc;
    ASSERT_TRUE(doc.Parse(kOddFile));
    EXPECT_EQ(doc.Serialize(), kOddFile);
    ASSERT_TRUE(doc.Parse(""));
    EXPECT_EQ(doc.Serialize(), "");
    EXPECT_FALSE(doc.Parse(std::string("\xFF\xFE[\0S\0", 6))) << "a UTF-16 file is not edited";
}

// Keys are found as the profile functions find them, in the first section
// of a name; a changed key keeps its line and the spelling of its name, new
// keys go after the section's last line that is not blank, a new section at
// the end, and what the program does not own is left alone.
TEST(IniDocument, ChangesTouchOnlyTheirOwnLines)
{
    IniDocument doc;
    ASSERT_TRUE(doc.Parse(kOddFile));
    ASSERT_NE(doc.Find("SETTING", "SaveLastTab"), nullptr);
    EXPECT_EQ(*doc.Find("SETTING", "SaveLastTab"), "0");
    EXPECT_EQ(doc.Find("SETTING", "novalue") ? *doc.Find("SETTING", "novalue") : "absent", "absent")
        << "the profile functions read a key without '=' as absent";
    EXPECT_EQ(doc.Find("SETTING", "missing"), nullptr);

    doc.WriteInt("SETTING", "SAVELASTTAB", 1);
    doc.WriteString("SETTING", "BOOKMARKFILE", " C:\\a b\\x.htm ");
    doc.WriteInt("TAB", "COUNT", 2);
    doc.WriteString("TAB", "URL000", "http://a/\r\nb");
    doc.Remove("Other", "X");
    doc.WriteInt("NEW", "K", -5);
    EXPECT_EQ(doc.Serialize(),
              "; kept by hand\r\n"
              "[Other]\r\n"
              "\r\n"
              "  [ setting ]  \r\n"
              "savelasttab=1\r\n"
              "Unknown=keep me\r\n"
              "novalue\r\n"
              "BOOKMARKFILE= C:\\a b\\x.htm \r\n"
              "\r\n"
              "[TAB]\n"
              "count=2\n"
              "URL000=http://a/b\r\n"
              "[SETTING]\r\n"
              "SAVELASTTAB=7\r\n"
              "; last\r\n"
              "[NEW]\r\n"
              "K=-5\r\n");
    EXPECT_EQ(doc.ReadInt("new", "k", 0), -5);
}

// The settings written into an empty file read back whole, one line a key in
// table order; quotes around a whole value are dropped on reading.
TEST(IniDocument, SettingsWrittenIntoItReadBack)
{
    Settings written;
    written.m_nLeft = -20;
    written.m_strBookmarkFile = "'D:\\bm.htm'";
    written.m_strAutoHideTime = "2.50";
    IniDocument doc;
    written.Save(doc);
    const std::string text = doc.Serialize();
    EXPECT_EQ(text.compare(0, 30, "[SETTING]\r\nSAVELASTTAB=0\r\nSTEA"), 0) << text;
    EXPECT_NE(text.find("\r\nLEFT=-20\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nBOOKMARKFILE='D:\\bm.htm'\r\n"), std::string::npos);

    Settings read;
    read.Load(doc);
    EXPECT_EQ(read.m_nLeft, -20);
    EXPECT_EQ(read.m_strBookmarkFile, "D:\\bm.htm");
    EXPECT_EQ(read.m_strAutoHideTime, "2.50");
    EXPECT_EQ(read.m_nPriority, written.m_nPriority);
}

// A file an editor saved as UTF-8 with a byte order mark keeps its mark and
// its one section; its values are read and written in code page 932, an
// unchanged value keeps its bytes, and a character code page 932 has not
// reads percent-encoded. A UTF-16 file is not taken at all.
TEST(IniDocument, AByteOrderMarkIsKeptAndUtf16IsRefused)
{
    const std::string bom = "\xEF\xBB\xBF";
    const std::string path = "C:\\\xE6\x97\xA5\xE6\x9C\xAC\\\xF0\x9F\x98\x80.htm";  // C:\日本\😀.htm
    const struct {
        std::string file;
        bool taken;
        std::string read;
        std::string afterWrites;
    } rows[] = {
        { bom + "[SETTING]\r\nBOOKMARKFILE=" + path + "\r\n", true, "C:\\\x93\xFA\x96\x7B\\%F0%9F%98%80.htm",
          bom + "[SETTING]\r\nBOOKMARKFILE=" + path + "\r\nNEW=\xE6\x97\xA5\r\n" },
        { "[SETTING]\r\nBOOKMARKFILE=C:\\\x93\xFA\r\n", true, "C:\\\x93\xFA",
          "[SETTING]\r\nBOOKMARKFILE=C:\\\x93\xFA\r\nNEW=\x93\xFA\r\n" },
        { std::string("\xFF\xFE[\0S\0", 6), false, "-", "" },
        { std::string("\xFE\xFF\0[\0S", 6), false, "-", "" },
    };
    for (const auto& row : rows) {
        IniDocument doc;
        EXPECT_EQ(doc.Parse(row.file), row.taken);
        const std::string read = doc.ReadString("SETTING", "BOOKMARKFILE", "-");
        EXPECT_EQ(read, row.read);
        if (!row.taken)
            continue;
        EXPECT_EQ(doc.Serialize(), row.file);
        doc.WriteString("SETTING", "BOOKMARKFILE", read);
        doc.WriteString("SETTING", "NEW", "\x93\xFA");
        EXPECT_EQ(doc.Serialize(), row.afterWrites);
    }
}
