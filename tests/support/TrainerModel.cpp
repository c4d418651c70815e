// The trainers' rules, as the soak's model predicts from them.

#include "support/TrainerModel.h"

#include <QStringList>

#include <stdexcept>

namespace characters {

namespace {

QStringList split(const QString &s)
{
    QStringList out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const bool pair = s.at(i).isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate();
        out.append(s.mid(i, pair ? 2 : 1));
        i += pair ? 1 : 0;
    }
    return out;
}

} // namespace

int count(const QString &s)
{
    return static_cast<int>(split(s).size());
}

QString first(const QString &s, int n)
{
    return n <= 0 ? QString() : split(s).mid(0, n).join(QString());
}

QString at(const QString &s, int k)
{
    const QStringList all = split(s);
    return k >= 1 && k <= all.size() ? all.at(k - 1) : QString();
}

QString last(const QString &s)
{
    const QStringList all = split(s);
    return all.isEmpty() ? QString() : all.last();
}

bool isBit(const QString &s)
{
    return s == QStringLiteral("0") || s == QStringLiteral("1");
}

} // namespace characters

using characters::isBit;

int TrainerModel::Serial::cell(int k) const
{
    const int entry = pulseCount - 3 + k;
    return entry >= 1 && entry <= 4 ? entered[static_cast<size_t>(entry)] : 0;
}

void TrainerModel::create(Trainer trainer)
{
    if (trainer == Trainer::Serial) {
        // Every lamp and cell shows its unlit or "0" picture in front, the
        // pulse count "0".
        serial.emplace();
        return;
    }
    serialParallel.emplace();
    // Its load handler disables the clock timer.
    setEnabled(SerialParallelClock, false);
}

int TrainerModel::runningTimers() const
{
    int n = 0;
    for (const Timer &t : timers_)
        n += t.scheduled ? 1 : 0;
    return n;
}

// ---- timers

void TrainerModel::setEnabled(TimerId id, bool enabled)
{
    if (timers_[id].enabled == enabled)
        return;
    timers_[id].enabled = enabled;
    reschedule(id);
}

void TrainerModel::setInterval(TimerId id, int ms)
{
    timers_[id].interval = ms < 0 ? 0 : ms;
    reschedule(id);
}

void TrainerModel::startAnimation(TimerId id)
{
    setEnabled(id, true);
    setInterval(id, kTickMs);
}

void TrainerModel::reschedule(TimerId id)
{
    Timer &t = timers_[id];
    t.scheduled = t.enabled && t.interval > 0;
    if (t.scheduled) {
        t.due = now_ + t.interval;
        t.order = nextOrder_++;
    }
}

void TrainerModel::advance(std::int64_t ms)
{
    if (advancing_)
        throw std::logic_error("time passing inside a tick");
    advancing_ = true;
    const std::int64_t end = now_ + ms;
    for (;;) {
        int next = -1;
        for (int id = 0; id < TimerCount; ++id) {
            const Timer &t = timers_[id];
            if (!t.scheduled || t.due > end)
                continue;
            if (next < 0 || t.due < timers_[next].due || (t.due == timers_[next].due && t.order < timers_[next].order))
                next = id;
        }
        if (next < 0)
            break;
        Timer &t = timers_[next];
        now_ = t.due;
        t.due += t.interval;
        t.order = nextOrder_++;
        tick(static_cast<TimerId>(next));
    }
    now_ = end;
    advancing_ = false;
}

void TrainerModel::tick(TimerId id)
{
    switch (id) {
    case SerialClock:
        serialClockTick();
        break;
    case SerialReset:
        serialResetTick();
        break;
    case SerialParallelClock:
        serialParallelClockTick();
        break;
    case SerialParallelReset:
        serialParallelResetTick();
        break;
    case SerialParallelRead:
        serialParallelReadTick();
        break;
    case TimerCount:
        break;
    }
}

// ---- the word box

void TrainerModel::learnerChange(Trainer trainer, const QString &text)
{
    wordOf(trainer).text = text;
    change(trainer);
}

void TrainerModel::write(Trainer trainer, const QString &text)
{
    Word &w = wordOf(trainer);
    if (w.text == text)
        return;
    w.text = text;
    change(trainer);
}

