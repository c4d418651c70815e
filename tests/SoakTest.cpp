// Long random sequences of learner actions across every window, on the
// virtual clock, with the program started as it starts. Beside the program
// runs a model of the two trainers written from their rules
// (support/TrainerModel.h), told the same clicks, edits and time. After every
// step each trainer must show what the model predicts: every cell, every
// lamp and output (lit exactly where the model has it lit, unlit elsewhere),
// the captions, the word box's text and lock, the word's count, flag and
// stored characters, the tick counters, which timers tick, the time, the
// messages and which control holds each trainer's keyboard focus, shown or
// hidden. Beside that, what holds whatever the model says: the windows
// shown, pictures of a pair never both hidden, nothing ticking once the
// animations have run out, and the look each trainer's reset leaves.
//
// The learner's mouse follows the virtual clock, so Qt makes a second press
// at one place within its double-click interval a double click, as it would
// a learner's. Besides single clicks it clicks two to four times in a row,
// 0 to 450 ms apart (each press and release on a lamp is a click, double or
// not), and presses controls that it moves off and releases elsewhere (a
// click of no control). Before typing it clicks the word box unless the box
// holds the focus.
//
// Each sequence runs on a fresh program until its steps are used or an
// action ends the program. The parallel register window, which no window
// opens, has a shorter soak of its own, shown through the registry.
//
// Reproducible: the seed comes from TRAMELUNE_SOAK_SEED (default below) and
// the total number of steps from TRAMELUNE_SOAK_STEPS. A failure prints the
// seed, the sequence, the step and the last actions.
//
// The long run, in a Release or RelWithDebInfo build:
//   TRAMELUNE_SOAK_STEPS=100000 TRAMELUNE_SOAK_SEED=7 build-rel/tests/tramelune_tests --gtest_filter='Soak.*'

#include "main_menu/AboutBox.h"
#include "main_menu/ComingSoonCard.h"
#include "main_menu/MainMenu.h"
#include "navigation/FormId.h"
#include "parallel/ParallelRegister.h"
#include "serial/SerialHelp.h"
#include "serial/SerialTrainer.h"
#include "serial_parallel/SerialParallelHelp.h"
#include "serial_parallel/SerialParallelTrainer.h"
#include "support/ProgramFixture.h"
#include "support/TrainerControls.h"
#include "support/TrainerModel.h"
#include "trainer/WordEntry.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <functional>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr std::uint64_t kDefaultSeed = 20261210;
constexpr long kDefaultSteps = 12000;

std::uint64_t envNumber(const char *name, std::uint64_t fallback)
{
    const char *value = std::getenv(name);
    if (!value || !*value)
        return fallback;
    return std::strtoull(value, nullptr, 10);
}

const char *nameOf(FormId id)
{
    switch (id) {
    case FormId::MainMenu:
        return "MainMenu";
    case FormId::AboutBox:
        return "AboutBox";
    case FormId::ComingSoonCard:
        return "ComingSoonCard";
    case FormId::SerialTrainer:
        return "SerialTrainer";
    case FormId::SerialHelp:
        return "SerialHelp";
    case FormId::SerialParallelTrainer:
        return "SerialParallelTrainer";
    case FormId::SerialParallelHelp:
        return "SerialParallelHelp";
    case FormId::ParallelRegister:
        return "ParallelRegister";
    }
    return "?";
}

std::string names(const std::set<FormId> &ids)
{
    std::string out = "{";
    for (FormId id : ids)
        out += std::string(out.size() > 1 ? " " : "") + nameOf(id);
    return out + "}";
}

std::string quoted(const QString &s)
{
    const QString shown = s.size() > 24 ? s.left(20) + QStringLiteral("…(%1)").arg(s.size()) : s;
    return '"' + shown.toStdString() + '"';
}

// A small generator of our own, so a seed gives the same run whatever the
// standard library.
class Random
{
public:
    explicit Random(std::uint64_t seed) : state_(seed ? seed : 1) { }
    std::uint64_t next()
    {
        // xorshift64*
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return state_ * 2685821657736338717ULL;
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(int percent) { return below(100) < percent; }
    template<class T>
    const T &pick(const std::vector<T> &items)
    {
        return items[static_cast<size_t>(below(static_cast<int>(items.size())))];
    }

private:
    std::uint64_t state_;
};

// What a navigation action does to the set of windows shown.
struct Effect
{
    bool ends = false;
    bool hidesSelf = false;
    std::optional<FormId> shows;
};

const Effect kEnds{ true, false, {} };
Effect leaveFor(FormId target)
{
    return { false, true, target };
}
Effect alsoShow(FormId target)
{
    return { false, false, target };
}

struct MenuChoice
{
    QString entry;
    QString item;
    Effect effect;
};

// Characters a learner may type: digits 0/1 most often, then anything else.
const std::vector<QString> kOtherCharacters = {
    QStringLiteral("2"),      QStringLiteral("5"), QStringLiteral("9"), QStringLiteral("a"),  QStringLiteral("Z"),
    QStringLiteral(" "),      QStringLiteral("-"), QStringLiteral("."), QStringLiteral("é"),  QStringLiteral("à"),
    QStringLiteral("ç"),      QStringLiteral("ß"), QStringLiteral("Ж"), QStringLiteral("中"), QStringLiteral("\u00a0"),
    QStringLiteral("\u0301"), QStringLiteral("😀"), QStringLiteral("𝟙"),
};

// How deep the runs went, so a report shows the interesting states were
// reached and not only the main menu.
struct Reached
{
    long wordsShiftedIn = 0; // serial trainer: pulse 4
    long ninthPulses = 0; // serial trainer: the automatic reset
    long outputsLit = 0; // serial-parallel output seen lit after a read
    long messages = 0;
    long lockedEdits = 0;
    long resetLooks = 0;
    long restChecks = 0;
    long nestedAdvances = 0; // time passing while the message is open
    long doubleClicks = 0; // presses that Qt makes double clicks
    long pressesOff = 0; // presses released off their control
    long focusGivenBack = 0; // serial trainer: by a reset, from a button

    void add(const Reached &o)
    {
        wordsShiftedIn += o.wordsShiftedIn;
        ninthPulses += o.ninthPulses;
        outputsLit += o.outputsLit;
        messages += o.messages;
        lockedEdits += o.lockedEdits;
        resetLooks += o.resetLooks;
        restChecks += o.restChecks;
        nestedAdvances += o.nestedAdvances;
        doubleClicks += o.doubleClicks;
        pressesOff += o.pressesOff;
        focusGivenBack += o.focusGivenBack;
    }
};

// Counts the double clicks that Qt makes of the learner's presses, as it
// sends them to a window.
class DoubleClicks final : public QObject
{
public:
    DoubleClicks() { qApp->installEventFilter(this); }
    long count = 0;

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonDblClick && receiver->isWindowType())
            ++count;
        return false;
    }
};

