#pragma once
// The organizer driven as a user would: its file, its tree and its boxes.
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

struct TestCollectionDlg : CCollectionDlg {
    using CCollectionDlg::m_tree;
};

class ReadBack : public CollectionStore {
public:
    ReadBack() : CollectionStore([](const std::string&) {}) {}
};

inline std::string Contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Alpha [a1 a2 a3 Inner [i1]], Beta [b1]
inline std::string SampleFile()
{
    CollectionNodeList root;
    CollectionNode* alpha = root.Append(CollectionNode::MakeFolder("Alpha"));
    CollectionEdit::AppendLink(alpha, "a1", "http://a1/");
    CollectionEdit::AppendLink(alpha, "a2", "http://a2/");
    CollectionEdit::AppendLink(alpha, "a3", "http://a3/");
    CollectionEdit::AppendLink(CollectionEdit::AppendFolder(alpha, "Inner"), "i1", "http://i1/");
    CollectionEdit::AppendLink(root.Append(CollectionNode::MakeFolder("Beta")), "b1", "http://b1/");
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
