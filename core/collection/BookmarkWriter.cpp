#include "core/collection/BookmarkWriter.h"
#include "core/collection/BookmarkReader.h"
#include "core/collection/CollectionNode.h"
#include "core/collection/CollectionNodeList.h"

#include <vector>

const char BookmarkWriter::kHeader[] =
    "<HTML>\n\r"
    "<HEAD>\n\r"
    "<TITLE>Quenvo Tab Correction</TITLE>\n\r"
    "</HEAD>\n\r"
    "<BODY>\n\r";

const char BookmarkWriter::kFooter[] =
    "</BODY>\n\r"
    "</HTML>\n\r";

namespace {

// Full-width less-than sign in code page 932.
const char kWideLessThan[] = "\x81\x83";

bool NeedsNoChange(const std::string& text, char special)
{
    for (char c : text) {
        if (c == '\0' || c == special)
            return false;
    }
    return true;
}

void AppendName(const std::string& name, std::string& out)
{
    if (NeedsNoChange(name, '<')) {
        out += name;
        return;
    }
    std::string text;
    for (char c : name) {
        if (c != '\0')
            text += c;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        // "<" is never the trail byte of a double-byte character, so this
        // cannot cut one in half.
        if (BookmarkReader::TokenAt(text.data(), text.size(), i) != BookmarkReader::kNoToken)
            out += kWideLessThan;
        else
            out += text[i];
    }
}

void AppendUrl(const std::string& url, std::string& out)
{
    if (url.size() <= BookmarkReader::kMaxTextBytes && NeedsNoChange(url, '"')) {
        out += url;
        return;
    }
    // The reader keeps the first bytes of an address and then skips to the
    // next ">", which must be the one closing the anchor tag.
    std::size_t written = 0;
    for (char c : url) {
        const char* text = nullptr;
        if (c == '\0')
            continue;
        if (c == '"')
            text = "%22";
        else if (c == '>' && written >= BookmarkReader::kMaxTextBytes)
            text = "%3E";
        if (text) {
            out += text;
            written += 3;
        } else {
            out += c;
            ++written;
        }
    }
}

void Indent(std::size_t depth, std::string& out)
{
    out.append(depth < BookmarkWriter::kMaxIndent ? depth : BookmarkWriter::kMaxIndent, '\t');
}

void WriteFolderHeading(const CollectionNode& folder, std::size_t depth, std::string& out)
{
    Indent(depth, out);
    out += "<H3>";
    AppendName(folder.name, out);
    out += "</H3>\r\n";
    Indent(depth, out);
    out += "<DL>\r\n";
}

void WriteLink(const CollectionNode& link, std::size_t depth, std::string& out)
{
    Indent(depth, out);
    out += "<DT><A HREF=\"";
    AppendUrl(link.url, out);
    out += "\">";
    AppendName(link.name, out);
    out += "</A>\r\n";
}

}  // namespace

std::string BookmarkWriter::FileName(const std::string& name)
{
    std::string out;
    AppendName(name, out);
    return out;
}

std::string BookmarkWriter::FileUrl(const std::string& url)
{
    std::string out;
    AppendUrl(url, out);
    return out;
}

// Walks with each list's own cursor, which doubles as the saved position of
// the levels above, so deep trees need no recursion.
void BookmarkWriter::WriteList(CollectionNodeList* list, std::size_t depth, std::string& out)
{
    if (!list)
        return;
    std::vector<CollectionNodeList*> open{list};
    list->First();
    while (!open.empty()) {
        CollectionNodeList* current = open.back();
        std::size_t level = depth + open.size() - 1;
        CollectionNode* node = current->Current();
        if (!node) {
            open.pop_back();
            if (!open.empty()) {
                Indent(level - 1, out);
                out += "</DL><P>\r\n";
                open.back()->Next();
            }
            continue;
        }
        if (node->IsFolder()) {
            WriteFolderHeading(*node, level, out);
            node->children->First();
            open.push_back(node->children.get());
        } else {
            WriteLink(*node, level, out);
            current->Next();
        }
    }
}

std::string BookmarkWriter::Write(CollectionNodeList* list)
{
    std::string out;
    Write(list, out);
    return out;
}

void BookmarkWriter::Write(CollectionNodeList* list, std::string& out)
{
    out.assign(kHeader);
    WriteList(list, 0, out);
    out += kFooter;
}
