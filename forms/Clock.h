#pragma once
// The source of time for every timer of the program. The program runs on
// Qt's event loop (QtClock); tests run on a virtual clock that they advance
// by hand, so a timeline of clicks and ticks plays out exactly and instantly.
// A clock only delivers ticks; what a tick means is left to forms::Timer.

#include <functional>

namespace forms {

class Clock
{
public:
    using Handle = int;
    virtual ~Clock() = default;

    // Calls `tick` every `intervalMs` milliseconds, the first time one
    // interval from now, until stop() is called with the returned handle.
    virtual Handle startRepeating(int intervalMs, std::function<void()> tick) = 0;
    // Ends a schedule; a stopped or unknown handle is ignored. May be called
    // from inside the schedule's own tick.
    virtual void stop(Handle handle) = 0;
};

} // namespace forms
