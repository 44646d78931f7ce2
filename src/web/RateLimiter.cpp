#include "RateLimiter.h"

bool RateLimiter::blocked(const QString& address, Clock::time_point now)
{
    const std::lock_guard lock(m_mutex);
    const auto found = m_tallies.constFind(address);
    return found != m_tallies.cend() && now - found->start < Window && found->failures >= MaxFailures;
}

void RateLimiter::fail(const QString& address, Clock::time_point now)
{
    const std::lock_guard lock(m_mutex);
    if (m_tallies.size() >= MaxAddresses) {
        m_tallies.removeIf([&](const auto& entry) { return now - entry.value().start >= Window; });
        // Still full (a flood of addresses): start again rather than grow.
        if (m_tallies.size() >= MaxAddresses)
            m_tallies.clear();
    }
    Tally& tally = m_tallies[address];
    if (tally.failures == 0 || now - tally.start >= Window)
        tally = {now, 0};
    ++tally.failures;
}
