#pragma once
#include "core/collection/BookmarkText.h"
#include <functional>
#include <memory>
#include <string>

class CollectionNodeList;

// Default folder titles, code page 932.
extern const char kDefaultCollectionTitle[];  // "Quenvo タブコレクション"
extern const char kDefaultExpireTitle[];      // "Quenvo 無効ページ"
// Told when folders would nest deeper than a file can be read back.
extern const char kTooDeepMessage[];  // "フォルダの階層が深すぎます。"

// A collection tree and the HTML bookmark file it is kept in: the portable
// half of the collection menu and of the expire list. Whoever makes it says
// how a message reaches the user.
class CollectionStore {
public:
    // Shows text to the user with the stop icon.
    using StopMessage = std::function<void(const std::string& text)>;

    explicit CollectionStore(StopMessage showStopMessage);
    ~CollectionStore();
    CollectionStore(const CollectionStore&) = delete;
    CollectionStore& operator=(const CollectionStore&) = delete;

    // Replaces the tree by the file at path, which becomes the file that
    // SaveFile writes. A missing file is first created holding one empty
    // folder named defaultTitle (kDefaultCollectionTitle when null). False
    // when the file cannot be read, leaving the tree as it was, or when its
    // top level stops at a syntax error, keeping what was read before it.
    // A file with text but no entry in it counts as read in part.
    bool LoadFile(const std::string& path, const char* defaultTitle);
    // Writes list (the whole tree when null) to the file through a
    // temporary file of its own beside it, then puts that in its place, with
    // the file's own head when it was read whole. When the last LoadFile did
    // not read the file whole, the file as it was is first kept beside it as
    // "<file>.bak", once. True when the file was replaced. Every failure is
    // reported to the user, once; with no list and no tree read, or with
    // folders nested deeper than the reader keeps, nothing is written.
    bool SaveFile(const CollectionNodeList* list = nullptr);
    // Writes a file holding one empty folder named title
    // (kDefaultCollectionTitle when null).
    bool CreateDefaultFile(const char* title);

    CollectionNodeList* GetRoot() const { return rootList.get(); }
    // What the file read last declared; SaveFile writes it the same way.
    BookmarkCharset GetCharset() const { return head.charset; }
    const std::string& GetFilePath() const { return filePath; }

private:
    bool KeepOldFile() const;

    StopMessage stopMessage;
    std::string filePath;
    std::unique_ptr<CollectionNodeList> rootList;
    // What SaveFile writes before the entries.
    BookmarkHead head;
    // The file holds what the tree does not: it stopped at a syntax error,
    // held no entry or could not be read.
    bool unreadPart = false;
};
