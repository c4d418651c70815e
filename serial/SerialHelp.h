#pragma once
// The help page of the serial trainer: a title, the fixed text on the
// register, its transfer pulses and its reset, written once at the first
// display, and "OK", which leads back to the trainer. The paragraphs that
// open and close the text are shared with the other trainer's help; the one
// between them, on the pulses after the fourth, is this page's own.

#include "forms/Controls.h"
#include "forms/Form.h"

class SerialHelp final : public forms::Form {
public:
    explicit SerialHelp(forms::Services& services);

    forms::CommandButton* okButton = nullptr;
    forms::Label* helpText = nullptr;
    forms::Label* titleLabel = nullptr;

protected:
    void onLoad() override;

private:
    void onOkClicked();
};
