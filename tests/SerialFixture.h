#pragma once
// The serial trainer opened from the main menu, and what its learner sees
// written as one line, so a timeline can state the screen at each moment:
//   "cells e? s? h? r? n=<pulse count> st=<status line> box=<text>[ locked]"
// cells from cell 3 (input end) to cell 0 (output end), each the digit in
// front; e, s, h, r the input, output, clock and reset lamps, 1 when lit.

#include "main_menu/MainMenu.h"
#include "navigation/FormId.h"
#include "serial/SerialTrainer.h"
#include "support/ProgramFixture.h"
#include "support/TrainerControls.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include <initializer_list>
#include <string>

class SerialFixture : public ProgramFixture {
protected:
    // Starts the program and opens the trainer as a learner does.
    SerialControls open()
    {
        start();
        click(button(FormId::MainMenu, "Registre série/série"));
        return trainer();
    }
    SerialControls trainer() { return SerialControls(form<SerialTrainer>(FormId::SerialTrainer)); }

    // What a pair of pictures shows: the first lies in front, so '0' when it
    // is shown, else '1' when the second is, else '-'.
    static char seen(const forms::Image* first, const forms::Image* second)
    {
        if (first->shown())
            return '0';
        return second->shown() ? '1' : '-';
    }

    std::string look()
    {
        const SerialControls s = trainer();
        std::string line;
        for (int k = 3; k >= 0; --k)
            line += seen(s.zero(k), s.one(k));
        line += std::string(" e") + seen(s.inputUnlit, s.inputLit) + " s" + seen(s.outputUnlit, s.outputLit) + " h"
            + seen(s.clockUnlit, s.clockLit) + " r" + seen(s.resetUnlit, s.resetLit);
        line += " n=" + s.pulseCountLabel->caption().toStdString() + " st=" + s.statusLabel->caption().toStdString()
            + " box=" + s.wordBox->text().toStdString();
        if (s.wordBox->locked())
            line += " locked";
        return line;
    }

    // The word typed as a learner types it, one key per character.
    void type(const QString& text) { typeText(trainer().wordBox, text); }
    // A character committed by an input method (an emoji picker, a compose
    // key): one change, whatever its length in UTF-16 units.
    void commit(const QString& text)
    {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(trainer().wordBox, &event);
    }

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
