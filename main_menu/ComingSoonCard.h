#pragma once
// The "à suivre" card, for the register kinds that are not built yet. Its
// "OK", and its close box, lead back to the main menu.

#include "forms/Form.h"

class ComingSoonCard final : public forms::Form
{
public:
    explicit ComingSoonCard(forms::Services &services);

private:
    void leaveForMainMenu();
};
