#pragma once
// The parallel register window: the diagram of a 4-bit register with
// parallel inputs E4 to E1 and parallel outputs S4 to S1, ten lamps laid over
// it, a pulse symbol, "Menu", "Quitter" and three timers. Nothing here moves:
// the lamps are never switched, so each shows the lit picture that lies in
// front of its unlit one, the timers have no interval and never tick, and
// no lamp or picture answers a click. "Quitter" and the close box end the
// program; "Menu" goes back to the main menu. No other window opens this one.

#include "forms/Form.h"
#include "forms/Timer.h"
#include "trainer/Lamp.h"

#include <array>
#include <vector>

class ParallelRegister final : public forms::Form
{
public:
    explicit ParallelRegister(forms::Services &services);

private:
    // Three timers with no interval: none of them ever ticks.
    std::array<forms::Timer, 3> spareTimers_;
    std::vector<Lamp> lamps_;
};
