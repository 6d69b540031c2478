#include "core/FileReplace.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

// に書き込めません
const char kCannotWriteSuffix[] = "\x82\xC9\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1";

namespace {

// Windows refuses to replace a read-only file, but Wine does not, nor does a
// rename elsewhere; asking first keeps a file the user protected intact on
// every system.
bool IsReadOnly(const std::string& path)
{
#ifdef _WIN32
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
#else
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
#endif
}

}  // namespace

bool FlushFileToDisk(std::FILE* file)
{
    if (std::fflush(file) != 0)
        return false;
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

bool ReplaceFileAtomically(const std::string& source, const std::string& target)
{
    if (IsReadOnly(target))
        return false;
#ifdef _WIN32
    return MoveFileExA(source.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(source.c_str(), target.c_str()) == 0;
#endif
}

bool ReadWholeFile(const std::string& path, std::string& text)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    text.clear();
    char chunk[65536];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        text.append(chunk, got);
    bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

bool WriteWholeFile(const std::string& path, const std::string& text)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    ok = FlushFileToDisk(file) && ok;
    return std::fclose(file) == 0 && ok;
}

std::string TemporaryFilePath(const std::string& path, unsigned long processId)
{
    return path + "." + std::to_string(processId) + ".tmp";
}

std::string OwnTemporaryFilePath(const std::string& path)
{
#ifdef _WIN32
    return TemporaryFilePath(path, GetCurrentProcessId());
#else
    return TemporaryFilePath(path, static_cast<unsigned long>(getpid()));
#endif
}

bool ReplaceFileContent(const std::string& path, const std::string& text)
{
    const std::string tempPath = OwnTemporaryFilePath(path);
    if (WriteWholeFile(tempPath, text) && ReplaceFileAtomically(tempPath, path))
        return true;
    std::remove(tempPath.c_str());
    return false;
}
