#include "tests/core/collection/BookmarkGenerator.h"
#include "core/Cp932.h"

namespace {

class ExportWriter {
public:
    explicit ExportWriter(std::uint32_t seed) : random_(seed) {}

    // Everything after the head's declaration line, in code page 932.
    std::string Generate(std::size_t targetBytes)
    {
        out_ = "<TITLE>Bookmarks</TITLE>\r\n"
               "<H1>Bookmarks</H1>\r\n"
               "<DL><p>\r\n";
        while (out_.size() < targetBytes)
            Folder(1);
        out_ += "</DL><p>\r\n";
        return out_;
    }

private:
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    void Indent(int depth) { out_.append(4 * depth, ' '); }

    // Words of kanji and katakana in Shift-JIS, with ASCII now and then.
    // Every character is one that code page 932 and Unicode both have, so
    // the file says the same in any character set.
    std::string Name()
    {
        std::string name;
        int words = Between(1, 4);
        for (int w = 0; w < words; ++w) {
            if (w > 0)
                name += ' ';
            if (Between(0, 3) == 0) {
                name += "Page";
                name += std::to_string(Between(1, 999));
                continue;
            }
            int chars = Between(2, 6);
            for (int c = 0; c < chars; ++c) {
                const bool kana = Between(0, 1) == 0;
                name += static_cast<char>(kana ? 0x83 : Between(0x89, 0x97));
                const int trail = kana ? Between(0x40, 0x96) : Between(0x40, 0xFC);
                name += static_cast<char>(trail == 0x7F ? 0x80 : trail);
            }
        }
        return name;
    }

    void Link(int depth)
    {
        Indent(depth);
        out_ += "<DT><A HREF=\"http://www.example.co.jp/";
        out_ += std::to_string(Between(1, 99999));
        out_ += "/index.html?id=";
        out_ += std::to_string(++links_);
        out_ += "\" ADD_DATE=\"1700000000\">";
        out_ += Name();
        out_ += "</A>\r\n";
        if (Between(0, 15) == 0) {
            Indent(depth);
            out_ += "<DD>" + Name() + "\r\n";
        }
    }

    void Folder(int depth)
    {
        Indent(depth);
        out_ += "<DT><H3 ADD_DATE=\"1700000000\" FOLDED>" + Name() + "</H3>\r\n";
        Indent(depth);
        out_ += "<DL><p>\r\n";
        int links = Between(5, 40);
        int folders = depth < 4 ? Between(0, 3) : 0;
        for (int i = 0; i < links; ++i)
            Link(depth + 1);
        if (Between(0, 7) == 0) {
            Indent(depth + 1);
            out_ += "<HR>\r\n";
        }
        for (int i = 0; i < folders; ++i)
            Folder(depth + 1);
        Indent(depth);
        out_ += "</DL><p>\r\n";
    }

    std::mt19937 random_;
    std::string out_;
    int links_ = 0;
};

const char* const kPieces[] = {
    "<HTML>", "</HTML>", "<HEAD>", "</HEAD>", "<HR>", "<H", "<A HREF=\"", "<DL>", "</H", "</A>", "</DL>",
    "<H3>", "</H3>", "<H1 ID=\"top\">", "<DT><A HREF=\"http://a.example/\">", "\">", "\"", ">", "<",
    "</", "<A HREF=", "<A", "<DT>", "<DD>", "<P>", "<p>", "<dl>", "<h3>", "</DL><P>", "<DL><p>",
    "\r\n", "\r", "\n", "\t", " ", "a", "Name", "\x83\x5E\x83\x75", "\x8C\x3C", "\x82\xA0",
    "<HT", "<HEA", "</HTM", "</HE", "<TITLE>", "<!-- c -->",
};

std::string Piece(std::mt19937& random)
{
    const std::size_t count = sizeof kPieces / sizeof kPieces[0];
    std::size_t which = std::uniform_int_distribution<std::size_t>(0, count + 2)(random);
    if (which < count)
        return kPieces[which];
    if (which == count)
        return std::string(std::uniform_int_distribution<std::size_t>(250, 300)(random), 'x');
    if (which == count + 1)
        return std::string(1, static_cast<char>(std::uniform_int_distribution<int>(1, 255)(random)));
    return std::uniform_int_distribution<int>(0, 9)(random) == 0 ? std::string(1, '\0') : std::string();
}

// Mostly plain text, now and then a piece of the format.
std::string Text(std::mt19937& random)
{
    static const char* const kPlain[] = {"", "a", "Name", "\x83\x5E\x83\x75", "http://example.com/", " x ", "a>b"};
    std::size_t which = std::uniform_int_distribution<std::size_t>(0, 9)(random);
    return which < 7 ? kPlain[which] : Piece(random);
}

// A well-formed list whose names and addresses are random texts.
void WellFormed(std::mt19937& random, int depth, std::string& out)
{
    int entries = std::uniform_int_distribution<int>(depth == 0 ? 1 : 0, 4)(random);
    for (int i = 0; i < entries; ++i) {
        if (depth < 4 && std::uniform_int_distribution<int>(0, 2)(random) == 0) {
            out += "<DT><H3>" + Text(random) + "</H3>\r\n<DL><p>\r\n";
            WellFormed(random, depth + 1, out);
            out += "</DL><p>\r\n";
        } else {
            out += "<DT><A HREF=\"" + Text(random) + "\">" + Text(random) + "</A>\r\n";
        }
    }
}

}  // namespace

std::string GenerateBookmarkFile(std::size_t targetBytes, std::uint32_t seed, BookmarkCharset charset)
{
    const std::string body = ExportWriter(seed).Generate(targetBytes);
    std::string file = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n";
    if (charset != BookmarkCharset::kUndeclared)
        file += CharsetDeclaration(charset) + "\r\n";
    if (charset == BookmarkCharset::kUndeclared || charset == BookmarkCharset::kShiftJis)
        return file + body;
    for (std::size_t pos = 0; pos < body.size();)
        AppendUtf8(DecodeCp932(body.data(), body.size(), pos), file);
    return file;
}

std::string GenerateTokenSoup(std::mt19937& random, std::size_t damage)
{
    std::string soup;
    WellFormed(random, 0, soup);
    for (std::size_t i = 0; i < damage; ++i) {
        std::size_t at = std::uniform_int_distribution<std::size_t>(0, soup.size())(random);
        if (std::uniform_int_distribution<int>(0, 3)(random) == 0) {
            std::size_t length = std::uniform_int_distribution<std::size_t>(0, 12)(random);
            soup.erase(at, length);
        } else {
            soup.insert(at, Piece(random));
        }
    }
    return soup;
}
