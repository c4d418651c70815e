#pragma once
// The help page of the serial-in parallel-out trainer: a title, a fixed
// text filled once at the first load, and "OK", which hides the page and
// shows the trainer again. The trainer opens it beside itself; the page
// reads and changes nothing of it. The opening and closing blocks of the
// text are shared with the serial help page.

#include "forms/Controls.h"
#include "forms/Screen.h"

class Aide_sp final : public forms::Screen {
public:
    explicit Aide_sp(forms::Services& services);

    // Front to back.
    forms::CommandButton* Command1; // "OK"
    forms::Label* Label2;           // title
    forms::Label* Label1;           // the help text

protected:
    void Form_Load() override;

private:
    void Command1_Click();
};
