#pragma once
// The help page of the serial-in parallel-out trainer: the register, its
// transfer pulses, the read onto the outputs, and its reset. The trainer
// opens it beside itself; the page reads and changes nothing of it.

#include "trainer/HelpPage.h"

class SerialParallelHelp final : public HelpPage
{
public:
    explicit SerialParallelHelp(forms::Services &services);
};
