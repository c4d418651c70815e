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

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include <initializer_list>
#include <string>

class SerialFixture : public ProgramFixture {
protected:
    // Starts the program and opens the trainer as a learner does.
    SerialTrainer& open()
    {
        start();
        click(form<MainMenu>(FormId::MainMenu).serialButton);
        return trainer();
    }
    SerialTrainer& trainer() { return form<SerialTrainer>(FormId::SerialTrainer); }

    // The digit seen on a cell: the "0" picture lies in front.
    static char seen(const BitCell& c)
    {
        if (c.zeroShown())
            return '0';
        return c.oneShown() ? '1' : '-';
    }
    // A lamp as seen: the unlit picture lies in front.
    static char seen(const Lamp& lamp)
    {
        if (lamp.unlit().shown())
            return '0';
        return lamp.lit().shown() ? '1' : '-';
    }

    std::string look()
    {
        SerialTrainer& s = trainer();
        std::string line;
        for (int k = 3; k >= 0; --k)
            line += seen(*s.cells[k]);
        line += std::string(" e") + seen(*s.inputLamp) + " s" + seen(*s.outputLamp) + " h"
            + seen(*s.clockLamp) + " r" + seen(*s.resetLamp);
        line += " n=" + s.pulseCountLabel->caption().toStdString()
            + " st=" + s.statusLabel->caption().toStdString() + " box=" + s.wordBox->text().toStdString();
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
