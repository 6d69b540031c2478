#include "collection/CollectionDlg.h"
#include "core/collection/BookmarkReader.h"
#include "core/collection/BookmarkWriter.h"
#include "core/collection/CollectionEdit.h"
#include "core/collection/CollectionNode.h"
#include "core/collection/CollectionNodeList.h"
#include "app/BrowserApp.h"
#include "tests/core/collection/TreeDump.h"
#include "tests/collection/TreeMouse.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/ScenePicture.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

using namespace CollectionEdit;

namespace {

struct TestCollectionDlg : CCollectionDlg {
    using CCollectionDlg::m_tree;
};

class ReadBack : public CollectionStore {
public:
    ReadBack() : CollectionStore([](const std::string&) {}) {}
};

std::string Contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Alpha [a1 a2 a3 Inner [i1]], Beta [b1]
std::string SampleFile()
{
    CollectionNodeList root;
    CollectionNode* alpha = root.Append(CollectionNode::MakeFolder("Alpha"));
    AppendLink(alpha, "a1", "http://a1/");
    AppendLink(alpha, "a2", "http://a2/");
    AppendLink(alpha, "a3", "http://a3/");
    AppendLink(AppendFolder(alpha, "Inner"), "i1", "http://i1/");
    AppendLink(root.Append(CollectionNode::MakeFolder("Beta")), "b1", "http://b1/");
    return BookmarkWriter::Write(&root);
}

class CollectionDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = g_strStartDir.str() + "organizer.htm";
        Write(SampleFile());
    }
    void TearDown() override
    {
        ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileA(path.c_str());
        ::DeleteFileA((path + ".tmp").c_str());
    }

    void Write(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

    INT_PTR Run(int mode, std::vector<std::function<void()>> steps, const char* name = "", const char* address = "")
    {
        dlg.reset(new TestCollectionDlg);
        dlg->m_nMode = mode;
        dlg->m_strCollectionFile = path;
        dlg->m_strName = name;
        dlg->m_strAddress = address;
        return RunModal(*dlg, std::move(steps));
    }
    INT_PTR Run(int mode, std::function<void()> script, const char* name = "", const char* address = "")
    {
        return Run(mode, std::vector<std::function<void()>>{ std::move(script) }, name, address);
    }

    CFolderTreeCtrl& tree() { return dlg->m_tree; }
    // The item at a path of labels such as "Alpha/Inner/i1".
    HTREEITEM Find(const std::string& labels)
    {
        HTREEITEM item = nullptr;
        std::istringstream parts(labels);
        std::string part;
        while (std::getline(parts, part, '/')) {
            // Opened on the way, as a user would to reach the item.
            if (item)
                tree().Expand(item, TVE_EXPAND);
            item = item ? tree().GetChildItem(item) : tree().GetRootItem();
            while (item && tree().GetItemText(item).str() != part)
                item = tree().GetNextSiblingItem(item);
            EXPECT_NE(item, nullptr) << labels;
        }
        return item;
    }
    CString Text(int id) const
    {
        char text[512] = "";
        ::GetDlgItemTextA(dlg->m_hWnd, id, text, sizeof text);
        return text;
    }
    void Type(int id, const char* text) { ::SetDlgItemTextA(dlg->m_hWnd, id, text); }
    void Leave(int id) { dlg->SendMessage(WM_COMMAND, MAKEWPARAM(id, EN_KILLFOCUS), (LPARAM)dlg->GetDlgItem(id)); }
    void Click(int id) { dlg->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)dlg->GetDlgItem(id)); }

    void Drag(HTREEITEM from, HTREEITEM onto) { TreeMouse{ tree() }.Drag(from, onto); }

    // What the tree shows with every folder opened, written as DumpTree
    // writes a tree read from a file.
    std::string Shown(HTREEITEM first = nullptr, int depth = 0)
    {
        std::string out;
        for (HTREEITEM item = first ? first : tree().GetRootItem(); item; item = tree().GetNextSiblingItem(item)) {
            tree().Expand(item, TVE_EXPAND);
            const CollectionNode* node = reinterpret_cast<CollectionNode*>(tree().GetItemData(item));
            out.append(2 * depth, ' ');
            if (tree().IsLink(item)) {
                out += Printable(tree().GetItemText(item).str()) + " -> " + Printable(node->url) + "\n";
                continue;
            }
            bool folderChild = false;
            for (HTREEITEM child = tree().GetChildItem(item); child; child = tree().GetNextSiblingItem(child))
                folderChild = folderChild || !tree().IsLink(child);
            out += "[" + Printable(tree().GetItemText(item).str()) + "] " + (folderChild ? "1" : "0") + "\n";
            if (HTREEITEM child = tree().GetChildItem(item))
                out += Shown(child, depth + 1);
        }
        return out;
    }
    std::string InFile()
    {
        ReadBack store;
        store.LoadFile(path, nullptr);
        return DumpTree(store.GetRoot(), TreeDumpOptions{ true, nullptr, nullptr });
    }

    std::string path;
    std::unique_ptr<TestCollectionDlg> dlg;
    MessageBoxWatch boxes;
};

}  // namespace

