#pragma once
// What the two trainers share around their registers: the menu bar
// ("Fichier" with "Menu" and "Quitter", then "Aide" and "à propos..."), the
// buttons "Menu" and "Quitter", the close box, the column of instructions,
// the word box and its word entry, the diagram's frame, and the announcer
// that tells a screen reader what each action changed. "Menu" leads back to
// the main menu; "Quitter" and the close box end the program; the help page
// and the About box open in the trainer's place or beside it.
//
// Each trainer lays its window out front to back through the steps below,
// then finishes it with the line that a counted change of the word empties,
// and gives its reset's clearing; its diagram's lamps, its counters and its
// other animations are its own.

#include "forms/Controls.h"
#include "forms/Form.h"
#include "trainer/Lamp.h"
#include "trainer/TwoTickAnimation.h"
#include "trainer/WordEntry.h"

#include <functional>
#include <optional>

class TrainerForm : public forms::Form
{
public:
    // What the word entry holds, for reading.
    const WordEntry &word() const { return *word_; }
    bool resetRunning() const { return reset_->running(); }

protected:
    // Where the help page and the About box open: in the trainer's place,
    // which they hide, or beside it.
    enum class Companions { InPlace, Beside };

    TrainerForm(forms::Services &services, FormId help, Companions companions);

    // The diagram: a picture box, with the lamps and the rest over it.
    forms::PictureBox *addDiagram(const QRect &place, const QColor &back, const QString &picture, const QString &name);
    // "Quitter", then "Menu" behind it.
    void addButtons(const QRect &quit, const QRect &menu);
    forms::TextBox *addWordBox(const QRect &place);
    // An instruction of the left column, on the window's light yellow.
    forms::Label *addInstruction(const QRect &place, const QString &caption, const QColor &colour);
    // A label on the diagram that shows a value, heard after its title.
    static forms::Label *addValueLabel(QWidget *parent, const QRect &place, const QColor &back, const QColor &text,
                                       const QFont &font, const QString &title);
    // The word entry, on the word box and the line that a counted change
    // empties; the Tab order, from the word box round to the diagram; the
    // announcer. Once, when every control exists.
    void finish(forms::Label &result);
    // The animated reset, counting in `counter`: at each tick the input lamp
    // goes out and the RAZ lamp lights; at the second, `clear` clears the
    // screen. A click on the RAZ lamp starts it, and so does the validation
    // message once it is closed.
    void addReset(int &counter, Lamp &input, Lamp &reset, std::function<void()> clear);

    WordEntry &word() { return *word_; }
    void announce(const QString &message) { announcer_->announce(message); }

private:
    void leaveForMainMenu();
    // The help page or the About box, as the trainer's companions open.
    void open(FormId companion);

    FormId help_;
    Companions companions_;
    forms::PictureBox *diagram_ = nullptr;
    forms::CommandButton *quitButton_ = nullptr;
    forms::CommandButton *menuButton_ = nullptr;
    forms::TextBox *wordBox_ = nullptr;
    forms::Announcer *announcer_ = nullptr;
    std::optional<WordEntry> word_;
    std::optional<TwoTickAnimation> reset_;
};
