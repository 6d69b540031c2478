// The organizer over large, generated and deep files.
#include "tests/collection/CollectionDlgFixture.h"

using namespace CollectionEdit;

TEST_F(CollectionDlgTest, RoundTripOfA200NodeFile)
{
    CollectionNodeList root;
    for (int f = 0; f < 8; ++f) {
        CollectionNode* folder = root.Append(CollectionNode::MakeFolder("F" + std::to_string(f)));
        for (int s = 0; s < 3; ++s) {
            CollectionNode* sub = AppendFolder(folder, "S" + std::to_string(f) + std::to_string(s));
            for (int l = 0; l < 7; ++l) {
                const std::string name = "L" + std::to_string(f) + std::to_string(s) + std::to_string(l);
                AppendLink(sub, name, "http://" + name + "/");
            }
        }
    }
    Write(BookmarkWriter::Write(&root));
    std::string shown;
    EXPECT_EQ(Run(CCollectionDlg::kOrganize, [&] {
        // Folders fill as they open: drags land on closed, never-opened ones too.
        ASSERT_LT(tree().GetCount(), 200u);
        unsigned seed = 12345;
        auto next = [&](unsigned range) { seed = seed * 1103515245u + 12345u; return (seed >> 8) % range; };
        // A random item, found by a random walk down: the control looks
        // every item up in a list of all items, so a walk over the whole
        // tree would cost a tenth of a second under Wine.
        auto pick = [&] {
            for (HTREEITEM first = tree().GetRootItem();;) {
                std::vector<HTREEITEM> level;
                for (HTREEITEM item = first; item; item = tree().GetNextSiblingItem(item))
                    level.push_back(item);
                HTREEITEM item = level[next(static_cast<unsigned>(level.size()))];
                first = tree().GetChildItem(item);
                if (!first || next(3) == 0)
                    return item;
            }
        };
        for (int step = 0; step < 40; ++step) {
            if (step % 5 == 4) {
                tree().SelectItem(pick());
                dlg->SendMessage(WM_COMMAND, ID_DELETE_ITEM);
            } else {
                HTREEITEM from = pick();
                Drag(from, pick());
            }
        }
        shown = Shown();
        Click(IDOK);
    }), IDOK);
    EXPECT_EQ(InFile(), shown);
    EXPECT_LT(std::count(shown.begin(), shown.end(), '\n'), 200);
}

