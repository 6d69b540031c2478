#include "core/collection/CollectionStore.h"
#include "core/collection/BookmarkReader.h"
#include "core/collection/BookmarkWriter.h"
#include "core/collection/CollectionNode.h"
#include "core/collection/CollectionNodeList.h"
#include "core/collection/CollectionWalk.h"
#include "core/FileReplace.h"

#include <cerrno>
#include <cstdio>
#include <utility>

// Quenvo タブコレクション
const char kDefaultCollectionTitle[] = "Quenvo \x83\x5E\x83\x75\x83\x52\x83\x8C\x83\x4E\x83\x56\x83\x87\x83\x93";
// Quenvo 無効ページ
const char kDefaultExpireTitle[] = "Quenvo \x96\xB3\x8C\xF8\x83\x79\x81\x5B\x83\x57";
// フォルダの階層が深すぎます。
const char kTooDeepMessage[] = "\x83\x74\x83\x48\x83\x8B\x83\x5F\x82\xCC\x8A\x4B\x91\x77\x82\xAA\x90\x5B"
                               "\x82\xB7\x82\xAC\x82\xDC\x82\xB7\x81\x42";

CollectionStore::CollectionStore(StopMessage showStopMessage) : stopMessage(std::move(showStopMessage))
{
}

CollectionStore::~CollectionStore() = default;

bool CollectionStore::LoadFile(const std::string& path, const char* defaultTitle)
{
    filePath = path;
    unreadPart = false;
    head = BookmarkHead();
    std::FILE* probe = std::fopen(path.c_str(), "rb");
    if (probe) {
        std::fclose(probe);
    } else if (errno == ENOENT) {
        CreateDefaultFile(defaultTitle);
    } else {
        unreadPart = true;
        return false;
    }
    std::string text;
    if (!ReadWholeFile(path, text)) {
        unreadPart = true;
        return false;
    }
    rootList.reset(new CollectionNodeList);
    BookmarkHead read;
    const bool whole = BookmarkReader::Read(text, *rootList, &read);
    // Text with no entry in it may be anything but a bookmark file.
    unreadPart = !whole || (!text.empty() && rootList->IsEmpty());
    // Only a file read whole gets its head back: the head of any other may
    // be all of it.
    head = unreadPart ? BookmarkHead(read.charset) : read;
    return whole;
}

// Copies the file to "<file>.bak". A file that is not there needs no copy.
bool CollectionStore::KeepOldFile() const
{
    std::string old;
    if (!ReadWholeFile(filePath, old))
        return errno == ENOENT;
    return WriteWholeFile(filePath + ".bak", old);
}

bool CollectionStore::SaveFile(const CollectionNodeList* list)
{
    if (filePath.empty())
        return false;
    // Without a tree the file was never read, and writing would replace
    // whatever it holds by an empty list.
    const CollectionNodeList* tree = list ? list : rootList.get();
    if (!tree) {
        stopMessage(filePath + kCannotWriteSuffix);
        return false;
    }
    // The reader would stop at the first folder too deep, and the rest of
    // the file would be lost to the next save.
    if (FolderLevels(*tree) > BookmarkReader::kMaxDepth) {
        stopMessage(kTooDeepMessage);
        return false;
    }
    // Every failure is told, once: a caller that goes on as if the file held
    // the tree would let the user believe a change was kept. Saving what was
    // read in part would lose the rest of the file.
    const std::string text = BookmarkWriter::Write(tree, head);
    if ((unreadPart && !KeepOldFile()) || !ReplaceFileContent(filePath, text)) {
        stopMessage(filePath + kCannotWriteSuffix);
        return false;
    }
    unreadPart = false;
    return true;
}

bool CollectionStore::CreateDefaultFile(const char* title)
{
    CollectionNodeList list;
    list.Append(CollectionNode::MakeFolder(title ? title : kDefaultCollectionTitle));
    return SaveFile(&list);
}
