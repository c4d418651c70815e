#pragma once
// The serial-in parallel-out trainer opened from the main menu, with what
// the learner sees of it written as one line, and timelines of clicks and
// keys at given milliseconds checked against that line.
//
// The line: the lamps H, RAZ, input, read, S4, S3, S2, S1 as they are drawn
// (a lit lamp by its letter, an unlit one by '.'), then the pulse count, the
// read result, the word box in brackets and "locked" while it is locked:
//   "H.E..... n=1 r= [101] locked"

#include "Registre.h"
#include "serial_parallel/sp.h"
#include "support/ProgramFixture.h"

#include <QTest>

#include <string>
#include <vector>

// Texts in failure messages as text, not bytes.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

enum class Do { Nothing, ClickH, DoubleClickH, ClickRead, ClickRaz, Type, Paste, Backspace };

struct Step {
    int at; // ms since the timeline began
    Do action;
    std::string expect;
    QString text = {}; // what Type and Paste enter
};

class SpFixture : public ProgramFixture {
protected:
    // Starts the program and opens the trainer by its main-menu button.
    sp& openSp()
    {
        start();
        click(screen<Registre>(ScreenId::Registre).Command3);
        return trainer();
    }
    sp& trainer() { return screen<sp>(ScreenId::sp); }

    std::string view()
    {
        sp& s = trainer();
        const QImage drawn = grabImage(s.Picture1->inside());
        std::string lamps;
        const std::pair<forms::Image*, char> pairs[] = {
            {s.hw, 'H'}, {s.razw, 'R'}, {s.ew, 'E'}, {s.lw, 'L'},
            {s.s4w, '4'}, {s.s3w, '3'}, {s.s2w, '2'}, {s.s1w, '1'}};
        for (const auto& [unlit, letter] : pairs) {
            const QColor c = drawn.pixelColor(unlit->geometry().topLeft() + QPoint(6, 6));
            lamps += c == QColor(0xFF, 0x0F, 0x50) ? letter : c == QColor(Qt::white) ? '.' : '?';
        }
        std::string line = lamps + " n=" + s.Label6->caption().toStdString()
            + " r=" + s.Label5->caption().toStdString() + " [" + s.mot->text().toStdString() + "]";
        if (s.mot->locked())
            line += " locked";
        return line;
    }

    void act(Do action, const QString& text = {})
    {
        sp& s = trainer();
        switch (action) {
        case Do::Nothing: break;
        case Do::ClickH: click(s.hw); break;
        case Do::DoubleClickH: doubleClick(s.hw); break;
        case Do::ClickRead: click(s.lw); break;
        case Do::ClickRaz: click(s.razw); break;
        case Do::Type: typeText(s.mot, text); break;
        case Do::Paste: paste(s.mot, text); break;
        case Do::Backspace: pressKey(s.mot, Qt::Key_Backspace); break;
        }
    }

    // Each step: the clock moved on to its time, its action, then the line.
    void runTimeline(const std::vector<Step>& steps)
    {
        const std::int64_t begin = clock.now();
        for (const Step& step : steps) {
            advance(static_cast<int>(begin + step.at - clock.now()));
            act(step.action, step.text);
            EXPECT_EQ(view(), step.expect) << "at " << step.at << " ms";
        }
    }

    // Types the word and gives four complete clock pulses.
    void shiftIn(const QString& word, int pulses = 4)
    {
        typeText(trainer().mot, word);
        pulse(pulses);
    }
    void pulse(int pulses)
    {
        for (int i = 0; i < pulses; ++i) {
            click(trainer().hw);
            advance(400);
        }
    }
    // bit1 to bit4 joined, as the read would show them.
    QString storedBits()
    {
        const WordBox& w = *trainer().word;
        return w.bit1 + w.bit2 + w.bit3 + w.bit4;
    }
    // A read, run to its end.
    void readOut()
    {
        click(trainer().lw);
        advance(400);
    }
};
