#pragma once
// A clock that moves only when the test advances it. Ticks are delivered in
// time order; schedules due at the same millisecond tick in the order they
// were started. A tick may start and stop schedules, its own included.

#include "forms/Clock.h"

#include <cstdint>
#include <map>

class VirtualClock final : public forms::Clock
{
public:
    Handle startRepeating(int intervalMs, std::function<void()> tick) override;
    void stop(Handle handle) override;

    // Runs every tick due up to now + ms, then stands at now + ms.
    void advance(std::int64_t ms);
    std::int64_t now() const { return now_; }
    // Schedules running now.
    int running() const { return static_cast<int>(schedules_.size()); }

private:
    struct Schedule
    {
        std::int64_t due;
        int interval;
        std::uint64_t order;
        std::function<void()> tick;
    };
    std::int64_t now_ = 0;
    Handle next_ = 1;
    std::uint64_t order_ = 0;
    std::map<Handle, Schedule> schedules_;
};
