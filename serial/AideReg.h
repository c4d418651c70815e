#pragma once
// The help page of the serial trainer: a title, the fixed text on the
// register, its transfer pulses and its reset, written once at the first
// display, and "OK", which leads back to the trainer. The paragraphs that
// open and close the text are shared with the other trainer's help; the one
// between them, on the pulses after the fourth, is this page's own.

#include "forms/Controls.h"
#include "forms/Screen.h"

class AideReg final : public forms::Screen {
public:
    explicit AideReg(forms::Services& services);

    forms::CommandButton* Command1 = nullptr; // "OK"
    forms::Label* Label1 = nullptr;           // the help text
    forms::Label* Label2 = nullptr;           // the title

protected:
    void Form_Load() override;

private:
    void Command1_Click();
};
