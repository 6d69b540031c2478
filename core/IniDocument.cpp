#include "core/IniDocument.h"
#include "core/Cp932.h"
#include <cstdio>
#include <cstdlib>

// は UTF-16 で保存されているため読み書きできません。
const char kUtf16FileSuffix[] =
    "\x82\xCD UTF-16 \x82\xC5\x95\xDB\x91\xB6\x82\xB3\x82\xEA\x82\xC4\x82\xA2\x82\xE9\x82\xBD\x82\xDF"
    "\x93\xC7\x82\xDD\x8F\x91\x82\xAB\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1\x81\x42";

namespace {
const std::string::size_type npos = std::string::npos;
const char kUtf8Bom[] = "\xEF\xBB\xBF";

// What the profile functions skip around names and values; Ctrl-Z ends old
// editors' files.
bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1a';
}

std::string Trim(const std::string& text)
{
    size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

bool SameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z')
            x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z')
            y = static_cast<char>(y - 'a' + 'A');
        if (x != y)
            return false;
    }
    return true;
}

std::string WithoutLineBreaks(const std::string& value)
{
    std::string kept;
    kept.reserve(value.size());
    for (char c : value)
        if (c != '\r' && c != '\n')
            kept += c;
    return kept;
}
}  // namespace

IniDocument::Line IniDocument::MakeLine(std::string text, std::string end)
{
    Line line{ std::move(text), std::move(end), kOther, std::string(), std::string(), false };
    const std::string trimmed = Trim(line.text);
    if (trimmed.empty())
        return line;
    // Without its ']' a header is read as a key of the section before.
    const size_t close = trimmed[0] == '[' ? trimmed.find(']') : npos;
    if (close != npos) {
        line.kind = kSection;
        line.name = Trim(trimmed.substr(1, close - 1));
        return line;
    }
    const size_t equals = trimmed.find('=');
    line.kind = kKey;
    line.name = Trim(trimmed.substr(0, equals));
    line.hasValue = equals != npos;
    if (line.hasValue)
        line.value = Trim(trimmed.substr(equals + 1));
    return line;
}

bool IniDocument::Parse(const std::string& text)
{
    m_lines.clear();
    m_bUtf8 = false;
    if (text.size() >= 2 && ((text[0] == '\xFF' && text[1] == '\xFE') || (text[0] == '\xFE' && text[1] == '\xFF')))
        return false;
    size_t first = 0;
    if (text.compare(0, 3, kUtf8Bom) == 0) {
        m_bUtf8 = true;
        first = 3;
    }
    for (size_t start = first; start < text.size();) {
        size_t newline = text.find('\n', start);
        size_t next = newline == npos ? text.size() : newline + 1;
        size_t textEnd = newline == npos ? text.size() : newline;
        if (textEnd > start && text[textEnd - 1] == '\r')
            --textEnd;
        m_lines.push_back(MakeLine(text.substr(start, textEnd - start), text.substr(textEnd, next - textEnd)));
        start = next;
    }
    return true;
}

std::string IniDocument::Serialize() const
{
    std::string text;
    size_t size = 3;
    for (const Line& line : m_lines)
        size += line.text.size() + line.end.size();
    text.reserve(size);
    if (m_bUtf8)
        text = kUtf8Bom;
    for (const Line& line : m_lines)
        text.append(line.text).append(line.end);
    return text;
}

size_t IniDocument::FindSection(const std::string& section, size_t* end) const
{
    for (size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind != kSection || !SameName(m_lines[i].name, section))
            continue;
        size_t j = i + 1;
        while (j < m_lines.size() && m_lines[j].kind != kSection)
            ++j;
        *end = j;
        return i;
    }
    return npos;
}

size_t IniDocument::FindKey(size_t header, size_t end, const std::string& key) const
{
    for (size_t i = header + 1; i < end; ++i)
        if (m_lines[i].kind == kKey && SameName(m_lines[i].name, key))
            return i;
    return npos;
}

const std::string* IniDocument::Find(const std::string& section, const std::string& key) const
{
    size_t end = 0;
    const size_t header = FindSection(section, &end);
    const size_t found = header == npos ? npos : FindKey(header, end, key);
    // The profile functions read a key without '=' as absent.
    return found == npos || !m_lines[found].hasValue ? nullptr : &m_lines[found].value;
}

void IniDocument::Set(const std::string& section, const std::string& key, const std::string& value)
{
    const std::string kept = WithoutLineBreaks(value);
    size_t end = 0;
    size_t header = FindSection(section, &end);
    if (header == npos) {
        if (!m_lines.empty() && m_lines.back().end.empty())
            m_lines.back().end = "\r\n";
        m_lines.push_back(MakeLine("[" + section + "]", "\r\n"));
        header = m_lines.size() - 1;
        end = m_lines.size();
    }
    const size_t found = FindKey(header, end, key);
    if (found != npos) {
        Line& line = m_lines[found];
        line.text = line.name + "=" + kept;
        line.value = Trim(kept);
        line.hasValue = true;
        return;
    }
    // After the section's last line that is not blank.
    size_t at = end;
    while (at > header + 1 && m_lines[at - 1].kind == kOther && Trim(m_lines[at - 1].text).empty())
        --at;
    if (m_lines[at - 1].end.empty())
        m_lines[at - 1].end = "\r\n";
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at), MakeLine(key + "=" + kept, "\r\n"));
}

void IniDocument::Remove(const std::string& section, const std::string& key)
{
    size_t end = 0;
    const size_t header = FindSection(section, &end);
    if (header == npos)
        return;
    for (size_t i = end; i-- > header + 1;)
        if (m_lines[i].kind == kKey && SameName(m_lines[i].name, key))
            m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(i));
}

void IniDocument::RemoveSection(const std::string& section)
{
    size_t end = 0;
    const size_t header = FindSection(section, &end);
    if (header != npos)
        m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(header),
                      m_lines.begin() + static_cast<std::ptrdiff_t>(end));
}

int IniDocument::ReadInt(const char* section, const char* key, int defaultValue) const
{
    const std::string text = ReadString(section, key, "");
    if (text.empty())
        return defaultValue;
    return static_cast<int>(std::strtol(text.c_str(), nullptr, 10));
}

std::string IniDocument::ReadString(const char* section, const char* key, const char* defaultValue) const
{
    const std::string* value = Find(section, key);
    if (!value)
        return defaultValue ? defaultValue : "";
    const std::string& v = *value;
    const bool quoted = v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front();
    const std::string unquoted = quoted ? v.substr(1, v.size() - 2) : v;
    return m_bUtf8 ? Cp932FromUtf8(unquoted) : unquoted;
}

void IniDocument::WriteInt(const char* section, const char* key, int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    WriteString(section, key, text);
}

void IniDocument::WriteString(const char* section, const char* key, const std::string& value)
{
    // Rewriting an unchanged value could still change its bytes: its quotes,
    // or a character of a UTF-8 file that code page 932 has not.
    if (Find(section, key) && ReadString(section, key, "") == WithoutLineBreaks(value))
        return;
    Set(section, key, m_bUtf8 ? Utf8FromCp932(value) : value);
}
