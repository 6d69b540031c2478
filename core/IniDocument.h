#pragma once
#include "core/Profile.h"
#include <string>
#include <vector>

// An INI file held whole in memory, to be changed and written back in one
// piece. It finds sections and keys as the system's profile functions do
// (names trimmed, any letter case, the first section and the first key of a
// name count) and keeps every line it does not change byte for byte: other
// sections, unknown keys, comments, blank lines, their order and line ends.
// A changed key keeps its line and the spelling of its name; a new key goes
// after the last line of its section, a new section at the end of the file.
// Values are written as given, as the profile functions write them.
// A file that starts with a UTF-8 byte order mark keeps it, and its values
// are UTF-8: they are read and written in code page 932 all the same.
class IniDocument final : public Profile {
public:
    // Replaces the content by text. False (content emptied) for a file in
    // UTF-16, which this model cannot edit without losing what it holds.
    bool Parse(const std::string& text);
    std::string Serialize() const;

    // The value of the key as written after '=', spaces trimmed; null when
    // absent or when the key's first line has no '='.
    const std::string* Find(const std::string& section, const std::string& key) const;
    // A line break would end the line early, so each is dropped from value.
    void Set(const std::string& section, const std::string& key, const std::string& value);
    // Removes every line of the key in the section.
    void Remove(const std::string& section, const std::string& key);
    // Removes the section's first header and every line up to the next one.
    void RemoveSection(const std::string& section);

    // Profile, in code page 932. Numbers read as the profile functions read
    // them: leading decimal digits, after quotes around the whole value are
    // dropped. A write of the value the key already reads as leaves its line
    // as it is.
    int ReadInt(const char* section, const char* key, int defaultValue) const override;
    std::string ReadString(const char* section, const char* key, const char* defaultValue) const override;
    void WriteInt(const char* section, const char* key, int value) override;
    void WriteString(const char* section, const char* key, const std::string& value) override;

private:
    enum Kind { kOther, kSection, kKey };
    struct Line {
        std::string text;  // without its end
        std::string end;   // "\r\n", "\n" or "" for a last line without one
        Kind kind;
        std::string name;  // a section's or a key's, trimmed
        std::string value; // a key's, trimmed
        bool hasValue;     // a key's line has its '='
    };
    static Line MakeLine(std::string text, std::string end);
    // The first header of the section and the end of its lines; npos when absent.
    size_t FindSection(const std::string& section, size_t* end) const;
    size_t FindKey(size_t header, size_t end, const std::string& key) const;

    std::vector<Line> m_lines;
    bool m_bUtf8 = false;  // the file starts with a byte order mark
};

// "<path>は UTF-16 で保存されているため読み書きできません。" (the file is saved in
// UTF-16, so it can be neither read nor written) follows the path; code page
// 932.
extern const char kUtf16FileSuffix[];
