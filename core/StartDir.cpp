#include "core/StartDir.h"

namespace {
const char kProfileName[] = "Quenvo.ini";
}

std::string MakeStartDir(const char* currentDirectory)
{
    if (currentDirectory == nullptr)
        return std::string();
    std::string dir(currentDirectory);
    // A drive root ("C:\") already ends in a backslash and stays as it is.
    if (!dir.empty() && dir.back() != '\\')
        dir += '\\';
    return dir;
}

std::string MakeProfilePath(const std::string& startDir, const std::string& windowsDir)
{
    return (startDir.empty() ? MakeStartDir(windowsDir.c_str()) : startDir) + kProfileName;
}
