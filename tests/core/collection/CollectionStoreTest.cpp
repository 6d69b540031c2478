#include "core/collection/BookmarkReader.h"
#include "core/collection/CollectionNode.h"
#include "core/collection/CollectionNodeList.h"
#include "core/collection/CollectionStore.h"
#include "core/FileReplace.h"
#include "tests/core/collection/TreeDump.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class RecordingStore : public CollectionStore {
public:
    RecordingStore() : CollectionStore([this](const std::string& text) { messages.push_back(text); }) {}
    std::vector<std::string> messages;
};

std::string Contents(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void Put(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::string DefaultFile(const std::string& title)
{
    return "<HTML>\n\r<HEAD>\n\r<TITLE>Quenvo Tab Correction</TITLE>\n\r</HEAD>\n\r<BODY>\n\r"
           "<H3>" + title + "</H3>\r\n<DL>\r\n</DL><P>\r\n"
           "</BODY>\n\r</HTML>\n\r";
}

class CollectionStoreTest : public testing::Test {
protected:
    void SetUp() override
    {
        auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        dir_ = fs::temp_directory_path() / ("quenvo-store-" + std::to_string(stamp));
        fs::create_directories(dir_);
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::permissions(dir_ / "Qvbookmark.htm", fs::perms::owner_all, ignored);
        fs::remove_all(dir_, ignored);
    }
    std::string PathOf(const char* name) const { return (dir_ / name).string(); }
    // A save leaves no temporary file behind, whether it worked or not.
    bool AnyTemporaryFile() const
    {
        for (const auto& entry : fs::directory_iterator(dir_))
            if (entry.path().extension() == ".tmp")
                return true;
        return false;
    }

    fs::path dir_;
};

}  // namespace

TEST_F(CollectionStoreTest, MissingFileIsCreatedWithTheDefaultFolderAndRead)
{
    RecordingStore collections;
    EXPECT_TRUE(collections.LoadFile(PathOf("Qvbookmark.htm"), nullptr));
    EXPECT_EQ(Contents(dir_ / "Qvbookmark.htm"), DefaultFile("Quenvo タブコレクション"));
    EXPECT_EQ(DumpTree(collections.GetRoot()), "[" + Printable("Quenvo タブコレクション") + "] 0\n");
    EXPECT_FALSE(AnyTemporaryFile());

    RecordingStore expire;
    EXPECT_TRUE(expire.LoadFile(PathOf("Qvexpire.htm"), kDefaultExpireTitle));
    EXPECT_EQ(Contents(dir_ / "Qvexpire.htm"), DefaultFile("Quenvo 無効ページ"));
    EXPECT_EQ(std::string(kDefaultExpireTitle), "Quenvo 無効ページ");
    EXPECT_TRUE(collections.messages.empty() && expire.messages.empty());
}

TEST_F(CollectionStoreTest, SavedTreeLoadsBackInAnotherStore)
{
    RecordingStore first;
    first.LoadFile(PathOf("Qvbookmark.htm"), nullptr);
    CollectionNode* folder = first.GetRoot()->Front();
    folder->children->Append(CollectionNode::MakeFolder("中"))->children->Append(
        CollectionNode::MakeLink("ページ", "http://example.jp/"));
    EXPECT_TRUE(first.SaveFile());
    EXPECT_FALSE(AnyTemporaryFile());

    RecordingStore second;
    EXPECT_TRUE(second.LoadFile(PathOf("Qvbookmark.htm"), nullptr));
    EXPECT_EQ(DumpTree(second.GetRoot()), DumpTree(first.GetRoot(), TreeDumpOptions{true, nullptr, nullptr}));
    EXPECT_EQ(second.GetFilePath(), PathOf("Qvbookmark.htm"));
}

TEST_F(CollectionStoreTest, WithoutAPathNothingIsWrittenOrShown)
{
    RecordingStore store;
    EXPECT_FALSE(store.SaveFile());
    EXPECT_FALSE(store.CreateDefaultFile("x"));
    EXPECT_TRUE(store.messages.empty());
    EXPECT_EQ(store.GetRoot(), nullptr);
}

// A directory in the file's place can be neither read nor replaced, on any
// system: the tree read before stays, and no temporary file is left.
TEST_F(CollectionStoreTest, UnreplaceableTargetIsReportedAndNothingLeftBehind)
{
    RecordingStore store;
    Put(dir_ / "old.htm", "<A HREF=\"u\">kept</A>");
    EXPECT_TRUE(store.LoadFile(PathOf("old.htm"), nullptr));
    fs::create_directory(dir_ / "Qvbookmark.htm");

    EXPECT_FALSE(store.LoadFile(PathOf("Qvbookmark.htm"), nullptr));
    EXPECT_EQ(DumpTree(store.GetRoot()), "kept -> u\n");
    EXPECT_FALSE(store.SaveFile());
    ASSERT_EQ(store.messages.size(), 1u);
    EXPECT_EQ(store.messages[0], PathOf("Qvbookmark.htm") + "に書き込めません");
    EXPECT_FALSE(AnyTemporaryFile());
    EXPECT_TRUE(fs::is_directory(dir_ / "Qvbookmark.htm"));
}

TEST_F(CollectionStoreTest, UnwritableTmpFileIsReportedAndTheTargetKept)
{
    const std::string old = DefaultFile("Old");
    Put(dir_ / "Qvbookmark.htm", old);
    RecordingStore store;
    EXPECT_TRUE(store.LoadFile(PathOf("Qvbookmark.htm"), nullptr));
    const fs::path temporary = TemporaryFilePath(PathOf("Qvbookmark.htm"), static_cast<unsigned long>(getpid()));
    fs::create_directory(temporary);
    fs::create_directory(temporary / "in the way");

    EXPECT_FALSE(store.SaveFile());
    ASSERT_EQ(store.messages.size(), 1u);
    EXPECT_EQ(store.messages[0], PathOf("Qvbookmark.htm") + "に書き込めません");
    EXPECT_EQ(Contents(dir_ / "Qvbookmark.htm"), old);
}

TEST_F(CollectionStoreTest, ReadOnlyTargetKeepsItsContent)
{
    const std::string old = DefaultFile("Old");
    Put(dir_ / "Qvbookmark.htm", old);
    RecordingStore store;
    EXPECT_TRUE(store.LoadFile(PathOf("Qvbookmark.htm"), nullptr));
    fs::permissions(dir_ / "Qvbookmark.htm",
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    store.GetRoot()->Front()->name = "New";

    EXPECT_FALSE(store.SaveFile());
    ASSERT_EQ(store.messages.size(), 1u);
    EXPECT_EQ(store.messages[0], PathOf("Qvbookmark.htm") + "に書き込めません");
    EXPECT_EQ(Contents(dir_ / "Qvbookmark.htm"), old);
    EXPECT_FALSE(AnyTemporaryFile());
}

// A save after a read that stopped early keeps the whole old file once, as
// "<file>.bak"; a file read whole is simply replaced.
TEST_F(CollectionStoreTest, SavingOverAFileReadInPartKeepsItAsBak)
{
    const std::string old = "<A HREF=\"a\">1</A></A><A HREF=\"b\">unread</A>";
    Put(dir_ / "Qvbookmark.htm", old);
    Put(dir_ / "Qvbookmark.htm.bak", "older");
    RecordingStore store;
    EXPECT_FALSE(store.LoadFile(PathOf("Qvbookmark.htm"), nullptr));
    EXPECT_EQ(DumpTree(store.GetRoot()), "1 -> a\n");

    EXPECT_TRUE(store.SaveFile());
    EXPECT_EQ(Contents(dir_ / "Qvbookmark.htm.bak"), old);
    store.GetRoot()->Front()->name = "changed";
    EXPECT_TRUE(store.SaveFile());
    EXPECT_EQ(Contents(dir_ / "Qvbookmark.htm.bak"), old);
    EXPECT_NE(Contents(dir_ / "Qvbookmark.htm").find("changed"), std::string::npos);

    RecordingStore whole;
    EXPECT_TRUE(whole.LoadFile(PathOf("whole.htm"), nullptr));
    EXPECT_TRUE(whole.LoadFile(PathOf("whole.htm"), nullptr));
    EXPECT_TRUE(whole.SaveFile());
    EXPECT_FALSE(fs::exists(dir_ / "whole.htm.bak"));

    // Text with no entry in it is no bookmark file to replace unasked, and
    // its head is not what the saved tree starts with.
    const std::string notes = "<TITLE>Notes</TITLE>\r\nplain text";
    Put(dir_ / "notes.htm", notes);
    RecordingStore none;
    EXPECT_TRUE(none.LoadFile(PathOf("notes.htm"), nullptr));
    EXPECT_TRUE(none.SaveFile());
    EXPECT_EQ(Contents(dir_ / "notes.htm.bak"), notes);
    EXPECT_EQ(Contents(dir_ / "notes.htm").find("Notes"), std::string::npos);
    EXPECT_TRUE(store.messages.empty() && whole.messages.empty() && none.messages.empty());
}

// The reader would stop at a folder nested deeper than it keeps, and the
// next save would lose the rest of the file: such a tree is not written.
TEST_F(CollectionStoreTest, ATreeTooDeepToReadBackIsReportedNotWritten)
{
    RecordingStore store;
    store.LoadFile(PathOf("Qvbookmark.htm"), nullptr);
    const std::string before = Contents(dir_ / "Qvbookmark.htm");
    CollectionNode* folder = store.GetRoot()->Front();
    for (std::size_t level = 1; level <= BookmarkReader::kMaxDepth; ++level)
        folder = folder->children->Append(CollectionNode::MakeFolder("d"));
    EXPECT_FALSE(store.SaveFile());
    EXPECT_EQ(store.messages, std::vector<std::string>{"フォルダの階層が深すぎます。"});
    EXPECT_EQ(Contents(dir_ / "Qvbookmark.htm"), before);
}

// A file that could not be read is not replaced by an empty tree.
TEST_F(CollectionStoreTest, AFileThatCouldNotBeReadIsNotReplaced)
{
    fs::create_directory(dir_ / "folder.htm");
    RecordingStore unread;
    EXPECT_FALSE(unread.LoadFile(PathOf("folder.htm"), kDefaultExpireTitle));
    EXPECT_FALSE(unread.SaveFile());
    EXPECT_EQ(unread.messages, std::vector<std::string>{PathOf("folder.htm") + "に書き込めません"});
    EXPECT_FALSE(AnyTemporaryFile());
}

// The store remembers what the file declared: saved again, a UTF-8 file stays
// UTF-8 with its byte order mark, and a file that declares nothing gets no
// declaration.
TEST_F(CollectionStoreTest, SavingKeepsTheFilesCharacterSet)
{
    const struct {
        std::string file;
        bool utf8;
        std::string entry;
    } rows[] = {
        {u8"\xEF\xBB\xBF<H3>日本 😀</H3>\r\n<DL>\r\n</DL><P>\r\n", true, u8"<H3>日本 😀</H3>"},
        {"<H3>日本</H3>\r\n<DL>\r\n</DL><P>\r\n", false, "<H3>日本</H3>"},
    };
    for (const auto& row : rows) {
        Put(dir_ / "Qvbookmark.htm", row.file);
        RecordingStore store;
        ASSERT_TRUE(store.LoadFile(PathOf("Qvbookmark.htm"), nullptr));
        ASSERT_TRUE(store.SaveFile());
        const std::string saved = Contents(dir_ / "Qvbookmark.htm");
        EXPECT_EQ(saved.compare(0, 3, "\xEF\xBB\xBF") == 0, row.utf8);
        EXPECT_EQ(saved.find("charset=UTF-8") != std::string::npos, row.utf8);
        EXPECT_NE(saved.find(row.entry), std::string::npos) << Printable(saved);
    }
}