// Not a check: the organizer in both modes over nested folders with
// Japanese names in a UTF-8 file, once during a drag, saved as organizer-add.bmp,
// organizer-organize.bmp and organizer-drag.bmp in the current directory.
// Run it on a prefix with a display, with --gtest_also_run_disabled_tests.
TEST_F(CollectionDlgTest, DISABLED_Scenes)
{
    CollectionNodeList root;
    CollectionNode* news = root.Append(CollectionNode::MakeFolder("ニュース"));
    CollectionNode* home = AppendFolder(news, "国内");
    AppendLink(home, "政治のページ", "http://news.example.jp/politics/");
    AppendLink(home, "経済のページ", "http://news.example.jp/economy/");
    AppendLink(AppendFolder(news, "海外"), "世界のニュース", "http://news.example.jp/world/");
    AppendLink(root.Append(CollectionNode::MakeFolder("天気")), "週間予報", "http://weather.example.jp/week/");
    CollectionNode* hobby = root.Append(CollectionNode::MakeFolder("趣味"));
    AppendLink(AppendFolder(hobby, "料理"), "今日の献立", "http://food.example.jp/today/");
    // A UTF-8 file, as browsers export them.
    Write(BookmarkWriter::Write(&root, BookmarkCharset::kUtf8Bom));
    // A repaint now would cover a drag image.
    auto picture = [&](const char* file, bool repaint = true) {
        if (repaint)
            ::RedrawWindow(dlg->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpFor(400);
        SaveWindowPicture(dlg->m_hWnd, file);
    };
    auto expandAll = [&] {
        ::SetFocus(tree().m_hWnd);
        for (const char* folder : { "ニュース", "ニュース/国内", "ニュース/海外", "天気", "趣味", "趣味/料理" })
            tree().Expand(Find(folder), TVE_EXPAND);
    };
    Run(CCollectionDlg::kAdd, [&] {
        expandAll();
        tree().SelectItem(Find("ニュース/国内"));
        picture("organizer-add.bmp");
    }, "天気予報 - 東京", "http://weather.example.jp/tokyo/");
    Run(CCollectionDlg::kOrganize, { [&] {
        expandAll();
        tree().SelectItem(Find("ニュース/国内/経済のページ"));
        picture("organizer-organize.bmp");
    }, [&] {
        TreeMouse mouse{ tree() };
        mouse.BeginDrag(Find("天気/週間予報"));
        const CPoint p = mouse.Center(Find("ニュース/海外"));
        mouse.MoveTo(CPoint(p.x + 14, p.y + 5));
        picture("organizer-drag.bmp", false);
        tree().SendMessage(WM_KEYDOWN, VK_ESCAPE);
    } });
}

// The deepest file the reader keeps: the organizer fills, drags, writes and
// closes it without following its depth on the call stack.
TEST_F(CollectionDlgTest, TheDeepestFileOpensDragsAndCloses)
{
    std::string text = "<H3>Other</H3><DL></DL>";
    for (std::size_t i = 0; i < BookmarkReader::kMaxDepth; ++i)
        text += "<H3>d</H3><DL>";
    text += "<DT><A HREF=\"http://deep/\">deep</A>";
    for (std::size_t i = 0; i < BookmarkReader::kMaxDepth; ++i)
        text += "</DL>";
    Write(text);
    EXPECT_EQ(Run(CCollectionDlg::kOrganize, [&] {
        HTREEITEM branch = Find("d/d");
        Drag(branch, Find("Other"));
        Click(IDOK);
    }), IDOK);
    std::string moved = "[Other] 1\n";
    for (std::size_t i = 1; i < BookmarkReader::kMaxDepth; ++i)
        moved += std::string(2 * i, ' ') + "[d] " + (i + 1 < BookmarkReader::kMaxDepth ? "1\n" : "0\n");
    moved += std::string(2 * BookmarkReader::kMaxDepth, ' ') + "deep -> http://deep/\n[d] 0\n";
    EXPECT_EQ(InFile(), moved);
}

// Nothing nests below the deepest level a file keeps: a new folder or a
// folder dropped there is refused aloud, and the tree and the file stay.
TEST_F(CollectionDlgTest, FoldersBelowTheDeepestLevelAreRefused)
{
    std::string text = "<H3>Other</H3><DL></DL>";
    std::string deepest = "d";
    for (std::size_t i = 0; i < BookmarkReader::kMaxDepth; ++i)
        text += "<H3>d</H3><DL>";
    for (std::size_t i = 1; i < BookmarkReader::kMaxDepth; ++i)
        deepest += "/d";
    for (std::size_t i = 0; i < BookmarkReader::kMaxDepth; ++i)
        text += "</DL>";
    Write(text);
    const std::string before = InFile();
    EXPECT_EQ(Run(CCollectionDlg::kOrganize, [&] {
        HTREEITEM last = Find(deepest);
        tree().SelectItem(last);
        Click(IDC_COLL_NEWFOLDER);
        EXPECT_EQ(tree().GetEditControl(), nullptr);
        Drag(Find("Other"), last);
        EXPECT_EQ(tree().GetChildItem(last), nullptr);
        EXPECT_EQ(tree().GetItemText(tree().GetRootItem()).str(), "Other");
        Click(IDOK);
    }), IDOK);
    ASSERT_EQ(boxes.boxes.size(), 2u);
    for (const MessageBoxWatch::Box& box : boxes.boxes) {
        EXPECT_EQ(box.text, "フォルダの階層が深すぎます。");
        EXPECT_EQ(box.icon, (UINT)MB_ICONSTOP);
    }
    EXPECT_EQ(InFile(), before);
}
