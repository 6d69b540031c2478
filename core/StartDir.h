#pragma once
#include <string>

// The start directory as the program keeps it: the directory text with a
// trailing backslash, or empty when the directory could not be read (null).
std::string MakeStartDir(const char* currentDirectory);

// The INI file, read and written there all the program's life: in the start
// directory, or in the Windows directory when there is none.
std::string MakeProfilePath(const std::string& startDir, const std::string& windowsDir);
