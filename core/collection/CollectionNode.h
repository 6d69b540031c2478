#pragma once
#include <cstdint>
#include <memory>
#include <string>

class CollectionNodeList;

// One entry of a collection tree: a folder when it has a children list
// (which may be empty), a link otherwise. Text is code page 932 bytes.
struct CollectionNode {
    CollectionNode();
    ~CollectionNode();
    CollectionNode(const CollectionNode&) = delete;
    CollectionNode& operator=(const CollectionNode&) = delete;

    static std::unique_ptr<CollectionNode> MakeFolder(const std::string& name);
    static std::unique_ptr<CollectionNode> MakeLink(const std::string& name, const std::string& url);

    bool IsFolder() const { return children != nullptr; }

    // Set by the reader when the folder held a folder when the file was read;
    // 0 for nodes made in memory. Only the menu drawing looks at it.
    std::int32_t hasSubfolders = 0;
    std::string name;
    std::string url;
    // In a tree read from a file that declares its character set: name and
    // url exactly as the file held them, where writing back what they show
    // would not give them. The writer puts them back as they were while name
    // and url still show what was read from them.
    std::string fileName;
    std::string fileUrl;
    // What the program does not use but the file held, to be written back:
    // the rest of the start tag (after "<H" for a folder: its level and
    // attributes; after the address's closing quote for a link), and the
    // text of a "<DD>" that followed the entry. Empty for a node made here.
    std::string tagRest;
    std::string description;
    std::unique_ptr<CollectionNodeList> children;
};
