#pragma once
#include <string>

// Keyed values in named sections, as the INI file holds them. The program
// reaches its INI file through this; tests hand in a map.
class Profile {
public:
    virtual int ReadInt(const char* section, const char* key, int defaultValue) const = 0;
    virtual std::string ReadString(const char* section, const char* key, const char* defaultValue) const = 0;
    virtual void WriteInt(const char* section, const char* key, int value) = 0;
    virtual void WriteString(const char* section, const char* key, const std::string& value) = 0;

protected:
    ~Profile() = default;
};
