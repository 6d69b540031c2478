#pragma once
#include <cstdio>
#include <string>

// The two platform-dependent steps of saving a file safely.

// Flushes an open file's buffers through to the disk.
bool FlushFileToDisk(std::FILE* file);

// Puts source in place of target in one step: target keeps its old content
// until the new one is complete, and is never missing in between. Fails,
// leaving both files as they are, when target is marked read-only.
bool ReplaceFileAtomically(const std::string& source, const std::string& target);
