#pragma once
// The main menu, the window the program starts on. It holds no state: its
// buttons hide it and show the trainer or card they name, "à propos" shows
// the About box, and "Quitter" ends the program.

#include "forms/Form.h"

class MainMenu final : public forms::Form
{
public:
    explicit MainMenu(forms::Services &services);
};
