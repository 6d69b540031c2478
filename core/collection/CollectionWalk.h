#pragma once
#include <cstddef>
#include <vector>

struct CollectionNode;
class CollectionNodeList;

// A depth-first walk of a collection tree in file order, on a stack of its
// own: a tree may be nested deeper than the call stack should follow, and
// the tree itself keeps no walk state, so it stays const and several walks
// may run at once.
//
//     for (CollectionWalk walk(list); walk.Next();)
//         walk.Leaving() ? ... : ...;
//
// Each node is entered once; a folder is left again after its children.
class CollectionWalk {
public:
    explicit CollectionWalk(const CollectionNodeList& list);

    // Moves to the next step; false once the walk is over.
    bool Next();
    // The node entered, or the folder left.
    const CollectionNode& Node() const { return *node_; }
    bool Leaving() const { return leaving_; }
    // The list that holds Node(), and where in it.
    const CollectionNodeList& List() const { return *open_.back().list; }
    std::size_t Index() const { return open_.back().next - 1; }
    // 0 for the nodes of the list walked, 1 for their children, and so on.
    std::size_t Depth() const { return open_.size() - 1; }
    // The folder just entered is left next, without its children.
    void SkipChildren() { skip_ = true; }

private:
    // A list being walked, the index of its next node and the folder it
    // belongs to (null for the list walked).
    struct Open {
        const CollectionNodeList* list;
        std::size_t next;
        const CollectionNode* folder;
    };
    std::vector<Open> open_;
    const CollectionNode* node_ = nullptr;
    bool leaving_ = false;
    bool skip_ = false;
};

// The list under root, root included, that holds node, found in the order of
// the walk. Null when node is not in the tree.
CollectionNodeList* FindListContaining(CollectionNodeList& root, const CollectionNode* node);

// How many levels of folders list holds: 0 with no folder in it, 1 when none
// of its folders holds a folder, and so on.
std::size_t FolderLevels(const CollectionNodeList& list);
