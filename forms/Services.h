#pragma once
// What every window is given: the clock its timers run on, the message box,
// the end of the program and the registry through which it opens the others.

namespace forms {

class Clock;
class MessageBox;
class ProgramEnd;
class FormRegistry;

struct Services
{
    Clock &clock;
    MessageBox &messageBox;
    ProgramEnd &programEnd;
    FormRegistry &forms;
};

} // namespace forms
