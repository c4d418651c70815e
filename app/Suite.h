#pragma once
// The "à suivre" card, for the register kinds that are not built yet. Its
// "OK" leads back to the main menu.

#include "forms/Controls.h"
#include "forms/Screen.h"

class Suite final : public forms::Screen {
public:
    explicit Suite(forms::Services& services);

    forms::PictureBox* Picture1; // the panel
    forms::PictureBox* Picture2; // the card
    forms::CommandButton* Command1;

private:
    void Command1_Click();
};
