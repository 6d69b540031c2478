#include "collection/FolderTreeCtrl.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "tests/collection/TreeMouse.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct TreeProbe : CFolderTreeCtrl {
    using CFolderTreeCtrl::m_pDragImage;
    BOOL IsDragging() const { return m_bDragging; }
    HTREEITEM GetDropHilightItem() const { return TreeView_GetDropHilight(m_hWnd); }
    int DragImageCount() const { return ImageList_GetImageCount(m_pDragImage->GetSafeHandle()); }
};

// The tree's parent: records the move requests with the item count at that
// moment, which shows that nothing was copied yet.
class TreeHost : public CWnd {
public:
    struct Move {
        HTREEITEM target, dragged;
        UINT countThen;
    };
    std::vector<Move> moves;
    TreeProbe tree;

protected:
    LRESULT OnMoveItem(WPARAM wParam, LPARAM lParam)
    {
        moves.push_back({ reinterpret_cast<HTREEITEM>(wParam), reinterpret_cast<HTREEITEM>(lParam), tree.GetCount() });
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TreeHost, CWnd)
    ON_MESSAGE(CFolderTreeCtrl::WM_APP_MOVEITEM, OnMoveItem)
END_MESSAGE_MAP()

HCURSOR Cursor(UINT id)
{
    return ::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id));
}

class FolderTreeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, 0, 0, 300, 500, nullptr, nullptr));
        ASSERT_TRUE(tree().CreateEx(0, WC_TREEVIEWA, "", WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES,
                                    0, 0, 300, 500, host.m_hWnd, reinterpret_cast<HMENU>(IDC_COLL_TREE)));
        images.Create(16, 16, ILC_COLOR4 | ILC_MASK, 3, 3);
        HICON icon = ::LoadIconA(nullptr, IDI_APPLICATION);
        for (int i = 0; i < 3; ++i)
            images.Add(icon);
        tree().SetImageList(&images, TVSIL_NORMAL);
        // Alpha [a1 Inner [i1 Deep [d1]] a2], Beta [b1 b2 b3], top
        alpha = Folder("Alpha", TVI_ROOT);
        a1 = Link("a1", alpha);
        inner = Folder("Inner", alpha);
        Link("i1", inner);
        deep = Folder("Deep", inner);
        Link("d1", deep);
        Link("a2", alpha);
        beta = Folder("Beta", TVI_ROOT);
        b1 = Link("b1", beta);
        Link("b2", beta);
        b3 = Link("b3", beta);
        top = Link("top", TVI_ROOT);
        for (HTREEITEM folder : { alpha, inner, deep, beta })
            tree().Expand(folder, TVE_EXPAND);
    }
    void TearDown() override { host.DestroyWindow(); }

    TreeProbe& tree() { return host.tree; }
    HTREEITEM Add(const char* text, HTREEITEM parent, int image, int selected)
    {
        HTREEITEM item = tree().InsertItem(text, image, selected, parent);
        tree().SetItemData(item, ++lastData);
        return item;
    }
    HTREEITEM Folder(const char* text, HTREEITEM parent) { return Add(text, parent, 0, 1); }
    HTREEITEM Link(const char* text, HTREEITEM parent) { return Add(text, parent, 2, 2); }

    // The tree as text: one item a line, indented by level, with its data.
    std::string Shown(HTREEITEM first = nullptr, int depth = 0)
    {
        std::string out;
        for (HTREEITEM item = first ? first : tree().GetRootItem(); item; item = tree().GetNextSiblingItem(item)) {
            out += std::string(2 * depth, ' ') + tree().GetItemText(item).str() + "#" +
                   std::to_string(tree().GetItemData(item)) + (tree().IsLink(item) ? "" : "/") + "\n";
            if (HTREEITEM child = tree().GetChildItem(item))
                out += Shown(child, depth + 1);
        }
        return out;
    }
    void ExpectIdle()
    {
        EXPECT_FALSE(tree().IsDragging());
        EXPECT_EQ(tree().m_pDragImage, nullptr);
        EXPECT_NE(::GetCapture(), tree().m_hWnd);
        EXPECT_EQ(tree().GetDropHilightItem(), nullptr);
    }

    TreeHost host;
    TreeMouse mouse{ host.tree };
    CImageList images;
    DWORD_PTR lastData = 0;
    HTREEITEM alpha, a1, inner, deep, beta, b1, b3, top;
};

}  // namespace

