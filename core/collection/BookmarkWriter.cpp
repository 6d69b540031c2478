#include "core/collection/BookmarkWriter.h"
#include "core/collection/BookmarkReader.h"
#include "core/collection/CollectionNode.h"
#include "core/collection/CollectionNodeList.h"
#include "core/collection/CollectionWalk.h"

#include <algorithm>

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

void AppendNodeName(const CollectionNode& node, BookmarkCharset charset, std::string& out)
{
    if (charset == BookmarkCharset::kUndeclared)
        AppendName(node.name, out);
    else if (!node.fileName.empty() && ShownName(node.fileName, charset, BookmarkReader::kMaxTextBytes) == node.name)
        out += node.fileName;
    else
        out += DeclaredFileName(node.name, charset);
}

void AppendNodeUrl(const CollectionNode& node, BookmarkCharset charset, std::string& out)
{
    if (charset == BookmarkCharset::kUndeclared)
        AppendUrl(node.url, out);
    else if (!node.fileUrl.empty() && ShownUrl(node.fileUrl, charset, BookmarkReader::kMaxTextBytes) == node.url)
        out += node.fileUrl;
    else
        out += DeclaredFileUrl(node.url, charset);
}

void AppendDescription(const CollectionNode& node, std::size_t depth, std::string& out)
{
    if (node.description.empty())
        return;
    Indent(depth, out);
    out += "<DD>";
    out += node.description;
    out += "\r\n";
}

void WriteSeparators(std::size_t count, std::size_t depth, std::string& out)
{
    for (std::size_t i = 0; i < count; ++i) {
        Indent(depth, out);
        out += "<HR>\r\n";
    }
}

// A folder made here is a level-3 heading. In a declared file, which came
// from a browser, each folder is an item of its list like a link is, as
// browsers import it: all but the page's own level-1 heading, which stands
// above every list.
void WriteFolderHeading(const CollectionNode& folder, std::size_t depth, BookmarkCharset charset, std::string& out)
{
    static const std::string kMadeHere = "3";
    const std::string& tag = folder.tagRest.empty() ? kMadeHere : folder.tagRest;
    const std::size_t levelLength = std::min(tag.find_first_not_of("0123456789"), tag.size());
    Indent(depth, out);
    if (charset != BookmarkCharset::kUndeclared && tag.compare(0, levelLength, "1") != 0)
        out += "<DT>";
    out += "<H";
    out += tag;
    out += ">";
    AppendNodeName(folder, charset, out);
    out += "</H";
    out.append(tag, 0, levelLength);
    out += ">\r\n";
    AppendDescription(folder, depth, out);
    Indent(depth, out);
    out += "<DL>\r\n";
}

void WriteLink(const CollectionNode& link, std::size_t depth, BookmarkCharset charset, std::string& out)
{
    Indent(depth, out);
    out += "<DT><A HREF=\"";
    AppendNodeUrl(link, charset, out);
    out += "\"";
    out += link.tagRest;
    out += ">";
    AppendNodeName(link, charset, out);
    out += "</A>\r\n";
    AppendDescription(link, depth, out);
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

// The walk's stack, not the call stack, follows the depth of the tree.
void BookmarkWriter::WriteList(const CollectionNodeList* list, std::size_t depth, std::string& out,
                               BookmarkCharset charset)
{
    if (!list)
        return;
    for (CollectionWalk walk(*list); walk.Next();) {
        const CollectionNode& node = walk.Node();
        const std::size_t level = depth + walk.Depth();
        if (walk.Leaving()) {
            const CollectionNodeList& children = *node.children;
            WriteSeparators(children.SeparatorsBefore(children.Size()), level + 1, out);
            Indent(level, out);
            out += "</DL><P>\r\n";
            continue;
        }
        WriteSeparators(walk.List().SeparatorsBefore(walk.Index()), level, out);
        if (node.IsFolder())
            WriteFolderHeading(node, level, charset, out);
        else
            WriteLink(node, level, charset, out);
    }
    WriteSeparators(list->SeparatorsBefore(list->Size()), depth, out);
}

std::string BookmarkWriter::Write(const CollectionNodeList* list, const BookmarkHead& head)
{
    std::string out;
    Write(list, out, head);
    return out;
}

void BookmarkWriter::Write(const CollectionNodeList* list, std::string& out, const BookmarkHead& head)
{
    if (!head.text.empty()) {
        out.assign(head.text);
    } else {
        out.assign(kHeader);
        if (head.charset != BookmarkCharset::kUndeclared) {
            const std::string headTag = "<HEAD>\n\r";
            out.insert(out.find(headTag) + headTag.size(), CharsetDeclaration(head.charset) + "\n\r");
            if (head.charset == BookmarkCharset::kUtf8Bom)
                out.insert(0, "\xEF\xBB\xBF");
        }
    }
    WriteList(list, 0, out, head.charset);
    out += kFooter;
}
