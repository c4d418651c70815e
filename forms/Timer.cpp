// A timer control on the injected clock.

#include "forms/Timer.h"

namespace forms {

Timer::Timer(Clock &clock, std::function<void()> onTick) : clock_(clock), onTick_(std::move(onTick)) { }

Timer::~Timer()
{
    if (handle_ != 0)
        clock_.stop(handle_);
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    reschedule();
}

void Timer::setInterval(int ms)
{
    interval_ = ms < 0 ? 0 : ms;
    reschedule();
}

void Timer::reschedule()
{
    if (handle_ != 0) {
        clock_.stop(handle_);
        handle_ = 0;
    }
    if (enabled_ && interval_ > 0) {
        handle_ = clock_.startRepeating(interval_, [this] {
            if (onTick_)
                onTick_();
        });
    }
}

} // namespace forms
