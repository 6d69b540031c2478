// The main window's two ways into the collection organizer.
#include "tests/browser/MainDlgFixture.h"
#include "collection/FolderTreeCtrl.h"
#include "tests/collection/CollectionMenuProbe.h"
#include "tests/collection/TreeMouse.h"
#include "tests/core/collection/TreeDump.h"
#include "tests/support/ModalDriver.h"
#include <fstream>
#include <sstream>

namespace {

class MainDlgOrganizerTest : public MainDlgTest {
protected:
    void SetUp() override
    {
        path = g_strStartDir.str() + "Qvbookmark.htm";
        WriteCollectionFile("<H3>Alpha</H3><DL><A HREF=\"http://a1/\">a1</A><H3>Inner</H3><DL></DL></DL>"
                            "<H3>Beta</H3><DL></DL>", "Qvbookmark.htm");
        MainDlgTest::SetUp();
    }
    void TearDown() override
    {
        MainDlgTest::TearDown();
        ::DeleteFileA(path.c_str());
    }

    std::string FileBytes() const
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    CString Text(int id) const
    {
        char text[256] = "";
        ::GetDlgItemTextA(ModalDialog()->m_hWnd, id, text, sizeof text);
        return text;
    }
    void Click(int id) const { ModalDialog()->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED)); }
    CFolderTreeCtrl& Tree() const
    {
        return *static_cast<CFolderTreeCtrl*>(CWnd::FromHandlePermanent(ModalDialog()->GetDlgItem(IDC_COLL_TREE)));
    }

    std::string path;
    MessageBoxWatch boxes;
};

}  // namespace

TEST_F(MainDlgOrganizerTest, AddPageTakesTheRightClickedTabAndOKReloadsTheTree)
{
    OpenTabs(2);
    Fake(0)->locationName = L"current";
    Fake(0)->locationURL = L"http://current/";
    Fake(1)->locationName = L"右クリック";
    Fake(1)->locationURL = L"http://clicked/";
    dlg->SelectTab(0);
    CString name, address;
    PlayInModal([&] { dlg->OnTabCommand(ID_ADD_TO_COLLECTION, 1); }, { [&] {
        name = Text(IDC_COLL_NAME);
        address = Text(IDC_COLL_ADDRESS);
        Click(IDOK);
    } });
    EXPECT_EQ(name, "右クリック");
    EXPECT_EQ(address, "http://clicked/");
    EXPECT_EQ(DumpTree(CollectionPopupProbe::Collection(dlg->Popup())->GetRoot()),
              "[Alpha] 1\n  a1 -> http://a1/\n  [Inner] 0\n  " + Printable("右クリック") + " -> http://clicked/\n"
              "[Beta] 0\n");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MainDlgOrganizerTest, OrganizeRebuildsThePopupOnOKAndLeavesEverythingOnCancel)
{
    const std::string file = FileBytes();
    const CollectionNodeList* tree = CollectionPopupProbe::Collection(dlg->Popup())->GetRoot();
    const HMENU popup = CollectionPopupProbe::Menu(dlg->Popup());
    const std::string menu = DescribeMenu(popup);
    PlayInModal([&] { Command(ID_ORGANIZE_COLLECTIONS); }, { [&] {
        TreeMouse{ Tree() }.Drag(Tree().GetChildItem(Tree().GetRootItem()), Tree().GetNextSiblingItem(Tree().GetRootItem()));
        Tree().SelectItem(Tree().GetChildItem(Tree().GetRootItem()));
        ModalDialog()->SendMessage(WM_COMMAND, ID_DELETE_ITEM);
        Click(IDC_COLL_NEWFOLDER);
        Click(IDCANCEL);
    } });
    EXPECT_EQ(FileBytes(), file);
    EXPECT_EQ(CollectionPopupProbe::Collection(dlg->Popup())->GetRoot(), tree);
    EXPECT_EQ(CollectionPopupProbe::Menu(dlg->Popup()), popup);
    EXPECT_EQ(DescribeMenu(CollectionPopupProbe::Menu(dlg->Popup())), menu);

    PlayInModal([&] { Command(ID_ORGANIZE_COLLECTIONS); }, { [&] {
        Tree().SelectItem(Tree().GetNextSiblingItem(Tree().GetRootItem()));
        Click(IDC_COLL_NEWFOLDER);
        Tree().SendMessage(TVM_ENDEDITLABELNOW, FALSE);
        Click(IDOK);
    } });
    EXPECT_EQ(DescribeMenu(CollectionPopupProbe::Menu(dlg->Popup())),
              "104 Alpha >\n  103 Alpha\n  0 \n  102 Inner\n106 Beta >\n  105 " + std::string("新しいフォルダ") +
                  "\n101 タブの整理...\n");
}
