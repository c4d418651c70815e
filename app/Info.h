#pragma once
// The About box: names the program and says what it is written with. Its
// "OK" always leads to the serial trainer, whichever window opened it.

#include "forms/Controls.h"
#include "forms/Screen.h"

class Info final : public forms::Screen {
public:
    explicit Info(forms::Services& services);

    forms::PictureBox* Picture1;
    forms::CommandButton* Command1; // "OK"
    forms::Label* Label1;           // title
    forms::Label* Label2;           // rule
    forms::Label* Label4;           // what it is written with
    forms::Label* Label5;           // who wrote it
    forms::Label* Label7;
    forms::Label* Label9;

private:
    void Command1_Click();
};
