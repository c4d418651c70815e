#pragma once
// A form's timer control: an enabled flag and an interval in milliseconds.
// It ticks every interval while it is enabled and the interval is above 0,
// whether or not its window is shown. A new timer is enabled with interval 0,
// so it does not tick until the program sets an interval. Setting the
// interval of a ticking timer starts its period afresh; enabling a timer that
// is already enabled changes nothing.

#include "forms/Clock.h"

#include <functional>

namespace forms {

class Timer
{
public:
    explicit Timer(Clock &clock, std::function<void()> onTick = {});
    ~Timer();
    Timer(const Timer &) = delete;
    Timer &operator=(const Timer &) = delete;

    void setEnabled(bool enabled);
    bool enabled() const { return enabled_; }
    void setInterval(int ms);
    int interval() const { return interval_; }
    // True while the timer will deliver ticks.
    bool ticking() const { return handle_ != 0; }

private:
    void reschedule();

    Clock &clock_;
    std::function<void()> onTick_;
    bool enabled_ = true;
    int interval_ = 0;
    Clock::Handle handle_ = 0;
};

} // namespace forms
