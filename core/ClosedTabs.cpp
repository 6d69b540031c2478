#include "core/ClosedTabs.h"

void ClosedTabs::Remember(const std::string& address, int index)
{
    m_tabs.push_front({ address, index });
    if (m_tabs.size() > kLimit)
        m_tabs.pop_back();
}