TEST_F(CollectionDlgTest, AddModeAppendsThePageToTheFolderOfTheSelection)
{
    EXPECT_EQ(Run(CCollectionDlg::kAdd, [&] {
        char title[64] = "";
        ::GetWindowTextA(dlg->m_hWnd, title, sizeof title);
        EXPECT_STREQ(title, "タブの追加");
        EXPECT_EQ(Text(IDC_COLL_MESSAGE), "タブコレクションにこのページを追加します");
        EXPECT_EQ(Text(IDC_COLL_NAME), "ページ");
        Click(IDOK);
    }, "ページ", "http://page/"), IDOK);
    EXPECT_EQ(InFile(), "[Alpha] 1\n  a1 -> http://a1/\n  a2 -> http://a2/\n  a3 -> http://a3/\n"
                        "  [Inner] 0\n    i1 -> http://i1/\n  " + Printable("ページ") + " -> http://page/\n"
                        "[Beta] 0\n  b1 -> http://b1/\n");

    EXPECT_EQ(Run(CCollectionDlg::kAdd, [&] {
        tree().SelectItem(Find("Alpha/Inner/i1"));
        EXPECT_EQ(Text(IDC_COLL_ADDRESS), "http://second/");
        Click(IDOK);
    }, "second", "http://second/"), IDOK);
    EXPECT_NE(InFile().find("    i1 -> http://i1/\n    second -> http://second/\n"), std::string::npos);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(CollectionDlgTest, AddModeRefusesAnEmptyAddressOrNoFolderAndStaysOpen)
{
    const std::string before = Contents(path);
    int stillOpen = 0;
    auto clickOK = [&] { Click(IDOK); };
    auto count = [&] { ++stillOpen; };
    EXPECT_EQ(Run(CCollectionDlg::kAdd, { clickOK, count }, "name", ""), IDCANCEL);
    EXPECT_EQ(Contents(path), before);
    Write("<DT><A HREF=\"http://top/\">top</A>\r\n" + SampleFile());
    const std::string linkFirst = Contents(path);
    EXPECT_EQ(Run(CCollectionDlg::kAdd, { clickOK, count }, "name", "http://x/"), IDCANCEL);
    EXPECT_EQ(Contents(path), linkFirst);
    EXPECT_EQ(stillOpen, 2);
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].text, "有効なリンクを入力してください");
    EXPECT_EQ(boxes.boxes[0].icon, (UINT)MB_ICONQUESTION);
    EXPECT_EQ(boxes.boxes[1].text, "追加先のフォルダがありません");
    EXPECT_EQ(boxes.boxes[1].icon, (UINT)MB_ICONSTOP);
}

// Edits count once the box is left, the selection moves, a label edit ends,
// or OK is pressed; folders never take an address.
TEST_F(CollectionDlgTest, OrganizeModeStoresWhatIsTyped)
{
    EXPECT_EQ(Run(CCollectionDlg::kOrganize, [&] {
        char title[64] = "";
        ::GetWindowTextA(dlg->m_hWnd, title, sizeof title);
        EXPECT_STREQ(title, "タブの整理");
        EXPECT_EQ(Text(IDC_COLL_MESSAGE), "タブコレクションを整理します");
        EXPECT_EQ(Text(IDC_COLL_NAME), "Alpha");
        EXPECT_EQ(Text(IDC_COLL_ADDRESS), "");
        Type(IDC_COLL_ADDRESS, "http://folder/");
        Leave(IDC_COLL_ADDRESS);
        tree().SelectItem(Find("Alpha/a2"));
        EXPECT_EQ(Text(IDC_COLL_NAME), "a2");
        Type(IDC_COLL_ADDRESS, "http://changed/");
        tree().SelectItem(Find("Alpha/a3"));

        HWND edit = tree().EditLabel(Find("Alpha/a3"));
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(::SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 255);
        ::SetWindowTextA(edit, "renamed");
        tree().SendMessage(TVM_ENDEDITLABELNOW, FALSE);
        EXPECT_EQ(Text(IDC_COLL_NAME), "renamed");
        tree().SelectItem(Find("Beta/b1"));

        Type(IDC_COLL_NAME, "typed");
        Click(IDOK);
    }), IDOK);
    EXPECT_EQ(InFile(), "[Alpha] 1\n  a1 -> http://a1/\n  a2 -> http://changed/\n  renamed -> http://a3/\n"
                        "  [Inner] 0\n    i1 -> http://i1/\n[Beta] 0\n  typed -> http://b1/\n");
}

