#pragma once
// The serial-in parallel-out trainer opened from the main menu, with what
// the learner sees of it written as one line (view(), TrainerControls.h),
// and timelines of clicks and keys at given milliseconds checked against
// that line.

#include "navigation/FormId.h"
#include "serial_parallel/SerialParallelTrainer.h"
#include "support/ProgramFixture.h"
#include "support/TrainerControls.h"

#include <QTest>

#include <string>
#include <vector>

// Texts in failure messages as text, not bytes.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

enum class Do { Nothing, ClickH, DoubleClickH, ClickRead, ClickRaz, Type, Paste, Backspace };

struct Step
{
    int at; // ms since the timeline began
    Do action;
    std::string expect;
    QString text = {}; // what Type and Paste enter
};

class SerialParallelFixture : public ProgramFixture
{
protected:
    // Starts the program and opens the trainer by its main-menu button.
    SerialParallelControls open()
    {
        start();
        click(button(FormId::MainMenu, "Registre série/parallèle"));
        return trainer();
    }
    SerialParallelControls trainer()
    {
        return SerialParallelControls(form<SerialParallelTrainer>(FormId::SerialParallelTrainer));
    }

    std::string view() { return ::view(trainer()); }

    void act(Do action, const QString &text = {})
    {
        const SerialParallelControls s = trainer();
        switch (action) {
        case Do::Nothing:
            break;
        case Do::ClickH:
            click(s.clockUnlit);
            break;
        case Do::DoubleClickH:
            doubleClick(s.clockUnlit);
            break;
        case Do::ClickRead:
            click(s.readUnlit);
            break;
        case Do::ClickRaz:
            click(s.resetUnlit);
            break;
        case Do::Type:
            typeText(s.wordBox, text);
            break;
        case Do::Paste:
            paste(s.wordBox, text);
            break;
        case Do::Backspace:
            pressKey(s.wordBox, Qt::Key_Backspace);
            break;
        }
    }

    // Each step: the clock moved on to its time, its action, then the line.
    void runTimeline(const std::vector<Step> &steps)
    {
        const std::int64_t begin = clock.now();
        for (const Step &step : steps) {
            advance(static_cast<int>(begin + step.at - clock.now()));
            act(step.action, step.text);
            EXPECT_EQ(view(), step.expect) << "at " << step.at << " ms";
        }
    }

    // Types the word and gives four complete clock pulses.
    void shiftIn(const QString &word, int pulses = 4)
    {
        typeText(trainer().wordBox, word);
        pulse(pulses);
    }
    void pulse(int pulses)
    {
        for (int i = 0; i < pulses; ++i) {
            click(trainer().clockUnlit);
            advance(400);
        }
    }
    // bit1 to bit4 joined, as the read would show them.
    QString storedBits()
    {
        const WordEntry &w = *trainer().word;
        return w.bit(1) + w.bit(2) + w.bit(3) + w.bit(4);
    }
    // A read, run to its end.
    void readOut()
    {
        click(trainer().readUnlit);
        advance(400);
    }
};