// One program run, driven at random. Derived from the shared fixture so it
// drives the very windows and fakes the other tests use; it is not a test of
// its own.
class SoakProgram final : public ProgramFixture
{
public:
    SoakProgram(std::uint64_t seed, int sequence, bool withParallel) : random_(seed), seed_(seed), sequence_(sequence)
    {
        start();
        shown_ = { FormId::MainMenu };
        if (withParallel) {
            registry.show(FormId::ParallelRegister);
            shown_.insert(FormId::ParallelRegister);
        }
        mayOpenParallel_ = withParallel;
        hookAdvances_ = random_.chance(60);
        offExercise_ = random_.pick(std::vector<int>{ 5, 20, 50, 100 });
        // While the message is open time may pass; the model is told how
        // much, and the text that the learner's edit left, before any tick
        // of that time wrote the box.
        messageBox.whileOpen = [this] {
            if (editedBox_ && !textAtMessage_)
                textAtMessage_ = editedBox_->text();
            int ms = 0;
            if (hookAdvances_ && random_.chance(50)) {
                ms = random_.between(0, 1000);
                log("  message open, " + std::to_string(ms) + " ms pass");
                ++reached_.nestedAdvances;
                clock.advance(ms);
            }
            messageOpenFor_.push_back(ms);
        };
        checkAll();
    }

    void TestBody() override { }

    // Runs up to `steps` steps; returns how many ran. Stops at the end of
    // the program or at the first broken invariant.
    long run(long steps)
    {
        long done = 0;
        while (done < steps && !ended_ && !failed_) {
            ++step_;
            ++done;
            oneStep();
            if (!ended_)
                checkAll();
        }
        return done;
    }
    bool failed() const { return failed_; }
    Reached reached() const
    {
        Reached r = reached_;
        r.doubleClicks = doubleClicks_.count;
        r.focusGivenBack = model_.focusGivenBack;
        return r;
    }
    bool ended() const { return ended_; }

private:
    // Time passes for the program and for the model alike.
    void advance(int ms)
    {
        clock.advance(ms);
        model_.advance(ms);
    }

    // ---- the record printed on failure ----

    void log(const std::string &line)
    {
        recent_.push_back("#" + std::to_string(step_) + " t=" + std::to_string(clock.now()) + " " + line);
        if (recent_.size() > 30)
            recent_.pop_front();
    }

    void violation(const std::string &what)
    {
        if (failed_)
            return;
        failed_ = true;
        std::ostringstream out;
        out << what << "\n  seed " << seed_ << ", sequence " << sequence_ << ", step " << step_ << ", t=" << clock.now()
            << " ms; windows shown " << names(actualShown()) << "\n  last actions:\n";
        for (const std::string &line : recent_)
            out << "    " << line << '\n';
        ADD_FAILURE() << out.str();
    }

    void expect(bool holds, const std::string &what)
    {
        if (!holds)
            violation(what);
    }

    // ---- the windows ----

    template<class T>
    T *find(FormId id)
    {
        return static_cast<T *>(registry.find(id));
    }

    // Each trainer's controls, found once it exists: no window goes away
    // before the run ends.
    const SerialControls *serial()
    {
        if (!serial_)
            if (auto *trainer = find<SerialTrainer>(FormId::SerialTrainer))
                serial_.emplace(*trainer);
        return serial_ ? &*serial_ : nullptr;
    }
    const SerialParallelControls *serialParallel()
    {
        if (!serialParallel_)
            if (auto *trainer = find<SerialParallelTrainer>(FormId::SerialParallelTrainer))
                serialParallel_.emplace(*trainer);
        return serialParallel_ ? &*serialParallel_ : nullptr;
    }

    std::set<FormId> actualShown() const
    {
        const std::vector<FormId> v = visibleForms();
        return { v.begin(), v.end() };
    }

    // The one window of this run whose action we take, chosen among those
    // shown, the trainers more often.
    FormId pickWindow()
    {
        std::vector<FormId> weighted;
        for (FormId id : shown_) {
            const int weight = (id == FormId::SerialTrainer || id == FormId::SerialParallelTrainer) ? 6 : 1;
            for (int i = 0; i < weight; ++i)
                weighted.push_back(id);
        }
        return random_.pick(weighted);
    }

    // What a click on this widget does to the windows, when it is a button.
    Effect buttonEffect(QWidget *hit)
    {
        if (!hit)
            return {};
        // Each window's buttons by their captions, as the learner reads them.
        struct ButtonEffect
        {
            FormId window;
            const char *caption;
            Effect effect;
        };
        static const ButtonEffect effects[] = {
            { FormId::MainMenu, "Registre série/série", leaveFor(FormId::SerialTrainer) },
            { FormId::MainMenu, "Registre série/parallèle", leaveFor(FormId::SerialParallelTrainer) },
            { FormId::MainMenu, "Registre parallèle/parallèle", leaveFor(FormId::ComingSoonCard) },
            { FormId::MainMenu, "Bouton sans titre", leaveFor(FormId::ComingSoonCard) },
            { FormId::MainMenu, "Quitter", kEnds },
            { FormId::SerialTrainer, "Menu", leaveFor(FormId::MainMenu) },
            { FormId::SerialTrainer, "Quitter", kEnds },
            { FormId::SerialParallelTrainer, "Menu", leaveFor(FormId::MainMenu) },
            { FormId::SerialParallelTrainer, "Quitter", kEnds },
            { FormId::AboutBox, "OK", leaveFor(FormId::SerialTrainer) },
            { FormId::ComingSoonCard, "OK", leaveFor(FormId::MainMenu) },
            { FormId::SerialHelp, "OK", leaveFor(FormId::SerialTrainer) },
            { FormId::SerialParallelHelp, "OK", leaveFor(FormId::SerialParallelTrainer) },
            { FormId::ParallelRegister, "Quitter", kEnds },
            { FormId::ParallelRegister, "Menu", leaveFor(FormId::MainMenu) },
        };
        for (const ButtonEffect &e : effects)
            if (const forms::Form *window = registry.find(e.window); window && hit == button(*window, e.caption))
                return e.effect;
        return Effect{};
    }

