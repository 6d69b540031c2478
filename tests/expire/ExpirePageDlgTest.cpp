// The expire-page dialog run modally against real files in a folder of its own.
#include "app/BrowserApp.h"
#include "expire/ExpirePageDlg.h"
#include "tests/support/ModalDriver.h"
#include <gtest/gtest.h>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

class ExpireDlgProbe : public CExpirePageDlg {
public:
    using CExpirePageDlg::m_list;
};

using Links = std::vector<std::pair<std::string, std::string>>;

std::string ExpireFile(const Links& links, const std::string& before = "<H3>Quenvo 無効ページ</H3>\r\n<DL>\r\n",
                       const std::string& after = "</DL><P>\r\n")
{
    std::string text = "<HTML>\n\r<HEAD>\n\r<TITLE>Quenvo Tab Correction</TITLE>\n\r</HEAD>\n\r<BODY>\n\r" + before;
    for (const auto& link : links)
        text += "\t<DT><A HREF=\"" + link.second + "\">" + link.first + "</A>\r\n";
    return text + after + "</BODY>\n\r</HTML>\n\r";
}

const Links kThree = { { "Alpha", "http://a/" }, { "Beta", "http://b/" }, { "Gamma", "http://g/" } };

bool g_menuShown = false;

// Runs only while a menu's own loop pumps messages.
void CALLBACK CloseMenu(HWND, UINT, UINT_PTR, DWORD)
{
    g_menuShown = true;
    ::EndMenu();
}

class ExpirePageDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = g_strStartDir.str() + "expire-" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        ::CreateDirectoryA(dir_.c_str(), nullptr);
        file_ = dir_ + "\\Qvexpire.htm";
    }
    void TearDown() override
    {
        ::SetFileAttributesA(file_.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileA(file_.c_str());
        ::RemoveDirectoryA(dir_.c_str());
    }

    void Put(const std::string& text) { std::ofstream(file_, std::ios::binary) << text; }
    std::string Contents() const
    {
        std::ifstream in(file_, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // Runs the dialog; step acts inside its loop, and whatever it leaves open is cancelled.
    INT_PTR Run(int mode, const std::function<void(ExpireDlgProbe&)>& step, const char* name = "",
                const char* address = "")
    {
        ExpireDlgProbe dlg;
        dlg.SetMode(mode);
        dlg.SetFile(file_.c_str());
        dlg.SetPage(name, address);
        return RunModal(dlg, { [&] { step(dlg); } });
    }

    static std::vector<std::string> Rows(ExpireDlgProbe& dlg)
    {
        std::vector<std::string> rows;
        for (int i = 0; i < dlg.m_list.GetItemCount(); ++i)
            rows.push_back(dlg.m_list.GetItemText(i, 0).str() + "|" + dlg.m_list.GetItemText(i, 1).str());
        return rows;
    }
    // What a click on a row sends: the row becomes the focused one, then the notification.
    static void Click(ExpireDlgProbe& dlg, int row, UINT code = NM_CLICK)
    {
        dlg.m_list.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        NMITEMACTIVATE nm = {};
        nm.hdr.hwndFrom = dlg.m_list;
        nm.hdr.idFrom = IDC_EXP_LIST;
        nm.hdr.code = code;
        nm.iItem = row;
        dlg.SendMessage(WM_NOTIFY, IDC_EXP_LIST, reinterpret_cast<LPARAM>(&nm));
    }
    static std::string Text(HWND wnd)
    {
        char text[512] = "";
        ::GetWindowTextA(wnd, text, sizeof text);
        return text;
    }
    static std::string Field(ExpireDlgProbe& dlg, int id) { return Text(dlg.GetDlgItem(id)); }
    static void Type(ExpireDlgProbe& dlg, int id, const char* text) { ::SetDlgItemTextA(dlg, id, text); }
    static RECT ChildRect(ExpireDlgProbe& dlg, int id)
    {
        RECT r;
        ::GetWindowRect(dlg.GetDlgItem(id), &r);
        ::MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    std::string dir_;
    std::string file_;
    MessageBoxWatch boxes;
};

}  // namespace

TEST_F(ExpirePageDlgTest, NewInstallationCreatesTheFileListsNothingAndResizes)
{
    EXPECT_EQ(Run(CExpirePageDlg::kOrganizeMode, [](ExpireDlgProbe& dlg) {
        EXPECT_TRUE(Rows(dlg).empty());
        EXPECT_EQ(Text(dlg), "無効ページの整理");
        EXPECT_EQ(Field(dlg, IDC_EXP_MESSAGE), "無効ページを整理します");

        dlg.SetWindowPos(nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER);
        RECT client;
        dlg.GetClientRect(&client);
        const RECT cancel = ChildRect(dlg, IDCANCEL);
        EXPECT_EQ(ChildRect(dlg, IDOK).right, client.right - 12);
        EXPECT_EQ(cancel.right, client.right - 12);
        EXPECT_EQ(ChildRect(dlg, IDC_EXP_NAME).right, client.right - (cancel.right - cancel.left) - 24);
        EXPECT_EQ(ChildRect(dlg, IDC_EXP_ADDRESS).right, client.right - (cancel.right - cancel.left) - 24);
        EXPECT_EQ(ChildRect(dlg, IDC_EXP_LIST).right, client.right);
        EXPECT_EQ(ChildRect(dlg, IDC_EXP_LIST).bottom, client.bottom);
    }), IDCANCEL);
    EXPECT_EQ(Contents(), ExpireFile({}));
}

TEST_F(ExpirePageDlgTest, AddModeListsNewestFirstDeletesAndAppendsAfterTheLast)
{
    Put(ExpireFile(kThree));
    EXPECT_EQ(Run(CExpirePageDlg::kAddMode, [](ExpireDlgProbe& dlg) {
        EXPECT_EQ(Text(dlg), "無効ページの追加");
        EXPECT_EQ(Field(dlg, IDC_EXP_MESSAGE), "このページを無効ページとして登録します");
        EXPECT_EQ(Rows(dlg), (std::vector<std::string>{ "http://g/|Gamma", "http://b/|Beta", "http://a/|Alpha" }));

        dlg.SendMessage(WM_COMMAND, ID_DELETE_ITEM);
        EXPECT_EQ(Rows(dlg).size(), 3u) << "nothing clicked yet";
        Click(dlg, 1, NM_RCLICK);
        EXPECT_EQ(Field(dlg, IDC_EXP_NAME), "New");
        RECT row;
        ListView_GetItemRect(dlg.m_list, 1, &row, LVIR_BOUNDS);
        POINT at = { row.left + 4, row.top + 4 };
        ::ClientToScreen(dlg.m_list, &at);
        g_menuShown = false;
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, CloseMenu);
        dlg.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(dlg.m_list.m_hWnd), MAKELPARAM(at.x, at.y));
        ::KillTimer(nullptr, timer);
        EXPECT_TRUE(g_menuShown);
        dlg.SendMessage(WM_COMMAND, ID_DELETE_ITEM);
        dlg.SendMessage(WM_COMMAND, ID_DELETE_ITEM);
        EXPECT_EQ(Rows(dlg), (std::vector<std::string>{ "http://g/|Gamma", "http://a/|Alpha" }));
        dlg.SendMessage(WM_COMMAND, IDOK);
    }, "New", "http://new/"), IDOK);
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(Contents(), ExpireFile({ kThree[0], kThree[2], { "New", "http://new/" } }));
}

TEST_F(ExpirePageDlgTest, AddModeAsksForBothFieldsAndWritesNothing)
{
    Put(ExpireFile(kThree));
    const std::string before = Contents();
    HWND shownOver = nullptr;
    EXPECT_EQ(Run(CExpirePageDlg::kAddMode, [&](ExpireDlgProbe& dlg) {
        shownOver = dlg.m_hWnd;
        Type(dlg, IDC_EXP_NAME, "");
        dlg.SendMessage(WM_COMMAND, IDOK);
        Type(dlg, IDC_EXP_NAME, "n");
        Type(dlg, IDC_EXP_ADDRESS, "");
        dlg.SendMessage(WM_COMMAND, IDOK);
    }, "Page", "http://p/"), IDCANCEL);
    ASSERT_EQ(boxes.boxes.size(), 2u);
    for (const auto& box : boxes.boxes) {
        EXPECT_EQ(box.text, "有効なリンクを入力してください");
        EXPECT_EQ(box.icon, static_cast<UINT>(MB_ICONQUESTION));
        EXPECT_EQ(box.owner, shownOver);
    }
    EXPECT_EQ(Contents(), before);
}

