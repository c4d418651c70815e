#pragma once
// The About box: names the program and says what it is written with. Its
// "OK", and its close box, always lead to the serial trainer, whichever
// window opened it.

#include "forms/Form.h"

class AboutBox final : public forms::Form
{
public:
    explicit AboutBox(forms::Services &services);

private:
    void leaveForSerialTrainer();
};
