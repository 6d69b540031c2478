#pragma once
#include <cstdio>
#include <string>

// Saving a file safely: its new content goes to a temporary file beside it,
// which then takes its place in one step.

// "<path>に書き込めません" (cannot write to <path>) follows the path when a
// save fails; code page 932.
extern const char kCannotWriteSuffix[];

// The whole file, bytes as they are. False when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& text);
// Creates or truncates path and writes text through to the disk.
bool WriteWholeFile(const std::string& path, const std::string& text);
// Writes text to "<path>.tmp" and puts that in place of path: path holds
// either its old content or text, whenever the program stops. On failure
// the temporary file is removed and path keeps its old content.
bool ReplaceFileContent(const std::string& path, const std::string& text);

// Flushes an open file's buffers through to the disk.
bool FlushFileToDisk(std::FILE* file);

// Puts source in place of target in one step: target keeps its old content
// until the new one is complete, and is never missing in between. Fails,
// leaving both files as they are, when target is marked read-only.
bool ReplaceFileAtomically(const std::string& source, const std::string& target);
