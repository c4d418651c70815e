#pragma once
// The help page of the serial trainer: the register, its transfer pulses,
// what the pulses after the fourth do, and its reset.

#include "trainer/HelpPage.h"

class SerialHelp final : public HelpPage
{
public:
    explicit SerialHelp(forms::Services &services);
};
