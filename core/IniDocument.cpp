#include "core/IniDocument.h"
#include <cstdio>
#include <cstdlib>

namespace {
const std::string::size_type npos = std::string::npos;

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
    Line line{ std::move(text), std::move(end), kOther, std::string(), std::string() };
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
    if (equals != npos)
        line.value = Trim(trimmed.substr(equals + 1));
    return line;
}

bool IniDocument::Parse(const std::string& text)
{
    m_lines.clear();
    if (text.size() >= 2 && ((text[0] == '\xFF' && text[1] == '\xFE') || (text[0] == '\xFE' && text[1] == '\xFF')))
        return false;
    for (size_t start = 0; start < text.size();) {
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
    size_t size = 0;
    for (const Line& line : m_lines)
        size += line.text.size() + line.end.size();
    text.reserve(size);
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
    return found == npos ? nullptr : &m_lines[found].value;
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
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

void IniDocument::WriteInt(const char* section, const char* key, int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    Set(section, key, text);
}

void IniDocument::WriteString(const char* section, const char* key, const std::string& value)
{
    Set(section, key, value);
}
