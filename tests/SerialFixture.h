#pragma once
// The serial trainer opened from the main menu, and what its learner sees
// written as one line (look(), TrainerControls.h), so a timeline can state
// the screen at each moment.

#include "navigation/FormId.h"
#include "serial/SerialTrainer.h"
#include "support/ProgramFixture.h"
#include "support/TrainerControls.h"

#include <initializer_list>
#include <string>

class SerialFixture : public ProgramFixture
{
protected:
    // Starts the program and opens the trainer as a learner does.
    SerialControls open()
    {
        start();
        click(button(FormId::MainMenu, "Registre série/série"));
        return trainer();
    }
    SerialControls trainer() { return SerialControls(form<SerialTrainer>(FormId::SerialTrainer)); }

    std::string look() { return ::look(trainer()); }

    // The word typed as a learner types it, one key per character.
    void type(const QString &text) { typeText(trainer().wordBox, text); }
    // A character committed by an input method (an emoji picker, a compose
    // key): one change, whatever its length in UTF-16 units.
    void commit(const QString &text) { ProgramFixture::commit(trainer().wordBox, text); }

    // Clicks the clock lamp `count` times, each time waiting for the pulse.
    void pulses(int count)
    {
        for (int i = 0; i < count; ++i) {
            click(trainer().clockUnlit);
            advance(400);
        }
    }

    // Advances the clock to an absolute time since the test's start.
    void at(int ms) { advance(static_cast<int>(ms - clock.now())); }
};
