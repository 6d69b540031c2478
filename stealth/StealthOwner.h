#pragma once
#include "framework/Types.h"

// What stealth mode asks of the window it shows and hides.
class StealthOwner {
public:
    // The window's layout after every switch.
    virtual void RecalcLayout() = 0;
    // While the collection popup is tracked the window must stay.
    virtual BOOL IsCollectionMenuOpen() const = 0;
    // A hidden window cannot go on dragging a tab.
    virtual void CancelTabDrag() = 0;

protected:
    ~StealthOwner() = default;
};
