#include "tests/collection/CollectionDlgFixture.h"

using namespace CollectionEdit;

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

// By the keys alone, through the dialog's loop.
TEST_F(CollectionDlgTest, F2RenamesEnterEndsTheRenameNotTheDialogAndDeleteDeletes)
{
    auto on = [this](const char* item, WPARAM key) {
        return [this, item, key] {
            tree().SelectItem(Find(item));
            ::SetFocus(tree().m_hWnd);
            ::PostMessageA(tree().m_hWnd, WM_KEYDOWN, key, 1);
        };
    };
    bool stillOpen = false;
    EXPECT_EQ(Run(CCollectionDlg::kOrganize, { on("Alpha/a2", VK_F2), [&] {
            ASSERT_NE(tree().GetEditControl(), nullptr) << "F2 starts renaming";
            ::SetWindowTextA(tree().GetEditControl(), "renamed");
            ::PostMessageA(tree().GetEditControl(), WM_KEYDOWN, VK_RETURN, 1);
        }, on("Alpha/a3", VK_DELETE), on("Beta", VK_DELETE), [&] { stillOpen = true; Click(IDOK); } }), IDOK);
    EXPECT_TRUE(stillOpen) << "Enter closed the dialog";
    EXPECT_EQ(InFile(), "[Alpha] 1\n  a1 -> http://a1/\n  renamed -> http://a2/\n  [Inner] 0\n    i1 -> http://i1/\n"
                        "[Beta] 0\n  b1 -> http://b1/\n");
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
