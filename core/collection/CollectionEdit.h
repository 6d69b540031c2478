#pragma once
#include <string>

struct CollectionNode;
class CollectionNodeList;

// The changes the organizer makes to its own copy of a collection tree.
// Each one happens whole or not at all: when the nodes it is given do not
// allow it, it answers null or false and the tree stays as it was.
namespace CollectionEdit {

// A new link or empty folder at the end of folder's children; null when
// folder is no folder.
CollectionNode* AppendLink(CollectionNode* folder, const std::string& name, const std::string& url);
CollectionNode* AppendFolder(CollectionNode* folder, const std::string& name);

// Destroys node, with its subtree, when it is one of folder's children.
bool DeleteChild(CollectionNode* folder, CollectionNode* node);

// Moves node, with its subtree, to the end of target's children when target
// is a folder, or directly after target when it is a link: where the
// organizer's tree shows it after the drop. Refused when either node is not
// in the tree under root, when target is node or lies in node's subtree, and
// when target is a link at the top level, where no folder receives it.
bool MoveNode(CollectionNodeList& root, CollectionNode* node, CollectionNode* target);

// Whether a new folder in folder, or node moved onto target as MoveNode
// moves it, would put a folder deeper than a file is read
// (BookmarkReader::kMaxDepth levels). False for nodes not under root.
bool NewFolderTooDeep(const CollectionNodeList& root, const CollectionNode* folder);
bool MoveTooDeep(const CollectionNodeList& root, const CollectionNode* node, const CollectionNode* target);

}  // namespace CollectionEdit