// Leaving the box, the selection change that follows and OK each would have
// refused the same text; one refusal tells once and the text stays typed.
TEST_F(CollectionDlgTest, ATooLongNameIsRefusedOnceWhereItWasTyped)
{
    const std::string tooLong(256, 'n');
    EXPECT_EQ(Run(CCollectionDlg::kOrganize, [&] {
        tree().SelectItem(Find("Alpha/a1"));
        ::SetFocus(dlg->GetDlgItem(IDC_COLL_NAME));
        Type(IDC_COLL_NAME, tooLong.c_str());
        ::SetFocus(tree().m_hWnd);
        tree().SelectItem(Find("Alpha/a2"));
        EXPECT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(tree().GetSelectedItem(), Find("Alpha/a1"));
        EXPECT_EQ(Text(IDC_COLL_NAME), tooLong);
        EXPECT_EQ(::GetFocus(), dlg->GetDlgItem(IDC_COLL_NAME));
        Click(IDOK);
        EXPECT_EQ(boxes.boxes.size(), 2u) << "a second refusal tells again";
        Type(IDC_COLL_NAME, tooLong.substr(1).c_str());
        Click(IDOK);
    }), IDOK);
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].text, "255 バイト以内で入力してください。");
    EXPECT_NE(InFile().find("  " + tooLong.substr(1) + " -> http://a1/\n"), std::string::npos);
}

// Boxes and labels take 255 bytes; a label edit that took more keeps whole
// characters.
TEST_F(CollectionDlgTest, NamesAndAddressesTakeWhole255ByteTexts)
{
    EXPECT_EQ(Run(CCollectionDlg::kOrganize, [&] {
        for (int id : { IDC_COLL_NAME, IDC_COLL_ADDRESS })
            EXPECT_EQ(::SendDlgItemMessageA(dlg->m_hWnd, id, EM_GETLIMITTEXT, 0, 0), 255);
        tree().SelectItem(Find("Beta/b1"));
        HWND edit = tree().EditLabel(Find("Beta/b1"));
        ASSERT_NE(edit, nullptr);
        ::SetWindowTextA(edit, (std::string(254, 'w') + "日本").c_str());
        tree().SendMessage(TVM_ENDEDITLABELNOW, FALSE);
        EXPECT_EQ(Text(IDC_COLL_NAME), std::string(254, 'w'));
        Click(IDOK);
    }), IDOK);
    EXPECT_NE(InFile().find("  " + std::string(254, 'w') + " -> http://b1/\n"), std::string::npos);
}

TEST_F(CollectionDlgTest, MovesDeletesAndNewFoldersReachTheFileAsShown)
{
    std::string shown;
    EXPECT_EQ(Run(CCollectionDlg::kOrganize, [&] {
        Drag(Find("Alpha/a1"), Find("Alpha/a3"));          // after the third link
        Drag(Find("Alpha/a2"), Find("Alpha/a3"));          // onto the next item
        Drag(Find("Beta/b1"), Find("Alpha"));              // to the end of a folder
        Drag(Find("Alpha/Inner"), Find("Beta"));           // a branch
        // A refused drag leaves the boxes on the dragged item, where the
        // tree shows the selection.
        Drag(Find("Beta/Inner"), Find("Beta/Inner/i1"));
        EXPECT_EQ(Text(IDC_COLL_NAME), "Inner");

        tree().SelectItem(Find("Alpha"));
        dlg->SendMessage(WM_COMMAND, ID_DELETE_ITEM);      // top level: stays
        tree().SelectItem(Find("Beta/Inner"));
        Click(IDC_COLL_NEWFOLDER);
        HWND edit = tree().GetEditControl();
        ASSERT_NE(edit, nullptr);
        ::SetWindowTextA(edit, "New");
        tree().SendMessage(TVM_ENDEDITLABELNOW, FALSE);
        tree().SelectItem(Find("Beta/Inner/i1"));
        dlg->SendMessage(WM_COMMAND, ID_DELETE_ITEM);
        shown = Shown();
        Click(IDOK);
    }), IDOK);
    EXPECT_EQ(shown, "[Alpha] 0\n  a3 -> http://a3/\n  a2 -> http://a2/\n  a1 -> http://a1/\n  b1 -> http://b1/\n"
                     "[Beta] 1\n  [Inner] 1\n    [New] 0\n");
    EXPECT_EQ(InFile(), shown);
}

