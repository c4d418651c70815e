#pragma once
// The animation behind every clickable lamp: a timer of the screen, a tick
// counter of the screen and the action's lamp. Starting enables the timer
// and then sets its interval to 200 ms, touching neither the counter nor the
// lamp; a start while it runs queues nothing. Each tick adds 1 to the counter
// before the screen's own steps for that value run; the tick that brings it
// to 2 sets it back to 0 and ends the animation (timer stopped, lamp unlit).
// Two animations of one screen may count in one counter: the one whose tick
// first brings it to 2 ends early and the other runs one tick longer.
// What happens at each tick, and in which order, is the screen's.

#include "forms/Timer.h"
#include "trainer/Lamp.h"

class TwoTickAnimation {
public:
    static constexpr int kTickMs = 200;

    TwoTickAnimation(forms::Timer& timer, int& counter, Lamp& lamp)
        : timer(timer), counter(counter), lamp(lamp)
    {
    }

    // Enabled, then the interval.
    void start()
    {
        enableTimer();
        setTickInterval();
    }
    void enableTimer() { timer.setEnabled(true); }
    void setTickInterval() { timer.setInterval(kTickMs); }
    // Adds one to the counter and answers its new value.
    int countTick() { return ++counter; }
    void stopTimer() { timer.setEnabled(false); }

    forms::Timer& timer;
    int& counter;
    Lamp& lamp;
};