// Copy, lock when full, the program's own write, count, blank the status,
// check the last character, and the fourth counted change stores the word.
void TrainerModel::change(Trainer trainer)
{
    Word &w = wordOf(trainer);
    w.typedWord = w.text;
    if (characters::count(w.text) > 3)
        w.locked = true;
    if (w.ignoreNextChange == 1) {
        w.ignoreNextChange = 0;
        return;
    }
    ++w.typedCount;
    QString &status = trainer == Trainer::Serial ? serial->statusCaption : serialParallel->readCaption;
    status.clear();
    if (!w.text.isEmpty() && !isBit(characters::last(w.typedWord))) {
        showMessage();
        startAnimation(trainer == Trainer::Serial ? SerialReset : SerialParallelReset);
    }
    if (w.typedCount != 4)
        return;
    for (int k = 1; k <= 4; ++k)
        w.bits[static_cast<size_t>(k - 1)] = characters::at(w.typedWord, k);
    if (trainer == Trainer::SerialParallel) {
        w.typedWord = w.text;
        // The unlit pictures come to the front: every output looks unlit.
        serialParallel->outputLit.fill(false);
    }
}

void TrainerModel::showMessage()
{
    ++messages;
    std::int64_t open = 0;
    if (!messageDelays.empty()) {
        open = messageDelays.front();
        messageDelays.pop_front();
    }
    advance(open);
}

void TrainerModel::click(Trainer trainer, ClickableLamp place)
{
    if (trainer == Trainer::Serial) {
        Serial &s = *serial;
        if (place == ClickableLamp::Clock && !s.clockLit)
            startAnimation(SerialClock);
        if (place == ClickableLamp::Reset && !s.resetLit)
            startAnimation(SerialReset);
        return;
    }
    SerialParallel &s = *serialParallel;
    if (place == ClickableLamp::Clock && !s.clockLit)
        serialParallelClick();
    if (place == ClickableLamp::Reset && !s.resetLit)
        startAnimation(SerialParallelReset);
    if (place == ClickableLamp::Read && !s.readLit)
        startAnimation(SerialParallelRead);
}

void TrainerModel::press(Trainer trainer, Control control)
{
    if (control != Control::Other)
        (trainer == Trainer::Serial ? serial->focus : serialParallel->focus) = control;
}

// ---- the serial trainer

// The clock and the reset count in one counter; each acts when its own tick
// brings it to 2.
void TrainerModel::serialClockTick()
{
    Serial &s = *serial;
    ++s.tickCount;
    s.clockLit = true;
    if (s.tickCount == 2) {
        s.tickCount = 0;
        serialApplyPulse();
    }
}

void TrainerModel::serialApplyPulse()
{
    Serial &s = *serial;
    Word &w = s.word;
    setEnabled(SerialClock, false);
    if (!isBit(w.bit(4))) {
        s.clockLit = false;
        return;
    }
    ++s.pulseCount;
    w.ignoreNextChange = 1;
    s.pulseCountCaption = QString::number(s.pulseCount);
    if (s.pulseCount > 8) {
        ++ninthPulses;
        s.pulseCount = 0;
        s.pulseCountCaption = QStringLiteral("0");
        s.statusCaption = QStringLiteral("RAZ");
        serialClearRegister();
    }
    const int p = s.pulseCount;
    if (p >= 1 && p <= 4) {
        // The word enters rightmost character first; a character that is
        // neither "0" nor "1" does not enter, and cell 3 keeps what it held.
        const QString &entering = w.bit(5 - p);
        const size_t j = static_cast<size_t>(p);
        s.entered[j] = isBit(entering) ? (entering == QStringLiteral("1") ? 1 : 0) : (p == 1 ? 0 : s.entered[j - 1]);
        if (p < 4) {
            // The box keeps the characters still to enter.
            w.ignoreNextChange = 1;
            write(Trainer::Serial, characters::first(w.typedWord, 4 - p));
        } else if (isBit(w.bit(1))) {
            write(Trainer::Serial, QString());
        }
    }
    // The output lamp follows cell 0 from the fourth pulse on, the input
    // lamp cell 3 at every pulse.
    if (p >= 4)
        s.outputLit = s.cell(0) == 1;
    s.inputLit = s.cell(3) == 1;
    s.clockLit = false;
}