// Only the first folder is open at the start; the others take drops and new
// folders after what they already hold, and a never-opened branch moves whole.
TEST_F(CollectionDlgTest, FoldersNeverOpenedTakeDropsAndNewFoldersAfterTheirItems)
{
    CollectionNodeList root;
    CollectionNode* alpha = root.Append(CollectionNode::MakeFolder("Alpha"));
    AppendLink(alpha, "a1", "http://a1/");
    AppendLink(AppendFolder(alpha, "Inner"), "i1", "http://i1/");
    AppendLink(root.Append(CollectionNode::MakeFolder("Beta")), "b1", "http://b1/");
    AppendLink(root.Append(CollectionNode::MakeFolder("Gamma")), "g1", "http://g1/");
    Write(BookmarkWriter::Write(&root));
    std::string shown;
    EXPECT_EQ(Run(CCollectionDlg::kOrganize, [&] {
        HTREEITEM beta = tree().GetNextSiblingItem(tree().GetRootItem());
        HTREEITEM gamma = tree().GetNextSiblingItem(beta);
        TVITEMA button = {};
        button.mask = TVIF_CHILDREN;
        button.hItem = beta;
        EXPECT_TRUE(tree().GetItem(&button) && button.cChildren == 1) << "a closed folder shows its button";
        Drag(Find("Alpha/a1"), beta);
        Drag(Find("Alpha/Inner"), beta);
        tree().SelectItem(gamma);
        Click(IDC_COLL_NEWFOLDER);
        ASSERT_NE(tree().GetEditControl(), nullptr);
        ::SetWindowTextA(tree().GetEditControl(), "New");
        tree().SendMessage(TVM_ENDEDITLABELNOW, FALSE);
        shown = Shown();
        Click(IDOK);
    }), IDOK);
    EXPECT_EQ(shown, "[Alpha] 0\n[Beta] 1\n  b1 -> http://b1/\n  a1 -> http://a1/\n  [Inner] 0\n    i1 -> http://i1/\n"
                     "[Gamma] 1\n  g1 -> http://g1/\n  [New] 0\n");
    EXPECT_EQ(InFile(), shown);
}

TEST_F(CollectionDlgTest, CancelLeavesTheFileByteForByte)
{
    const std::string before = Contents(path);
    EXPECT_EQ(Run(CCollectionDlg::kOrganize, [&] {
        Drag(Find("Alpha/a1"), Find("Beta"));
        tree().SelectItem(Find("Alpha/Inner"));
        dlg->SendMessage(WM_COMMAND, ID_DELETE_ITEM);
        Type(IDC_COLL_NAME, "x");
        Click(IDCANCEL);
    }), IDCANCEL);
    EXPECT_EQ(Contents(path), before);
}

TEST_F(CollectionDlgTest, FailedSaveIsToldOnceAndOKCanBeRetried)
{
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    bool stillOpen = false;
    EXPECT_EQ(Run(CCollectionDlg::kAdd, { [&] { Click(IDOK); },
                                          [&] {
                                              stillOpen = true;
                                              ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                                              Click(IDOK);
                                          } },
                  "once", "http://once/"), IDOK);
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, path + "に書き込めません");
    EXPECT_EQ(boxes.boxes[0].icon, (UINT)MB_ICONSTOP);
    const std::string file = InFile();
    EXPECT_NE(file.find("once -> http://once/"), std::string::npos);
    EXPECT_EQ(file.find("once -> "), file.rfind("once -> "));
}

TEST_F(CollectionDlgTest, ResizingKeepsTheButtonsRightAndTheTreeFilling)
{
    Run(CCollectionDlg::kOrganize, [&] {
        for (int width : { 600, 300 }) {
            dlg->SetWindowPos(nullptr, 0, 0, width, 500, SWP_NOMOVE | SWP_NOZORDER);
            CRect client;
            dlg->GetClientRect(&client);
            auto rect = [&](int id) {
                CRect r;
                ::GetWindowRect(dlg->GetDlgItem(id), &r);
                ::MapWindowPoints(nullptr, dlg->m_hWnd, reinterpret_cast<POINT*>(&r), 2);
                return r;
            };
            for (int id : { IDOK, IDCANCEL, IDC_COLL_NEWFOLDER })
                EXPECT_EQ(client.right - rect(id).right, 12) << id;
            EXPECT_EQ(rect(IDC_COLL_TREE).right, client.right);
            EXPECT_EQ(rect(IDC_COLL_TREE).bottom, client.bottom);
            EXPECT_EQ(rect(IDC_COLL_NAME).right, rect(IDC_COLL_NEWFOLDER).left);
            EXPECT_EQ(rect(IDC_COLL_ADDRESS).right, rect(IDC_COLL_NEWFOLDER).left);
        }
        Click(IDCANCEL);
    });
}

// Many drags and deletes over a 200-node file, then OK: the file read back
// is the tree the dialog showed.
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
