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
// The temporary file beside path that the process processId writes path's
// new content to: "<path>.<processId>.tmp", so that two programs saving the
// same file never write into one temporary file.
std::string TemporaryFilePath(const std::string& path, unsigned long processId);
// Writes text to this process's temporary file of path and puts that in
// place of path: path holds either its old content or text, whenever the
// program stops. On failure the temporary file is removed and path keeps
// its old content.
bool ReplaceFileContent(const std::string& path, const std::string& text);
// This process's temporary file of path.
std::string OwnTemporaryFilePath(const std::string& path);

// Flushes an open file's buffers through to the disk.
bool FlushFileToDisk(std::FILE* file);

// Puts source in place of target in one step: target keeps its old content
// until the new one is complete, and is never missing in between. Fails,
// leaving both files as they are, when target is marked read-only.
bool ReplaceFileAtomically(const std::string& source, const std::string& target);