    static Effect closeBoxEffect(FormId id)
    {
        switch (id) {
        case FormId::MainMenu:
        case FormId::SerialTrainer:
        case FormId::SerialParallelTrainer:
        case FormId::ParallelRegister:
            return kEnds;
        case FormId::AboutBox:
        case FormId::SerialHelp:
            return leaveFor(FormId::SerialTrainer);
        case FormId::ComingSoonCard:
            return leaveFor(FormId::MainMenu);
        case FormId::SerialParallelHelp:
            return leaveFor(FormId::SerialParallelTrainer);
        }
        return {};
    }

    static std::vector<MenuChoice> menuChoices(FormId id)
    {
        const QString file = QStringLiteral("Fichier");
        const QString quit = QStringLiteral("Quitter");
        switch (id) {
        case FormId::MainMenu:
            // Its Fichier > Quitter ends the program too.
            return { { file, quit, kEnds }, { QStringLiteral("à propos"), {}, leaveFor(FormId::AboutBox) } };
        case FormId::SerialTrainer:
            return { { file, QStringLiteral("Menu"), leaveFor(FormId::MainMenu) },
                     { file, quit, kEnds },
                     { QStringLiteral("Aide"), {}, leaveFor(FormId::SerialHelp) },
                     { QStringLiteral("à propos..."), {}, leaveFor(FormId::AboutBox) } };
        case FormId::SerialParallelTrainer:
            return { { file, QStringLiteral("Menu"), leaveFor(FormId::MainMenu) },
                     { file, quit, kEnds },
                     { QStringLiteral("Aide"), {}, alsoShow(FormId::SerialParallelHelp) },
                     { QStringLiteral("à propos..."), {}, alsoShow(FormId::AboutBox) } };
        default:
            return {};
        }
    }

    // ---- the actions ----

    void oneStep()
    {
        messagesBefore_ = messageBox.shown.size();
        expectEnd_ = false;
        editingAction_ = false;
        resetClickAt_.reset();
        if (!script_.empty() && !shown_.count(scriptWindow_))
            script_.clear(); // the learner went elsewhere
        if (!script_.empty() && random_.chance(85)) {
            const std::function<void()> next = script_.front();
            script_.pop_front();
            next();
            lastActionAt_ = resetClickAt_ ? *resetClickAt_ : clock.now();
            afterAction();
            return;
        }
        const int roll = random_.below(100);
        if (roll < 22) {
            const int ms = random_.chance(70) ? random_.between(0, 250) : random_.between(0, 1000);
            log("advance " + std::to_string(ms));
            advance(ms);
        } else if (roll < 24) {
            log("wait 1000");
            advance(1000);
        } else {
            actOn(pickWindow());
            lastActionAt_ = resetClickAt_ ? *resetClickAt_ : clock.now();
        }
        afterAction();
    }

    void actOn(FormId id)
    {
        forms::Form &window = *registry.find(id);
        const bool trainer = id == FormId::SerialTrainer || id == FormId::SerialParallelTrainer;
        // A diligent learner mostly stays on the exercise.
        const int roll = trainer && !random_.chance(offExercise_) ? 99 : random_.below(100);
        if (roll < 2) {
            if (closeBoxEffect(id).ends && random_.chance(90))
                return actOn(id);
            log(std::string("close box of ") + nameOf(id));
            take(closeBoxEffect(id), id);
            window.close();
            return;
        }
        if (roll < 6) {
            const std::vector<MenuChoice> choices = menuChoices(id);
            if (!choices.empty()) {
                const MenuChoice &c = random_.pick(choices);
                if (c.effect.ends && random_.chance(95))
                    return actOn(id); // quitting ends the sequence; keep it rarer
                log(std::string(nameOf(id)) + " menu " + quoted(c.entry)
                    + (c.item.isEmpty() ? "" : " > " + quoted(c.item)));
                take(c.effect, id);
                chooseMenu(window, c.entry, c.item);
                return;
            }
        }
        if (roll < 16 || (id != FormId::SerialTrainer && id != FormId::SerialParallelTrainer)) {
            clickAnywhere(window, id);
            return;
        }
        if (id == FormId::SerialTrainer)
            trainerAction(id, window, *serial()->wordBox, serial()->clockUnlit, serial()->resetUnlit, nullptr);
        else
            trainerAction(id, window, *serialParallel()->wordBox, serialParallel()->clockUnlit,
                          serialParallel()->resetUnlit, serialParallel()->readUnlit);
    }

    // Every control of the window, lit lamp pictures and hidden ones
    // included.
    static std::vector<QWidget *> controlsOf(forms::Form &window)
    {
        std::vector<QWidget *> controls;
        for (QWidget *w : window.client()->findChildren<QWidget *>())
            if (dynamic_cast<forms::Label *>(w) || dynamic_cast<forms::TextBox *>(w)
                || dynamic_cast<forms::CommandButton *>(w) || dynamic_cast<forms::Image *>(w)
                || dynamic_cast<forms::PictureBox *>(w))
                controls.push_back(w);
        return controls;
    }

    // The mouse on any control of the window: it lands on whatever is
    // topmost at that place.
    void clickAnywhere(forms::Form &window, FormId id)
    {
        const std::vector<QWidget *> controls = controlsOf(window);
        if (!controls.empty())
            mouseOn(window, id, random_.pick(controls));
    }

    // Mostly a click; sometimes two to four in a row, sometimes a press
    // moved off the control.
    void mouseOn(forms::Form &window, FormId id, QWidget *target)
    {
        const int roll = random_.below(100);
        if (roll < 12)
            pressOff(window, id, target);
        else
            clickControl(window, id, target, roll < 40 ? random_.between(2, 4) : 1);
    }

    // Clicks at the centre of a control, 0 to 450 ms from one release to the
    // next press. Each lands on whatever is topmost there at its moment; a
    // click that leaves the window or ends the program is the last.
    void clickControl(forms::Form &window, FormId id, QWidget *target, int clicks = 1)
    {
        const QPoint at = target->mapTo(&window, target->rect().center());
        for (int i = 0; i < clicks && !failed_; ++i) {
            if (i > 0) {
                const int gap = random_.between(0, 450);
                log("  " + std::to_string(gap) + " ms, then again");
                advance(gap);
            }
            QWidget *hit = window.childAt(at);
            const Effect effect = buttonEffect(hit);
            // Quitting ends the sequence: mostly the learner thinks better of
            // it and moves off the button before releasing it.
            if (effect.ends && random_.chance(95))
                return pressOff(window, id, target);
            log(std::string(nameOf(id)) + " click " + describe(target) + " -> " + describe(hit));
            take(effect, id);
            tellModelOfPress(hit);
            clickAt(&window, at);
            tellModelOfClick(hit);
            if (effect.ends || effect.hidesSelf)
                return;
        }
    }

