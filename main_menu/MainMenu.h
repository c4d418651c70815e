#pragma once
// The main menu, the window the program starts on. It holds no state: its
// buttons hide it and show the trainer or card they name, "à propos" shows
// the About box, and "Quitter" ends the program.

#include "forms/Controls.h"
#include "forms/Form.h"

class MainMenu final : public forms::Form {
public:
    explicit MainMenu(forms::Services& services);

    // The column of register buttons, top to bottom, then "Quitter" below.
    forms::CommandButton* serialButton;         // "Registre série/série"
    forms::CommandButton* serialParallelButton; // "Registre série/parallèle"
    forms::CommandButton* parallelButton;       // "Registre parallèle/parallèle"
    forms::CommandButton* blankButton;          // a button without a caption
    forms::CommandButton* quitButton;           // "Quitter"
    forms::PictureBox* panel;                   // the orange panel behind the column
    forms::PictureBox* titleStrip;
    forms::Label* titleLabel;
    QAction* quitAction;  // Fichier > Quitter
    QAction* aboutAction; // à propos

private:
    void onSerialClicked();
    void onParallelClicked();
    void onSerialParallelClicked();
    void onBlankClicked();
    void onQuitClicked();
    void onQuitChosen();
    void onAboutChosen();
};
