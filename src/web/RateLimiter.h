#pragma once

#include <QHash>
#include <QString>
#include <chrono>
#include <mutex>

// Counts wrong links per client address: after MaxFailures within Window the address is refused
// until its window ends. Thread-safe; the table is pruned so that a flood of addresses cannot
// grow it without bound.
class RateLimiter
{
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int MaxFailures = 10;
    static constexpr std::chrono::minutes Window {10};

    bool blocked(const QString& address, Clock::time_point now = Clock::now());
    void fail(const QString& address, Clock::time_point now = Clock::now());

private:
    struct Tally
    {
        Clock::time_point start;
        int failures = 0;
    };
    static constexpr int MaxAddresses = 4096;

    std::mutex m_mutex;
    QHash<QString, Tally> m_tallies;
};
