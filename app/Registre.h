#pragma once
// The main menu, the window the program starts on. It holds no state: its
// buttons hide it and show the trainer or card they name, "à propos" shows
// the About box, and "Quitter" ends the program.

#include "forms/Controls.h"
#include "forms/Screen.h"

class Registre final : public forms::Screen {
public:
    explicit Registre(forms::Services& services);

    forms::CommandButton* Command1; // "Registre série/série"
    forms::CommandButton* Command2; // "Registre parallèle/parallèle"
    forms::CommandButton* Command3; // "Registre série/parallèle"
    forms::CommandButton* Command4; // blank
    forms::CommandButton* Command5; // "Quitter"
    forms::PictureBox* Picture1;    // the panel
    forms::PictureBox* Picture2;    // the title strip
    forms::Label* Label1;
    QAction* quit;
    QAction* propos;

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void quit_Click();
    void propos_Click();
};
