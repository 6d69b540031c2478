#include "framework/Str.h"
#include <algorithm>
#include <cstdio>
#include <vector>
#ifdef _WIN32
#include <windows.h>
#endif

int CString::Remove(char c)
{
    const size_t before = m_s.size();
    m_s.erase(std::remove(m_s.begin(), m_s.end(), c), m_s.end());
    return static_cast<int>(before - m_s.size());
}

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (needed < 0) { m_s.clear(); va_end(args); return; }
    std::vector<char> buffer(static_cast<size_t>(needed) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    va_end(args);
    m_s.assign(buffer.data(), static_cast<size_t>(needed));
}

#ifdef _WIN32
CString CString::FromWide(const wchar_t* text)
{
    if (!text || !*text)
        return CString();
    int size = ::WideCharToMultiByte(CP_ACP, WC_COMPOSITECHECK, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return CString();
    std::string buffer(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_ACP, WC_COMPOSITECHECK, text, -1, &buffer[0], size, nullptr, nullptr);
    buffer.resize(static_cast<size_t>(size - 1));
    return CString(buffer);
}

std::wstring CString::ToWide() const
{
    if (m_s.empty())
        return std::wstring();
    int size = ::MultiByteToWideChar(CP_ACP, 0, m_s.c_str(), -1, nullptr, 0);
    std::wstring buffer(static_cast<size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, m_s.c_str(), -1, &buffer[0], size);
    buffer.resize(static_cast<size_t>(size > 0 ? size - 1 : 0));
    return buffer;
}
#endif
