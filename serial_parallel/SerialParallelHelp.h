#pragma once
// The help page of the serial-in parallel-out trainer: a title, a fixed
// text filled once at the first load, and "OK", which hides the page and
// shows the trainer again. The trainer opens it beside itself; the page
// reads and changes nothing of it. The opening and closing blocks of the
// text are shared with the serial help page.

#include "forms/Controls.h"
#include "forms/Form.h"

class SerialParallelHelp final : public forms::Form {
public:
    explicit SerialParallelHelp(forms::Services& services);

    // Front to back.
    forms::CommandButton* okButton;
    forms::Label* titleLabel;
    forms::Label* helpText;

protected:
    void onLoad() override;

private:
    void onOkClicked();
};