    // A press on a control that the learner moves off and releases elsewhere
    // in the window, over another control or none: a click of neither.
    void pressOff(forms::Form &window, FormId id, QWidget *target)
    {
        const QPoint at = target->mapTo(&window, target->rect().center());
        QWidget *hit = window.childAt(at);
        QWidget *pressed = hit ? hit : target;
        const QRect on(pressed->mapTo(&window, QPoint()), pressed->size());
        std::vector<QPoint> elsewhere;
        for (QWidget *w : controlsOf(window)) {
            const QPoint centre = w->mapTo(&window, w->rect().center());
            if (!on.contains(centre))
                elsewhere.push_back(centre);
        }
        QPoint to;
        if (!elsewhere.empty() && random_.chance(50)) {
            to = random_.pick(elsewhere);
        } else {
            const QRect client(window.client()->mapTo(&window, QPoint()), window.client()->size());
            do
                to = QPoint(random_.between(client.left(), client.right()),
                            random_.between(client.top(), client.bottom()));
            while (on.contains(to));
        }
        log(std::string(nameOf(id)) + " press " + describe(target) + " -> " + describe(hit) + ", released over "
            + describe(window.childAt(to)));
        ++reached_.pressesOff;
        tellModelOfPress(hit);
        pressAt(&window, at);
        dragTo(&window, to);
        releaseAt(&window, to);
    }

    // A press gives the focus to the trainer's control it lands on, if that
    // takes the focus; the model decides.
    void tellModelOfPress(QWidget *hit)
    {
        syncModel();
        if (const SerialControls *s = serial(); s && hit && hit->window() == &s->window)
            model_.press(Trainer::Serial, controlOf(*s, hit));
        if (const SerialParallelControls *s = serialParallel(); s && hit && hit->window() == &s->window)
            model_.press(Trainer::SerialParallel, controlOf(*s, hit));
    }

    template<class T>
    static Control controlOf(const T &trainer, const QWidget *w)
    {
        if (w == trainer.wordBox)
            return Control::WordBox;
        if (w == trainer.menuButton)
            return Control::MenuButton;
        return w == trainer.quitButton ? Control::QuitButton : Control::Other;
    }

    template<class T>
    static QWidget *widgetOf(const T &trainer, Control control)
    {
        switch (control) {
        case Control::WordBox:
            return trainer.wordBox;
        case Control::MenuButton:
            return trainer.menuButton;
        case Control::QuitButton:
            return trainer.quitButton;
        case Control::Other:
            break;
        }
        return nullptr;
    }

    // A click at a lamp's place. The model decides from its own lamps
    // whether it reaches the clickable, unlit picture.
    void tellModelOfClick(QWidget *hit)
    {
        syncModel();
        if (const SerialControls *s = serial()) {
            if (hit == s->clockUnlit || hit == s->clockLit)
                return model_.click(Trainer::Serial, ClickableLamp::Clock);
            if (hit == s->resetUnlit || hit == s->resetLit)
                return model_.click(Trainer::Serial, ClickableLamp::Reset);
        }
        if (const SerialParallelControls *s = serialParallel()) {
            if (hit == s->clockUnlit || hit == s->clockLit)
                return model_.click(Trainer::SerialParallel, ClickableLamp::Clock);
            if (hit == s->resetUnlit || hit == s->resetLit)
                return model_.click(Trainer::SerialParallel, ClickableLamp::Reset);
            if (hit == s->readUnlit || hit == s->readLit)
                return model_.click(Trainer::SerialParallel, ClickableLamp::Read);
        }
    }

    static std::string describe(QWidget *w)
    {
        if (!w)
            return "nothing";
        QString name = w->objectName();
        if (name.isEmpty())
            name = w->accessibleName();
        if (auto *b = dynamic_cast<QAbstractButton *>(w); b && name.isEmpty())
            name = b->text();
        if (name.isEmpty())
            name = QString::fromLatin1(w->metaObject()->className());
        auto *image = dynamic_cast<forms::Image *>(w);
        return quoted(name) + (image && !image->shown() ? "(hidden)" : "");
    }

