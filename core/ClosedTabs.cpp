#include "core/ClosedTabs.h"

void ClosedTabs::Remember(const ClosedTab& tab)
{
    m_tabs.push_front(tab);
    if (m_tabs.size() > kLimit)
        m_tabs.pop_back();
}
