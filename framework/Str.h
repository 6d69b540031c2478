#pragma once
#include <string>
#include <cstdarg>

// The framework's string: a value type holding bytes in the ANSI code page.
// It converts to const char* so it can be handed to the A forms of the API.
class CString {
public:
    CString() = default;
    CString(const char* text) : m_s(text ? text : "") {}
    CString(const char* text, int length) : m_s(text, static_cast<size_t>(length)) {}
    CString(const std::string& text) : m_s(text) {}

    int GetLength() const { return static_cast<int>(m_s.size()); }
    bool IsEmpty() const { return m_s.empty(); }
    operator const char*() const { return m_s.c_str(); }
    const std::string& str() const { return m_s; }

    // Removes every occurrence of c; returns how many went.
    int Remove(char c);

    void Format(const char* format, ...);

    // UTF-16 text in the ANSI code page, and back (for COM and the control).
    static CString FromWide(const wchar_t* text);
    std::wstring ToWide() const;

    CString& operator+=(const CString& other) { m_s += other.m_s; return *this; }
    CString& operator+=(const char* other) { m_s += other ? other : ""; return *this; }
    CString& operator+=(char c) { m_s += c; return *this; }

    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_s + b.m_s); }
    friend CString operator+(const CString& a, const char* b) { return CString(a.m_s + (b ? b : "")); }
    friend CString operator+(const char* a, const CString& b) { return CString((a ? a : "") + b.m_s); }
    friend bool operator==(const CString& a, const CString& b) { return a.m_s == b.m_s; }
    friend bool operator==(const CString& a, const char* b) { return a.m_s == (b ? b : ""); }
    friend bool operator!=(const CString& a, const CString& b) { return a.m_s != b.m_s; }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }

private:
    std::string m_s;
};
