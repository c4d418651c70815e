#pragma once
// The two trainers as a learner should see them behave, written from their
// rules and sharing no code with the screens. It holds, per trainer, the
// word box (its text, lock, copy of the word, count of the learner's
// changes, the flag of the program's own next write, the four stored
// characters), the register (the stored word's bits and the pulse that each
// entered at, from which every cell follows), the lamps, the captions, the
// tick counters, the timers of the two-tick animations, and which control
// holds the window's keyboard focus. It is told what the learner does (the
// box's text after an edit, a click at a lamp's place, a press on a control
// that takes the focus) and how much time passes, and from that alone it
// predicts what each trainer must show.
//
// Timers keep the form layer's contract: a timer ticks every interval while
// it is enabled and its interval is above 0; setting the interval starts the
// period afresh; enabling an enabled timer changes nothing; timers due at the
// same millisecond tick in the order they were last started or ticked. The
// animations' tick length is the rules' 200 ms, never the program's constant.
//
// Every case that the rules allow is predicted exactly, with no weaker
// fallback: a character that is neither "0" nor "1" stored by way of a
// paste or an edit in front, a box of more than four characters, the
// serial-parallel count falling back to 0 above 4, a second click before
// the first tick, two animations overlapping on a shared counter, time
// passing while a message is open, the ninth pulse. Hiding a window changes
// nothing here: its timers tick on, and its focus stays where it was.
//
// The focus: the word box holds it at a trainer's first display. A press on
// the box or on a command button gives it to that control, whether or not
// the press ends in a click; a press on a picture, a lamp or a label leaves
// it where it is. The serial trainer's reset gives it back to the word box,
// also while the window is hidden (the learner's reset, the one after the
// message and the ninth pulse's); the serial-parallel reset leaves it.
//
// Copyable, so that a caller can try two outcomes of one event and keep the
// one that the program took.

#include <QString>

#include <array>
#include <cstdint>
#include <deque>
#include <optional>

enum class Trainer { Serial, SerialParallel };
// The clickable lamps' places.
enum class ClickableLamp { Clock, Reset, Read };
// What a press in a trainer's window lands on: one of the controls that take
// the keyboard focus, or anything else (a picture, a lamp, a label).
enum class Control { WordBox, MenuButton, QuitButton, Other };

class TrainerModel
{
public:
    static constexpr int kTickMs = 200;

    enum TimerId { SerialClock, SerialReset, SerialParallelClock, SerialParallelReset, SerialParallelRead, TimerCount };

    struct Word
    {
        QString text; // the box
        bool locked = false;
        QString typedWord;
        int typedCount = 0;
        int ignoreNextChange = 0;
        std::array<QString, 4> bits; // bit1 to bit4
        const QString &bit(int k) const { return bits[static_cast<size_t>(k - 1)]; }
    };

    struct Serial
    {
        Word word;
        int pulseCount = 0;
        int tickCount = 0;
        // entered[j]: the value that entered cell 3 at pulse j, 1 to 4.
        std::array<int, 5> entered{};
        bool inputLit = false;
        bool outputLit = false;
        bool clockLit = false;
        bool resetLit = false;
        QString statusCaption;
        QString pulseCountCaption = QStringLiteral("0");
        Control focus = Control::WordBox;
        // Cell k, 3 at the input end, 0 at the output end, after the pulse
        // that the register has got to: it holds what entered cell 3 3 - k
        // pulses ago, or 0 before the word reached it and after it left.
        int cell(int k) const;
    };

    struct SerialParallel
    {
        Word word;
        int pulseCount = 0;
        int tickCount = 0;
        int resetTickCount = 0;
        bool inputLit = false;
        bool clockLit = false;
        bool resetLit = false;
        bool readLit = false;
        std::array<bool, 4> outputLit{}; // S1 to S4, as seen
        QString readCaption;
        QString pulseCountCaption = QStringLiteral("0");
        Control focus = Control::WordBox;
    };

    // The trainer's first show, its load handler included.
    void create(Trainer trainer);
    bool exists(Trainer trainer) const
    {
        return trainer == Trainer::Serial ? serial.has_value() : serialParallel.has_value();
    }

    // The learner's edit left `text` in the box and raised one change.
    void learnerChange(Trainer trainer, const QString &text);
    // A click at a lamp's place: it reaches the lamp only while it is unlit.
    void click(Trainer trainer, ClickableLamp place);
    // The left button pressed on a control of the trainer's window.
    void press(Trainer trainer, Control control);
    Control focus(Trainer trainer) const { return trainer == Trainer::Serial ? serial->focus : serialParallel->focus; }
    void advance(std::int64_t ms);

    std::int64_t now() const { return now_; }
    bool ticking(TimerId id) const { return timers_[id].scheduled; }
    int runningTimers() const;

    // How long each message stays open, in the order they come: the caller
    // lets that much time pass while it is open. A message with no entry
    // here closes at once.
    std::deque<std::int64_t> messageDelays;
    int messages = 0;
    // Events worth counting in a report.
    long ninthPulses = 0;
    long readsApplied = 0;
    long focusGivenBack = 0; // by a serial reset, from a command button

    std::optional<Serial> serial;
    std::optional<SerialParallel> serialParallel;

private:
    struct Timer
    {
        bool enabled = true;
        int interval = 0;
        bool scheduled = false;
        std::int64_t due = 0;
        std::uint64_t order = 0;
    };

    Word &wordOf(Trainer trainer) { return trainer == Trainer::Serial ? serial->word : serialParallel->word; }

    void setEnabled(TimerId id, bool enabled);
    void setInterval(TimerId id, int ms);
    void startAnimation(TimerId id);
    void reschedule(TimerId id);
    void tick(TimerId id);

    // The word box, on both trainers; the store differs.
    void change(Trainer trainer);
    void write(Trainer trainer, const QString &text);
    void showMessage();

    void serialClockTick();
    void serialApplyPulse();
    void serialResetTick();
    void serialClearRegister();

    void serialParallelClick();
    void serialParallelClockTick();
    void serialParallelShiftStep();
    void serialParallelReadTick();
    void serialParallelResetTick();

    std::int64_t now_ = 0;
    std::uint64_t nextOrder_ = 0;
    bool advancing_ = false;
    std::array<Timer, TimerCount> timers_{};
};

// Characters, not UTF-16 units: a pair of surrogates is one character.
namespace characters {
int count(const QString &s);
QString first(const QString &s, int n);
QString at(const QString &s, int k); // from 1; empty past the end
QString last(const QString &s);
bool isBit(const QString &s);
} // namespace characters
