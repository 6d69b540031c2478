#pragma once
#include <string>

// The start directory as the program keeps it: the directory text with a
// trailing backslash, or empty when the directory could not be read (null).
std::string MakeStartDir(const char* currentDirectory);

// The INI file that every profile read and write goes to.
std::string MakeProfilePath(const std::string& startDir);
