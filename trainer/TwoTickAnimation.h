#pragma once
// The animation behind every clickable lamp: a timer, a tick counter and the
// action's lamp. Starting enables the timer and then sets its interval to
// 200 ms, touching neither the counter nor the lamp; a start while it runs
// queues nothing. Each tick adds 1 to the counter and runs the action's step
// for the value reached; the tick that brings the counter to 2 then sets it
// back to 0 and ends the animation: timer stopped, lamp put out.
//
// Two animations of one window may count in one counter, as the serial
// trainer's clock and reset do: the one whose tick first brings it to 2 ends
// early, and the other counts on from 0 and runs one tick longer. What the
// action does at each tick, lighting its lamp included, is the window's.

#include "forms/Timer.h"
#include "trainer/Lamp.h"

#include <functional>

class TwoTickAnimation
{
public:
    static constexpr int kTickMs = 200;

    // The step runs at every tick with the counter's new value, 1 or 2.
    TwoTickAnimation(forms::Clock &clock, int &counter, Lamp &lamp, std::function<void(int)> step);

    void start();
    bool running() const { return timer_.ticking(); }

private:
    void tick();

    forms::Timer timer_;
    int &counter_;
    Lamp &lamp_;
    std::function<void(int)> step_;
};