void TrainerModel::serialResetTick()
{
    Serial &s = *serial;
    ++s.tickCount;
    s.inputLit = false;
    s.resetLit = true;
    if (s.tickCount != 2)
        return;
    s.tickCount = 0;
    s.pulseCount = 0;
    // Not flagged: counted like the learner's own change.
    write(Trainer::Serial, QString());
    s.statusCaption.clear();
    setEnabled(SerialReset, false);
    serialClearRegister();
    s.resetLit = false;
    s.statusCaption = QStringLiteral("RAZ");
    s.word.ignoreNextChange = 0;
    s.word.locked = false;
    s.pulseCountCaption.clear();
}

void TrainerModel::serialClearRegister()
{
    Serial &s = *serial;
    Word &w = s.word;
    s.pulseCount = 0;
    s.entered.fill(0);
    s.outputLit = false;
    s.inputLit = false;
    w.typedCount = 0;
    s.tickCount = 0;
    w.typedWord.clear();
    write(Trainer::Serial, QString());
    w.bits.fill(QString());
    w.ignoreNextChange = 0;
    w.locked = false;
    focusGivenBack += s.focus != Control::WordBox ? 1 : 0;
    s.focus = Control::WordBox;
}

// ---- the serial-in parallel-out trainer

// The count moves at the click and falls back to 0 above 4; the click starts
// the clock only while there is a word.
void TrainerModel::serialParallelClick()
{
    SerialParallel &s = *serialParallel;
    if (s.word.typedWord.isEmpty())
        return;
    ++s.pulseCount;
    s.pulseCountCaption = QString::number(s.pulseCount);
    if (s.pulseCount > 4) {
        s.pulseCount = 0;
        s.pulseCountCaption = QStringLiteral("0");
        return;
    }
    startAnimation(SerialParallelClock);
}

// The clock and the read count in one counter; the shift step runs at
// every clock tick.
void TrainerModel::serialParallelClockTick()
{
    SerialParallel &s = *serialParallel;
    ++s.tickCount;
    if (s.tickCount == 1)
        s.clockLit = true;
    if (s.tickCount == 2) {
        s.tickCount = 0;
        setEnabled(SerialParallelClock, false);
        s.clockLit = false;
    }
    serialParallelShiftStep();
}

void TrainerModel::serialParallelShiftStep()
{
    SerialParallel &s = *serialParallel;
    Word &w = s.word;
    const int k = s.pulseCount;
    if (k < 1 || k > 4)
        return;
    const QString &entering = w.bit(5 - k);
    if (entering == QStringLiteral("1"))
        s.inputLit = true;
    if (entering == QStringLiteral("0"))
        s.inputLit = false;
    w.ignoreNextChange = 1;
    if (k < 4) {
        write(Trainer::SerialParallel, characters::first(w.text, 4 - k));
    } else {
        write(Trainer::SerialParallel, QString());
        w.typedWord.clear();
    }
}

void TrainerModel::serialParallelReadTick()
{
    SerialParallel &s = *serialParallel;
    ++s.tickCount;
    if (s.tickCount == 1) {
        s.readLit = true;
        // Only after four pulses; it lights each output whose bit is "1"
        // and never puts one out.
        if (s.pulseCount == 4) {
            ++readsApplied;
            for (int n = 1; n <= 4; ++n)
                if (s.word.bit(5 - n) == QStringLiteral("1"))
                    s.outputLit[static_cast<size_t>(n - 1)] = true;
            s.readCaption = s.word.bit(1) + s.word.bit(2) + s.word.bit(3) + s.word.bit(4);
        }
    }
    if (s.tickCount == 2) {
        s.tickCount = 0;
        setEnabled(SerialParallelRead, false);
        s.readLit = false;
    }
}

// Its own counter; it clears the count, the read, the outputs and the box,
// and keeps the stored characters.
void TrainerModel::serialParallelResetTick()
{
    SerialParallel &s = *serialParallel;
    Word &w = s.word;
    ++s.resetTickCount;
    s.inputLit = false;
    s.resetLit = true;
    if (s.resetTickCount != 2)
        return;
    s.resetTickCount = 0;
    s.pulseCount = 0;
    s.readCaption.clear();
    setEnabled(SerialParallelReset, false);
    s.resetLit = false;
    w.typedCount = 0;
    s.pulseCountCaption = QStringLiteral("0");
    s.outputLit.fill(false);
    w.typedWord.clear();
    w.ignoreNextChange = 1;
    write(Trainer::SerialParallel, QString());
    w.ignoreNextChange = 0;
    w.locked = false;
    // Unlike the serial reset, it leaves the focus where it is.
}
