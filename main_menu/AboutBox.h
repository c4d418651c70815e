#pragma once
// The About box: names the program and says what it is written with. Its
// "OK" always leads to the serial trainer, whichever window opened it.

#include "forms/Controls.h"
#include "forms/Form.h"

class AboutBox final : public forms::Form {
public:
    explicit AboutBox(forms::Services& services);

    // On the orange panel, front to back.
    forms::PictureBox* panel;
    forms::CommandButton* okButton;
    forms::Label* titleLabel;
    forms::Label* ruleLabel;    // a line of underscores
    forms::Label* toolsLabel;   // what it is written with
    forms::Label* authorLabel;  // who wrote it
    forms::Label* subjectLabel; // what it shows
    forms::Label* purposeLabel; // what it is for

private:
    void onOkClicked();
};
