#pragma once
// The "à suivre" card, for the register kinds that are not built yet. Its
// "OK" leads back to the main menu.

#include "forms/Controls.h"
#include "forms/Form.h"

class ComingSoonCard final : public forms::Form {
public:
    explicit ComingSoonCard(forms::Services& services);

    forms::PictureBox* panel; // orange, holding the card and "OK"
    forms::PictureBox* card;  // the "Bientôt le prochain épisode" picture
    forms::CommandButton* okButton;

private:
    void onOkClicked();
};
