#pragma once
#include <cstddef>
#include <deque>
#include <string>

// A tab the user closed: its address, where it stood and its pin.
struct ClosedTab {
    std::string address;
    int index;
    bool pinned;
};

// The tabs closed one at a time in this session, newest first, so that the
// last ones can be opened again. Older ones fall off past the limit.
class ClosedTabs {
public:
    enum { kLimit = 16 };

    void Remember(const ClosedTab& tab);
    bool IsEmpty() const { return m_tabs.empty(); }
    std::size_t GetCount() const { return m_tabs.size(); }
    // 0 is the newest.
    const ClosedTab& Get(std::size_t i) const { return m_tabs[i]; }
    // Call only when not empty.
    void ForgetNewest() { m_tabs.pop_front(); }

private:
    std::deque<ClosedTab> m_tabs;
};