// The fields take 255 bytes; a longer page title given is cut to whole
// characters.
TEST_F(ExpirePageDlgTest, NamesAndAddressesTakeWhole255ByteTexts)
{
    Put(ExpireFile({}));
    const std::string title = std::string(253, 't') + "日本";
    EXPECT_EQ(Run(CExpirePageDlg::kAddMode, [](ExpireDlgProbe& dlg) {
        for (int id : { IDC_EXP_NAME, IDC_EXP_ADDRESS })
            EXPECT_EQ(::SendDlgItemMessageA(dlg, id, EM_GETLIMITTEXT, 0, 0), 255);
        dlg.SendMessage(WM_COMMAND, IDOK);
    }, title.c_str(), "http://p/"), IDOK);
    EXPECT_EQ(Contents(), ExpireFile({ { title.substr(0, 255), "http://p/" } }));
}

TEST_F(ExpirePageDlgTest, OrganizeWritesFieldsBackOnLeavingThemOrOnEnter)
{
    Put(ExpireFile(kThree));
    const std::string before = Contents();
    EXPECT_EQ(Run(CExpirePageDlg::kOrganizeMode, [](ExpireDlgProbe& dlg) {
        Click(dlg, 0);
        EXPECT_EQ(Field(dlg, IDC_EXP_NAME), "Gamma");
        EXPECT_EQ(Field(dlg, IDC_EXP_ADDRESS), "http://g/");
        ::SetFocus(dlg.GetDlgItem(IDC_EXP_NAME));
        Type(dlg, IDC_EXP_NAME, "Renamed");
        ::SetFocus(dlg.m_list);
        Click(dlg, 1);
        EXPECT_EQ(Field(dlg, IDC_EXP_NAME), "Beta");
        EXPECT_EQ(Rows(dlg)[0], "http://g/|Renamed");
    }), IDCANCEL);
    EXPECT_EQ(Contents(), before);

    // Enter in the name field; the cleared address is not applied.
    EXPECT_EQ(Run(CExpirePageDlg::kOrganizeMode, [](ExpireDlgProbe& dlg) {
        Click(dlg, 1);
        ::SetFocus(dlg.GetDlgItem(IDC_EXP_NAME));
        Type(dlg, IDC_EXP_NAME, "Typed");
        Type(dlg, IDC_EXP_ADDRESS, "");
        ::PostMessageA(dlg.GetDlgItem(IDC_EXP_NAME), WM_KEYDOWN, VK_RETURN, 0);
    }), IDOK);
    EXPECT_EQ(Contents(), ExpireFile({ kThree[0], { "Typed", "http://b/" }, kThree[2] }));
}

TEST_F(ExpirePageDlgTest, AFailedSaveIsReportedAndTheDialogStaysOpen)
{
    Put(ExpireFile({ kThree[0] }));
    ::SetFileAttributesA(file_.c_str(), FILE_ATTRIBUTE_READONLY);
    const std::string path = file_;
    EXPECT_EQ(Run(CExpirePageDlg::kAddMode, [&](ExpireDlgProbe& dlg) {
        dlg.SendMessage(WM_COMMAND, IDOK);
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].text, path + "に書き込めません");
        EXPECT_EQ(boxes.boxes[0].icon, static_cast<UINT>(MB_ICONSTOP));
        ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        dlg.SendMessage(WM_COMMAND, IDOK);
    }, "New", "http://new/"), IDOK);
    EXPECT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(Contents(), ExpireFile({ kThree[0], { "New", "http://new/" } }));
}

TEST_F(ExpirePageDlgTest, WithoutAFirstFolderAnAddedEntryGetsOneInFront)
{
    const std::string top = "<DT><A HREF=\"http://top/\">Top</A>\r\n";
    Put(ExpireFile({}, top, ""));
    EXPECT_EQ(Run(CExpirePageDlg::kAddMode, [](ExpireDlgProbe& dlg) {
        EXPECT_TRUE(Rows(dlg).empty());
        dlg.SendMessage(WM_COMMAND, IDOK);
    }, "New", "http://new/"), IDOK);
    EXPECT_EQ(Contents(), ExpireFile({ { "New", "http://new/" } }, "<H3>Quenvo 無効ページ</H3>\r\n<DL>\r\n",
                                     "</DL><P>\r\n" + top));
}