    void trainerAction(FormId id, forms::Form &window, forms::TextBox &box, forms::Image *clockPicture,
                       forms::Image *resetPicture, forms::Image *readPicture)
    {
        // The exercise itself (clock, reset, read, a typed word) lies in the
        // first 55; the rest is anything else a learner may do.
        const int roll = random_.chance(offExercise_) ? random_.below(100) : random_.below(55);
        const std::string on = std::string(nameOf(id)) + " ";
        if (roll < 4) {
            startLesson(id, window, box, clockPicture, resetPicture, readPicture);
        } else if (roll < 18) {
            mouseOn(window, id, clockPicture);
        } else if (roll < 30) {
            // A whole pulse, as a learner waits for it.
            mouseOn(window, id, clockPicture);
            const int ms = random_.between(380, 450);
            log(on + "  and " + std::to_string(ms) + " ms");
            advance(ms);
        } else if (roll < 35) {
            mouseOn(window, id, resetPicture);
        } else if (roll < 37) {
            log(on + "RAZ, then 1000 ms without action");
            clickControl(window, id, resetPicture);
            resetClickAt_ = clock.now();
            advance(1000);
            resetJustRan_ = id;
        } else if (roll < 45 && readPicture) {
            mouseOn(window, id, readPicture);
        } else if (roll < 55) {
            // A word typed key by key, almost always of 0s and 1s.
            for (int i = 0; i < 4 && !failed_; ++i)
                typeOne(on, box, 95);
        } else if (roll < 65) {
            typeOne(on, box, 80);
        } else if (roll < 70) {
            // Over the whole text selected: a key, or a paste of what the box
            // holds, which leaves the text as it was.
            edit(box, [&] {
                pressKey(&box, Qt::Key_A, Qt::ControlModifier);
                if (random_.chance(50)) {
                    log(on + "Ctrl+A, paste the box's own text");
                    paste(&box, box.text());
                } else {
                    const QString c = random_.chance(80) ? QString(QLatin1Char(random_.chance(50) ? '0' : '1'))
                                                         : random_.pick(kOtherCharacters);
                    log(on + "Ctrl+A, type " + quoted(c));
                    typeText(&box, c);
                }
            });
        } else if (roll < 82) {
            struct Key
            {
                Qt::Key key;
                Qt::KeyboardModifiers mods;
                const char *name;
            };
            static const std::vector<Key> keys = {
                { Qt::Key_Backspace, Qt::NoModifier, "Backspace" },
                { Qt::Key_Backspace, Qt::NoModifier, "Backspace" },
                { Qt::Key_Delete, Qt::NoModifier, "Delete" },
                { Qt::Key_A, Qt::ControlModifier, "Ctrl+A" },
                { Qt::Key_Home, Qt::NoModifier, "Home" },
                { Qt::Key_End, Qt::NoModifier, "End" },
                { Qt::Key_Left, Qt::NoModifier, "Left" },
                { Qt::Key_X, Qt::ControlModifier, "Ctrl+X" },
                { Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z" },
                { Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+Z" },
            };
            const Key &k = random_.pick(keys);
            edit(box, [&] {
                log(on + "key " + k.name);
                pressKey(&box, k.key, k.mods);
            });
        } else if (roll < 90) {
            edit(box, [&] {
                QString text;
                if (random_.chance(10)) {
                    for (int i = 0; i < 5000; ++i)
                        text += QLatin1Char(random_.chance(50) ? '0' : '1');
                    if (random_.chance(30))
                        text += random_.pick(kOtherCharacters);
                } else {
                    const int n = random_.between(1, 6);
                    for (int i = 0; i < n; ++i)
                        text += random_.chance(75) ? QString(QLatin1Char(random_.chance(50) ? '0' : '1'))
                                                   : random_.pick(kOtherCharacters);
                }
                log(on + "paste " + quoted(text));
                paste(&box, text);
            });
        } else {
            clickAnywhere(window, id);
        }
    }

    // The whole exercise as a diligent learner does it, one step at a time:
    // a reset, a word typed key by key, the pulses, and on the serial-parallel trainer the read.
    // Other actions may still come between its steps.
    void startLesson(FormId id, forms::Form &window, forms::TextBox &box, forms::Image *clockPicture,
                     forms::Image *resetPicture, forms::Image *readPicture)
    {
        const std::string on = std::string(nameOf(id)) + " lesson: ";
        log(on + "begins");
        script_.clear();
        scriptWindow_ = id;
        auto wait = [this, on](int lo, int hi) {
            script_.push_back([this, on, lo, hi] {
                const int ms = random_.between(lo, hi);
                log(on + "wait " + std::to_string(ms));
                advance(ms);
            });
        };
        script_.push_back([this, &window, id, resetPicture] { clickControl(window, id, resetPicture); });
        wait(400, 600);
        auto type = [this, &box, on](int bitPercent) {
            script_.push_back([this, &box, on, bitPercent] { typeOne(on, box, bitPercent); });
        };
        auto key = [this, &box, on](Qt::Key k, const char *name) {
            script_.push_back([this, &box, on, k, name] {
                edit(box, [&] {
                    log(on + "key " + name);
                    pressKey(&box, k);
                });
            });
        };
        const int variant = random_.below(100);
        if (variant < 75) {
            for (int i = 0; i < 4; ++i)
                type(97);
        } else if (variant < 88) {
            // A character slipped in front of the first bit: the last
            // character is a bit at every change, so the word is stored with
            // a first character that is neither "0" nor "1".
            type(100);
            key(Qt::Key_Home, "Home");
            type(0);
            key(Qt::Key_End, "End");
            type(100);
            type(100);
        } else {
            // The fourth change pastes two bits: the box holds five
            // characters when the word is stored.
            for (int i = 0; i < 3; ++i)
                type(100);
            script_.push_back([this, &box, on] {
                edit(box, [&] {
                    const QString bits = QStringLiteral("%1%2").arg(random_.below(2)).arg(random_.below(2));
                    log(on + "paste " + quoted(bits));
                    paste(&box, bits);
                });
            });
        }
        const int pulses = readPicture ? random_.between(4, 5) : random_.pick(std::vector<int>{ 4, 8, 9, 9, 10 });
        for (int i = 0; i < pulses; ++i) {
            script_.push_back([this, &window, id, clockPicture] { clickControl(window, id, clockPicture); });
            wait(380, 450);
        }
        if (readPicture) {
            script_.push_back([this, &window, id, readPicture] { clickControl(window, id, readPicture); });
            wait(380, 450);
        }
    }

    // One key: a 0 or a 1 `bitPercent` times in a hundred, else any other
    // character.
    void typeOne(const std::string &on, forms::TextBox &box, int bitPercent)
    {
        edit(box, [&] {
            const QString c = random_.chance(bitPercent) ? QString(QLatin1Char(random_.chance(50) ? '0' : '1'))
                                                         : random_.pick(kOtherCharacters);
            log(on + "type " + quoted(c));
            typeText(&box, c);
        });
    }

    Trainer trainerOf(const forms::TextBox &box)
    {
        const SerialControls *s = serial();
        return s && s->wordBox == &box ? Trainer::Serial : Trainer::SerialParallel;
    }

    // An edit of the box; a locked box must refuse it. The model is told the
    // text that the edit left. The keys go to the box itself; a learner
    // clicks it first unless it holds the focus, which the model sees.
    void edit(forms::TextBox &box, const std::function<void()> &doIt)
    {
        syncModel();
        const Trainer trainer = trainerOf(box);
        if (model_.focus(trainer) != Control::WordBox) {
            const FormId id = trainer == Trainer::Serial ? FormId::SerialTrainer : FormId::SerialParallelTrainer;
            clickControl(*registry.find(id), id, &box);
        }
        const bool locked = box.locked();
        reached_.lockedEdits += locked ? 1 : 0;
        const QString before = box.text();
        editingAction_ = true;
        editedBox_ = &box;
        textAtMessage_.reset();
        messageOpenFor_.clear();
        doIt();
        editedBox_ = nullptr;
        if (locked)
            expect(box.text() == before,
                   "a locked word box took an edit: " + quoted(before) + " became " + quoted(box.text()));
        tellModelOfEdit(trainer, locked, before, textAtMessage_.value_or(box.text()));
    }

    void tellModelOfEdit(Trainer trainer, bool locked, const QString &before, const QString &after)
    {
        model_.messageDelays.assign(messageOpenFor_.begin(), messageOpenFor_.end());
        if (locked)
            return;
        // An edit that leaves the text as it was (a character typed over the
        // same one selected, a paste of the same text) raises no change.
        if (after != before)
            model_.learnerChange(trainer, after);
    }

    void take(const Effect &effect, FormId self)
    {
        if (effect.ends) {
            expectEnd_ = true;
            return;
        }
        if (effect.hidesSelf)
            shown_.erase(self);
        if (effect.shows)
            shown_.insert(*effect.shows);
    }

    void afterAction()
    {
        const int ended = programEnd.ended;
        if (expectEnd_) {
            expect(ended == 1, "an action that ends the program ended it " + std::to_string(ended) + " times");
            log("  the program ended");
            ended_ = true;
            return;
        }
        expect(ended == 0, "the program ended on an action that does not end it");
        // A message comes only from the learner's change of a word box.
        for (qsizetype i = messagesBefore_; i < messageBox.shown.size(); ++i) {
            log("  message " + quoted(messageBox.shown[i]));
            ++reached_.messages;
            expect(messageBox.shown[i] == kValidationText, "unexpected message " + quoted(messageBox.shown[i]));
        }
        if (!editingAction_)
            expect(messageBox.shown.size() == messagesBefore_, "a message came from an action that edits nothing");
    }

    // ---- the invariants ----

    // The picture seen at a lamp's or cell's place: the front one among
    // those shown. A pair is one widget on screen, which draws that picture.
    static const QWidget *seenAt(const forms::Image *front) { return front->seen(); }

    // Once one picture of a pair is shown and the other hidden, every later
    // write keeps it so.
    void keepsOnePicture(std::set<std::string> &settled, const std::string &name, const forms::Image &a,
                         const forms::Image &b, const char *screen)
    {
        const bool one = a.shown() != b.shown();
        if (one)
            settled.insert(name);
        else if (settled.count(name))
            violation(std::string(screen) + ": " + name + " shows " + (a.shown() ? "both pictures" : "neither picture")
                      + " after showing one");
        expect(a.shown() || b.shown(), std::string(screen) + ": " + name + " has no picture shown");
    }

    void checkAll()
    {
        expect(actualShown() == shown_,
               "windows shown " + names(actualShown()) + ", navigation implies " + names(shown_));
        if (!mayOpenParallel_)
            expect(!exists(FormId::ParallelRegister), "the parallel register window was created");
        syncModel();
        const std::vector<std::string> wrong = differences(model_);
        if (!wrong.empty()) {
            std::string all = "the trainers differ from what the rules give:";
            for (const std::string &w : wrong)
                all += "\n    " + w;
            violation(all);
        }
        if (const SerialControls *s = serial())
            checkSerial(*s);
        if (const SerialParallelControls *s = serialParallel())
            checkSerialParallel(*s);

        if (clock.now() - lastActionAt_ >= 1000) {
            ++reached_.restChecks;
            checkSettled();
        }
        if (resetJustRan_) {
            ++reached_.resetLooks;
            if (*resetJustRan_ == FormId::SerialTrainer)
                checkSerialResetLook(*serial(), QString(), "after RAZ");
            else
                checkSerialParallelResetLook(*serialParallel());
            resetJustRan_.reset();
        }
    }

    void syncModel()
    {
        if (exists(FormId::SerialTrainer) && !model_.exists(Trainer::Serial))
            model_.create(Trainer::Serial);
        if (exists(FormId::SerialParallelTrainer) && !model_.exists(Trainer::SerialParallel))
            model_.create(Trainer::SerialParallel);
    }

    // ---- the program against the model

    static std::string shown(int v) { return std::to_string(v); }
    static std::string shown(std::int64_t v) { return std::to_string(v); }
    static std::string shown(bool v) { return v ? "true" : "false"; }
    static std::string shown(const QString &v) { return quoted(v); }
    static std::string shown(const std::string &v) { return v; }

    // A pair as seen: 1 for its second (lit, "1") picture on top, 0 for its
    // first, -1 for neither.
    static int seenPair(const forms::Image *first, const forms::Image *second)
    {
        const QWidget *top = seenAt(first);
        return top == first ? 0 : top == second ? 1 : -1;
    }

    // Every difference between what the program shows and holds and what
    // the model predicts.
    std::vector<std::string> differences(const TrainerModel &m)
    {
        std::vector<std::string> out;
        auto check = [&out](const std::string &what, const auto &actual, const auto &predicted) {
            if (!(actual == predicted))
                out.push_back(what + " is " + shown(actual) + ", the rules give " + shown(predicted));
        };
        check("the time", clock.now(), m.now());
        check("the number of timers ticking", clock.running(), m.runningTimers());
        check("the number of messages", static_cast<int>(messageBox.shown.size()), m.messages);
        if (const SerialControls *s = serial(); s && m.serial) {
            const TrainerModel::Serial &e = *m.serial;
            for (int k = 0; k < 4; ++k)
                check("serial: cell " + std::to_string(k), seenPair(s->zero(k), s->one(k)), e.cell(k));
            check("serial: the input lamp", seenPair(s->inputUnlit, s->inputLit), int(e.inputLit));
            check("serial: the output lamp", seenPair(s->outputUnlit, s->outputLit), int(e.outputLit));
            check("serial: the clock lamp", seenPair(s->clockUnlit, s->clockLit), int(e.clockLit));
            check("serial: the RAZ lamp", seenPair(s->resetUnlit, s->resetLit), int(e.resetLit));
            check("serial: the status line", s->statusLabel->caption(), e.statusCaption);
            check("serial: the pulse count", s->pulseCountLabel->caption(), e.pulseCountCaption);
            check("serial: the clock timer ticking", s->window.clockRunning(), m.ticking(TrainerModel::SerialClock));
            check("serial: the reset timer ticking", s->window.resetRunning(), m.ticking(TrainerModel::SerialReset));
            check("serial: pulseCount", s->window.pulseCount(), e.pulseCount);
            check("serial: tickCount", s->window.tickCount(), e.tickCount);
            check("serial: the focus", describe(s->window.focusWidget()), describe(widgetOf(*s, e.focus)));
            compareWord(out, "serial: ", *s->word, *s->wordBox, e.word);
        }
        if (const SerialParallelControls *s = serialParallel(); s && m.serialParallel) {
            const TrainerModel::SerialParallel &e = *m.serialParallel;
            check("serial-parallel: the input lamp", seenPair(s->inputUnlit, s->inputLit), int(e.inputLit));
            check("serial-parallel: the clock lamp", seenPair(s->clockUnlit, s->clockLit), int(e.clockLit));
            check("serial-parallel: the RAZ lamp", seenPair(s->resetUnlit, s->resetLit), int(e.resetLit));
            check("serial-parallel: the read lamp", seenPair(s->readUnlit, s->readLit), int(e.readLit));
            // Both ways: lit exactly where the model has it lit.
            for (int n = 1; n <= 4; ++n)
                check("serial-parallel: output S" + std::to_string(n), seenPair(s->outputUnlit(n), s->outputLit(n)),
                      int(e.outputLit[static_cast<size_t>(n - 1)]));
            check("serial-parallel: the read result", s->readLabel->caption(), e.readCaption);
            check("serial-parallel: the pulse count", s->pulseCountLabel->caption(), e.pulseCountCaption);
            check("serial-parallel: the clock timer ticking", s->window.clockRunning(),
                  m.ticking(TrainerModel::SerialParallelClock));
            check("serial-parallel: the reset timer ticking", s->window.resetRunning(),
                  m.ticking(TrainerModel::SerialParallelReset));
            check("serial-parallel: the read timer ticking", s->window.readRunning(),
                  m.ticking(TrainerModel::SerialParallelRead));
            check("serial-parallel: pulseCount", s->window.pulseCount(), e.pulseCount);
            check("serial-parallel: tickCount", s->window.tickCount(), e.tickCount);
            check("serial-parallel: resetTickCount", s->window.resetTickCount(), e.resetTickCount);
            check("serial-parallel: the focus", describe(s->window.focusWidget()), describe(widgetOf(*s, e.focus)));
            compareWord(out, "serial-parallel: ", *s->word, *s->wordBox, e.word);
        }
        return out;
    }

    static void compareWord(std::vector<std::string> &out, const std::string &on, const WordEntry &w,
                            const forms::TextBox &box, const TrainerModel::Word &e)
    {
        auto check = [&out, &on](const std::string &what, const auto &actual, const auto &predicted) {
            if (!(actual == predicted))
                out.push_back(on + what + " is " + shown(actual) + ", the rules give " + shown(predicted));
        };
        check("the box", box.text(), e.text);
        check("the box locked", box.locked(), e.locked);
        check("typedWord", w.typedWord(), e.typedWord);
        check("typedCount", w.typedCount(), e.typedCount);
        check("ignoreNextChange", int(w.ignoresNextChange()), e.ignoreNextChange);
        for (int k = 1; k <= 4; ++k)
            check("bit" + std::to_string(k), w.bit(k), e.bit(k));
    }

    // ---- what holds whatever the model says

    void checkSerial(const SerialControls &s)
    {
        const char *n = "serial";
        for (int k = 0; k < 4; ++k)
            keepsOnePicture(serialSettled_, "cell " + std::to_string(k), *s.zero(k), *s.one(k), n);
        keepsOnePicture(serialSettled_, "input lamp", *s.inputUnlit, *s.inputLit, n);
        keepsOnePicture(serialSettled_, "output lamp", *s.outputUnlit, *s.outputLit, n);
        keepsOnePicture(serialSettled_, "clock lamp", *s.clockUnlit, *s.clockLit, n);
        keepsOnePicture(serialSettled_, "RAZ lamp", *s.resetUnlit, *s.resetLit, n);

        if (s.window.pulseCount() == 4 && serialLastPulse_ == 3)
            ++reached_.wordsShiftedIn;
        // The ninth pulse: 8 pulses, then 0 shown as "0" (a manual reset
        // leaves the count blank). Unless the learner typed since, the
        // screen shows the reset look.
        if (s.window.pulseCount() == 0 && serialLastPulse_ == 8
            && s.pulseCountLabel->caption() == QStringLiteral("0")) {
            ++reached_.ninthPulses;
            if (!editingAction_)
                checkSerialResetLook(s, QStringLiteral("0"), "after the ninth pulse");
        }
        serialLastPulse_ = s.window.pulseCount();
    }

    void checkSerialParallel(const SerialParallelControls &s)
    {
        const char *n = "serial-parallel";
        keepsOnePicture(serialParallelSettled_, "input lamp", *s.inputUnlit, *s.inputLit, n);
        keepsOnePicture(serialParallelSettled_, "clock lamp", *s.clockUnlit, *s.clockLit, n);
        keepsOnePicture(serialParallelSettled_, "RAZ lamp", *s.resetUnlit, *s.resetLit, n);
        keepsOnePicture(serialParallelSettled_, "read lamp", *s.readUnlit, *s.readLit, n);
        // A store brings every unlit output picture to the front without
        // hiding the lit one, so an output may show both; never neither.
        bool anyLit = false;
        for (int k = 1; k <= 4; ++k) {
            expect(s.outputUnlit(k)->shown() || s.outputLit(k)->shown(),
                   "serial-parallel: output S" + std::to_string(k) + " has no picture shown");
            anyLit = anyLit || seenPair(s.outputUnlit(k), s.outputLit(k)) == 1;
        }
        if (anyLit && !spOutputsLit_)
            ++reached_.outputsLit;
        spOutputsLit_ = anyLit;
    }

    // Nothing moves once every animation has run out.
    void checkSettled()
    {
        expect(clock.running() == 0,
               "1000 ms after the last action " + std::to_string(clock.running()) + " timers still tick");
        if (const SerialControls *s = serial()) {
            expect(!s->window.clockRunning() && !s->window.resetRunning(), "serial: an animation still runs");
            expect(s->window.tickCount() == 0, "serial: tickCount is not 0 at rest");
            expect(seenAt(s->clockUnlit) == s->clockUnlit && seenAt(s->resetUnlit) == s->resetUnlit,
                   "serial: a clickable lamp is lit at rest");
        }
        if (const SerialParallelControls *s = serialParallel()) {
            expect(!s->window.clockRunning() && !s->window.resetRunning() && !s->window.readRunning(),
                   "serial-parallel: an animation still runs");
            expect(s->window.tickCount() == 0 && s->window.resetTickCount() == 0,
                   "serial-parallel: a tick counter is not 0 at rest");
            for (const forms::Image *unlit : { s->clockUnlit, s->resetUnlit, s->readUnlit })
                expect(seenAt(unlit) == unlit, "serial-parallel: a clickable lamp is lit at rest");
        }
    }

    void checkSerialResetLook(const SerialControls &s, const QString &count, const std::string &when)
    {
        for (int k = 0; k < 4; ++k)
            expect(s.zero(k)->shown() && !s.one(k)->shown(),
                   "serial " + when + ": cell " + std::to_string(k) + " does not show 0 alone");
        expect(s.inputUnlit->shown() && !s.inputLit->shown(), "serial " + when + ": input lamp lit");
        expect(s.outputUnlit->shown() && !s.outputLit->shown(), "serial " + when + ": output lamp lit");
        expect(s.wordBox->text().isEmpty() && !s.wordBox->locked(),
               "serial " + when + ": the box holds " + quoted(s.wordBox->text())
                       + (s.wordBox->locked() ? ", locked" : ""));
        expect(s.statusLabel->caption() == QStringLiteral("RAZ"),
               "serial " + when + ": the status line " + quoted(s.statusLabel->caption()));
        expect(s.pulseCountLabel->caption() == count,
               "serial " + when + ": the pulse count " + quoted(s.pulseCountLabel->caption()));
        const WordEntry &w = *s.word;
        expect(s.window.pulseCount() == 0 && w.typedCount() == 0 && !w.ignoresNextChange() && w.typedWord().isEmpty(),
               "serial " + when + ": counters or word not cleared");
        expect(w.bit(1).isEmpty() && w.bit(2).isEmpty() && w.bit(3).isEmpty() && w.bit(4).isEmpty(),
               "serial " + when + ": the bits are kept");
    }

    void checkSerialParallelResetLook(const SerialParallelControls &s)
    {
        for (int k = 1; k <= 4; ++k)
            expect(s.outputUnlit(k)->shown() && !s.outputLit(k)->shown(),
                   "serial-parallel after RAZ: output S" + std::to_string(k) + " not put out");
        expect(s.inputUnlit->shown() && !s.inputLit->shown(), "serial-parallel after RAZ: input lamp lit");
        expect(s.readLabel->caption().isEmpty(),
               "serial-parallel after RAZ: the read result " + quoted(s.readLabel->caption()));
        expect(s.pulseCountLabel->caption() == QStringLiteral("0"),
               "serial-parallel after RAZ: the pulse count " + quoted(s.pulseCountLabel->caption()));
        expect(s.wordBox->text().isEmpty() && !s.wordBox->locked(),
               "serial-parallel after RAZ: the box holds " + quoted(s.wordBox->text())
                       + (s.wordBox->locked() ? ", locked" : ""));
        const WordEntry &w = *s.word;
        expect(s.window.pulseCount() == 0 && w.typedCount() == 0 && !w.ignoresNextChange() && w.typedWord().isEmpty()
                       && s.window.resetTickCount() == 0,
               "serial-parallel after RAZ: counters or word not cleared");
    }

    Random random_;
    std::uint64_t seed_;
    int sequence_;
    long step_ = 0;
    std::set<FormId> shown_;
    bool mayOpenParallel_ = false;
    bool hookAdvances_ = false;
    int offExercise_ = 100; // percent of actions off the exercise
    bool ended_ = false;
    bool failed_ = false;
    bool expectEnd_ = false;
    bool editingAction_ = false;
    std::optional<std::int64_t> resetClickAt_;
    qsizetype messagesBefore_ = 0;
    std::int64_t lastActionAt_ = 0;
    std::optional<FormId> resetJustRan_;
    std::set<std::string> serialSettled_;
    std::set<std::string> serialParallelSettled_;
    std::deque<std::string> recent_;
    std::deque<std::function<void()>> script_;
    FormId scriptWindow_ = FormId::MainMenu;
    int serialLastPulse_ = 0;
    bool spOutputsLit_ = false;
    TrainerModel model_;
    std::optional<SerialControls> serial_;
    std::optional<SerialParallelControls> serialParallel_;
    DoubleClicks doubleClicks_;
    // The edit under way, the text it left when a message opened, and how
    // long each message of the step stayed open.
    forms::TextBox *editedBox_ = nullptr;
    std::optional<QString> textAtMessage_;
    std::vector<std::int64_t> messageOpenFor_;
    Reached reached_;
};

struct SoakFigures
{
    long steps = 0;
    int sequences = 0;
    int ends = 0;
    bool failed = false;
    Reached reached;
};

SoakFigures soak(std::uint64_t seed, long totalSteps, bool withParallel)
{
    SoakFigures figures;
    Random sequences(seed);
    while (figures.steps < totalSteps && !figures.failed) {
        const std::uint64_t sequenceSeed = sequences.next();
        const long length = std::min<long>(totalSteps - figures.steps, 50 + sequences.below(450));
        SoakProgram program(sequenceSeed, figures.sequences, withParallel);
        figures.steps += program.run(length);
        ++figures.sequences;
        figures.ends += program.ended() ? 1 : 0;
        figures.failed = program.failed();
        figures.reached.add(program.reached());
    }
    return figures;
}

void report(const char *name, std::uint64_t seed, const SoakFigures &f, std::chrono::steady_clock::duration took)
{
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(took).count();
    std::printf("[ soak ] %s: seed %llu, %ld steps, %d sequences (%d ended by the program's end), %lld ms%s\n", name,
                static_cast<unsigned long long>(seed), f.steps, f.sequences, f.ends, static_cast<long long>(ms),
                f.failed ? ", FAILED" : "");
    const Reached &r = f.reached;
    std::printf("[ soak ]   reached: %ld words shifted in, %ld ninth pulses, %ld reads lighting outputs, "
                "%ld messages (%ld with time passing), %ld edits of a locked box, %ld reset looks, %ld rest checks\n",
                r.wordsShiftedIn, r.ninthPulses, r.outputsLit, r.messages, r.nestedAdvances, r.lockedEdits,
                r.resetLooks, r.restChecks);
    std::printf("[ soak ]   and %ld double clicks, %ld presses released off their control, %ld serial resets "
                "giving the focus back to the word box\n",
                r.doubleClicks, r.pressesOff, r.focusGivenBack);
}

} // namespace

TEST(Soak, EveryWindowThroughRandomLearnerActions)
{
    const std::uint64_t seed = envNumber("TRAMELUNE_SOAK_SEED", kDefaultSeed);
    const long steps = static_cast<long>(envNumber("TRAMELUNE_SOAK_STEPS", kDefaultSteps));
    const auto begin = std::chrono::steady_clock::now();
    const SoakFigures f = soak(seed, steps, false);
    report("all windows", seed, f, std::chrono::steady_clock::now() - begin);
}

TEST(Soak, ParallelRegisterWindowShownThroughTheRegistry)
{
    const std::uint64_t seed = envNumber("TRAMELUNE_SOAK_SEED", kDefaultSeed) ^ 0x5050;
    const long steps = static_cast<long>(envNumber("TRAMELUNE_SOAK_STEPS", kDefaultSteps)) / 5;
    const auto begin = std::chrono::steady_clock::now();
    const SoakFigures f = soak(seed, steps, true);
    report("with the parallel register", seed, f, std::chrono::steady_clock::now() - begin);
}
