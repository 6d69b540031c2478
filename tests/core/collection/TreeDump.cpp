#include "tests/core/collection/TreeDump.h"
#include "core/collection/CollectionNode.h"
#include "core/collection/CollectionNodeList.h"

#include <cstdio>
#include <vector>

std::string Printable(const std::string& text)
{
    std::string out;
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", c);
            out += escape;
        }
    }
    return out;
}

namespace {

bool HasFolderChild(const CollectionNode& folder)
{
    for (const CollectionNode* child = folder.children->head; child; child = child->next) {
        if (child->IsFolder())
            return true;
    }
    return false;
}

}  // namespace

std::string DumpTree(const CollectionNodeList* list, const TreeDumpOptions& options)
{
    auto name = [&](const std::string& text) { return Printable(options.name ? options.name(text) : text); };
    auto url = [&](const std::string& text) { return Printable(options.url ? options.url(text) : text); };
    std::string out;
    if (!list)
        return "(no tree)\n";
    // Iterative: the trees under test include very deep ones.
    std::vector<const CollectionNode*> pending{list->head};
    while (!pending.empty()) {
        const CollectionNode* node = pending.back();
        if (!node) {
            pending.pop_back();
            continue;
        }
        pending.back() = node->next;
        out.append(2 * (pending.size() - 1), ' ');
        if (node->IsFolder()) {
            int flag = options.flagsFromChildren ? HasFolderChild(*node) : node->hasSubfolders;
            out += "[" + name(node->name) + "] " + std::to_string(flag) + "\n";
            pending.push_back(node->children->head);
        } else {
            out += name(node->name) + " -> " + url(node->url) + "\n";
        }
    }
    return out;
}
