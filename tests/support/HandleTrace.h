#pragma once
#include <windows.h>
#include <string>
#include <vector>

// Records the handles created while it lives: every window of this thread
// (through a creation hook) and the GDI objects, icons, cursors, menus and
// image lists this program's own code asks for (through its import table).
// Wine's GetGuiResources always answers 0, so counts cannot tell a leak;
// the recorded handles are looked at one by one instead.
class HandleTrace {
public:
    HandleTrace();
    ~HandleTrace();
    HandleTrace(const HandleTrace&) = delete;
    HandleTrace& operator=(const HandleTrace&) = delete;

    struct Counts {
        int windows = 0, gdiObjects = 0, icons = 0, menus = 0, imageLists = 0;
    };
    Counts Created() const;
    // The recorded handles that still exist, described.
    std::vector<std::string> Survivors() const;
};
