// The virtual clock: ticks in time order, advanced by hand.

#include "support/VirtualClock.h"

forms::Clock::Handle VirtualClock::startRepeating(int intervalMs, std::function<void()> tick)
{
    const Handle handle = next_++;
    schedules_[handle] = Schedule{ now_ + intervalMs, intervalMs, order_++, std::move(tick) };
    return handle;
}

void VirtualClock::stop(Handle handle)
{
    schedules_.erase(handle);
}

void VirtualClock::advance(std::int64_t ms)
{
    const std::int64_t end = now_ + ms;
    for (;;) {
        auto earliest = schedules_.end();
        for (auto it = schedules_.begin(); it != schedules_.end(); ++it) {
            if (it->second.due > end)
                continue;
            if (earliest == schedules_.end() || it->second.due < earliest->second.due
                || (it->second.due == earliest->second.due && it->second.order < earliest->second.order))
                earliest = it;
        }
        if (earliest == schedules_.end())
            break;
        Schedule &due = earliest->second;
        now_ = due.due;
        due.due += due.interval;
        due.order = order_++;
        // The tick may stop this schedule: call a copy.
        const std::function<void()> tick = due.tick;
        tick();
    }
    now_ = end;
}
