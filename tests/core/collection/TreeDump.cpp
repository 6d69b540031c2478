#include "tests/core/collection/TreeDump.h"
#include "core/collection/CollectionNode.h"
#include "core/collection/CollectionNodeList.h"
#include "core/collection/CollectionWalk.h"
#include "core/collection/BookmarkReader.h"
#include "core/TextRules.h"

#include <cstdio>

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
    for (std::size_t i = 0; i < folder.children->Size(); ++i) {
        if (folder.children->At(i)->IsFolder())
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
    auto separators = [&](const CollectionNodeList& in, std::size_t index, std::size_t depth) {
        for (std::size_t i = 0; options.kept && i < in.SeparatorsBefore(index); ++i)
            out += std::string(2 * depth, ' ') + "--\n";
    };
    for (CollectionWalk walk(*list); walk.Next();) {
        const CollectionNode* node = &walk.Node();
        if (walk.Leaving()) {
            separators(*node->children, node->children->Size(), walk.Depth() + 1);
            continue;
        }
        separators(walk.List(), walk.Index(), walk.Depth());
        out.append(2 * walk.Depth(), ' ');
        if (node->IsFolder()) {
            int flag = options.flagsFromChildren ? HasFolderChild(*node) : node->hasSubfolders;
            out += "[" + name(node->name) + "] " + std::to_string(flag) + "\n";
        } else {
            out += name(node->name) + " -> " + url(node->url) + "\n";
        }
        if (options.fileText)
            out.insert(out.size() - 1, " {" + Printable(node->fileName) + " | " + Printable(node->fileUrl) + "}");
        if (options.kept)
            out.insert(out.size() - 1, " <" + Printable(node->tagRest) + "> \"" + Printable(node->description) + "\"");
    }
    separators(*list, list->Size(), 0);
    return out;
}

std::string AsReadBack(const std::string& text)
{
    std::string out;
    for (char c : CutText(text, BookmarkReader::kMaxTextBytes)) {
        if (c != '\r' && c != '\n')
            out += c;
    }
    return out;
}

// A node keeps no file text where writing back what it shows gives it.
void KeepFileText(CollectionNodeList& list, BookmarkCharset charset)
{
    for (std::size_t i = 0; i < list.Size(); ++i) {
        CollectionNode& node = *list.At(i);
        node.name = AsReadBack(node.fileName.empty() ? DeclaredFileName(node.name, charset) : node.fileName);
        if (node.IsFolder())
            KeepFileText(*node.children, charset);
        else
            node.url = AsReadBack(node.fileUrl.empty() ? DeclaredFileUrl(node.url, charset) : node.fileUrl);
    }
}
