// Not a check: how long the organizer takes to open over a large collection
// file, printed for scripts/organizer-bench.sh. Disabled in the normal run.
#include "collection/CollectionDlg.h"
#include "core/collection/BookmarkWriter.h"
#include "core/collection/CollectionEdit.h"
#include "core/collection/CollectionNode.h"
#include "core/collection/CollectionNodeList.h"
#include "app/BrowserApp.h"
#include "tests/support/ModalDriver.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

// About `entries` folders and links: top folders of ten folders of fifty
// links each, as a collection grows over the years.
std::string CollectionOf(int entries)
{
    CollectionNodeList root;
    int made = 0;
    for (int top = 0; made < entries; ++top) {
        CollectionNode* folder = root.Append(CollectionNode::MakeFolder("フォルダ" + std::to_string(top)));
        ++made;
        for (int sub = 0; sub < 10 && made < entries; ++sub) {
            CollectionNode* inner = CollectionEdit::AppendFolder(folder, "サブ" + std::to_string(sub));
            ++made;
            for (int link = 0; link < 50 && made < entries; ++link, ++made) {
                const std::string name = "ページ" + std::to_string(made);
                CollectionEdit::AppendLink(inner, name, "http://example.jp/" + std::to_string(made) + "/");
            }
        }
    }
    return BookmarkWriter::Write(&root);
}

// Milliseconds from DoModal until the dialog is shown and its loop idle.
double OpenTime(const std::string& path)
{
    CCollectionDlg dlg;
    dlg.m_nMode = CCollectionDlg::kOrganize;
    dlg.m_strCollectionFile = path;
    LARGE_INTEGER frequency, start, shown = {};
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    RunModal(dlg, { [&] { ::QueryPerformanceCounter(&shown); } });
    return 1000.0 * static_cast<double>(shown.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

TEST(OrganizerBench, DISABLED_OpenTime)
{
    const std::string path = g_strStartDir.str() + "organizer-bench.htm";
    for (int entries : { 1500, 15000 }) {
        std::ofstream(path, std::ios::binary) << CollectionOf(entries);
        OpenTime(path);  // the first opening reads the libraries in
        std::vector<double> times;
        for (int run = 0; run < 5; ++run)
            times.push_back(OpenTime(path));
        std::sort(times.begin(), times.end());
        std::printf("organizer: %d entries: median %.0f ms (", entries, times[times.size() / 2]);
        for (size_t i = 0; i < times.size(); ++i)
            std::printf("%s%.0f", i ? " " : "", times[i]);
        std::printf(")\n");
    }
    ::DeleteFileA(path.c_str());
}