TEST_F(FolderTreeTest, RefusedDropsShowTheNoDropCursorAndChangeNothing)
{
    const std::string before = Shown();
    struct { HTREEITEM from, onto; } refused[] = { { inner, inner }, { inner, deep }, { alpha, deep }, { b1, top } };
    for (const auto& r : refused) {
        SCOPED_TRACE(tree().GetItemText(r.from).str() + " onto " + tree().GetItemText(r.onto).str());
        mouse.BeginDrag(r.from);
        EXPECT_TRUE(tree().IsDragging());
        ASSERT_NE(tree().m_pDragImage, nullptr);
        EXPECT_EQ(tree().DragImageCount(), 1);
        EXPECT_EQ(tree().GetSelectedItem(), r.from);
        mouse.MoveTo(mouse.Center(r.onto));
        // Wine will not drop-highlight the selected item.
        if (r.onto != r.from) {
            EXPECT_EQ(tree().GetDropHilightItem(), r.onto);
        }
        EXPECT_EQ(::GetCursor(), Cursor(IDC_CUR_DROP_NO));
        mouse.Release(mouse.Center(r.onto));
        ExpectIdle();
    }
    // Released below every item: nothing, though the pointer passed a folder.
    mouse.BeginDrag(b1);
    mouse.MoveTo(mouse.Center(alpha));
    EXPECT_EQ(::GetCursor(), Cursor(IDC_CUR_DROP_OK));
    CRect client;
    tree().GetClientRect(&client);
    mouse.Release(CPoint(10, client.bottom - 2));
    ExpectIdle();
    EXPECT_TRUE(host.moves.empty());
    EXPECT_EQ(Shown(), before);
}

TEST_F(FolderTreeTest, DropsRecreateTheBranchWhereItLandsWithTheSameData)
{
    tree().SetItemState(deep, INDEXTOSTATEIMAGEMASK(2), TVIS_STATEIMAGEMASK);
    const UINT count = tree().GetCount();
    mouse.Drag(inner, beta);
    ASSERT_EQ(host.moves.size(), 1u);
    EXPECT_EQ(host.moves[0].target, beta);
    EXPECT_EQ(host.moves[0].dragged, inner);
    EXPECT_EQ(host.moves[0].countThen, count);
    EXPECT_EQ(Shown(), "Alpha#1/\n  a1#2\n  a2#7\n"
                       "Beta#8/\n  b1#9\n  b2#10\n  b3#11\n  Inner#3/\n    i1#4\n    Deep#5/\n      d1#6\n"
                       "top#12\n");
    HTREEITEM moved = tree().GetSelectedItem();
    EXPECT_EQ(tree().GetItemText(moved), "Inner");
    EXPECT_EQ(tree().GetParentItem(moved), beta);
    HTREEITEM deepCopy = tree().GetNextSiblingItem(tree().GetChildItem(moved));
    EXPECT_EQ(tree().GetItemState(deepCopy, TVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(2));
    ExpectIdle();

    // A link onto a link, released with Control: right after it, and still
    // a move, as a copy would share its data.
    mouse.Drag(a1, b1, MK_CONTROL);
    EXPECT_EQ(Shown(), "Alpha#1/\n  a2#7\n"
                       "Beta#8/\n  b1#9\n  a1#2\n  b2#10\n  b3#11\n  Inner#3/\n    i1#4\n    Deep#5/\n      d1#6\n"
                       "top#12\n");
    EXPECT_EQ(tree().GetItemText(tree().GetSelectedItem()), "a1");
    EXPECT_EQ(host.moves.size(), 2u);
}

TEST_F(FolderTreeTest, LostCaptureOrEscapeEndsTheDragWithoutAMove)
{
    const std::string before = Shown();
    mouse.BeginDrag(a1);
    mouse.MoveTo(mouse.Center(beta));
    ::SetCapture(host.m_hWnd);
    ExpectIdle();
    ::ReleaseCapture();
    mouse.Release(mouse.Center(beta));

    mouse.BeginDrag(a1);
    EXPECT_EQ(tree().SendMessage(WM_GETDLGCODE) & DLGC_WANTALLKEYS, (LRESULT)DLGC_WANTALLKEYS);
    mouse.MoveTo(mouse.Center(beta));
    tree().SendMessage(WM_KEYDOWN, VK_ESCAPE);
    ExpectIdle();
    mouse.Release(mouse.Center(beta));

    EXPECT_TRUE(host.moves.empty());
    EXPECT_EQ(Shown(), before);
}
