#include "core/StartDir.h"

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

std::string MakeProfilePath(const std::string& startDir)
{
    return startDir + "Quenvo.ini";
}
