// The two-tick animation of a clickable lamp.

#include "trainer/TwoTickAnimation.h"

TwoTickAnimation::TwoTickAnimation(forms::Clock &clock, int &counter, Lamp &lamp, std::function<void(int)> step)
    : timer_(clock, [this] { tick(); }), counter_(counter), lamp_(lamp), step_(std::move(step))
{
}

void TwoTickAnimation::start()
{
    timer_.setEnabled(true);
    timer_.setInterval(kTickMs);
}

void TwoTickAnimation::tick()
{
    const int count = ++counter_;
    step_(count);
    if (count == 2) {
        counter_ = 0;
        timer_.setEnabled(false);
        lamp_.putOut();
    }
}
