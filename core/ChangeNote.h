#pragma once

// Where the parts of the main window report a change worth keeping (a tab
// opened, closed, moved or pinned, a page's address, a setting changed by a
// command, the window's place): whoever keeps them writes them a short
// while later.
class ChangeNote {
public:
    virtual void NoteChange() = 0;

protected:
    ~ChangeNote() = default;
};
