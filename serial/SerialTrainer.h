#pragma once
// The serial-in serial-out trainer "Registre série": the diagram of a 4-bit
// register of D flip-flops with a "0"/"1" display per cell, the serial input
// and output lamps, the clock lamp "H" and the reset lamp "RAZ", the pulse
// count and the status line, and on the left the instructions, the word box
// and the buttons "Menu" and "Quitter".
//
// The screen owns its word entry (every change of the box is copied, counted
// and validated; the fourth counted change stores the word), the clock
// animation whose second tick applies one pulse of the shift, and the
// animated reset. The clock and reset animations share one tick counter.
// The cells are held only in which of their two pictures is visible.
// Drawing the diagram, the message box and ending the program are left to
// the form layer; the help, the About box and the main menu are other
// screens, opened through the registry.

#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/Timer.h"
#include "trainer/BitCell.h"
#include "trainer/Lamp.h"
#include "trainer/TwoTickAnimation.h"
#include "trainer/WordEntry.h"

#include <array>
#include <memory>

class SerialTrainer final : public forms::Form {
public:
    explicit SerialTrainer(forms::Services& services);
    ~SerialTrainer() override;

    // On the window, front to back.
    forms::PictureBox* diagram = nullptr; // the circuit, with the cells and lamps over it
    forms::TextBox* wordBox = nullptr;
    forms::CommandButton* quitButton = nullptr;  // "Quitter"
    forms::CommandButton* menuButton = nullptr;  // "Menu"
    forms::Label* fourBitsLabel = nullptr;       // "de 4 bits 0 ou 1"
    forms::Label* errorLabel = nullptr;          // "En cas d'erreur, faire une RAZ"
    forms::Label* pulsesLabel = nullptr;         // "Puis validez avec Transfert - H - 4 fois."
    forms::Label* enterWordLabel = nullptr;      // "Entrez un mot"
    forms::Announcer* announcer = nullptr;       // says each pulse and reset to a screen reader

    // On the diagram, front to back: each cell's "0" picture lies in front
    // of its "1", each lamp's unlit picture in front of its lit one.
    forms::Label* pulseCountLabel = nullptr;
    forms::Label* statusLabel = nullptr; // "RAZ" once the register is reset
    forms::Image* cell0Zero = nullptr;
    forms::Image* cell1Zero = nullptr;
    forms::Image* cell2Zero = nullptr;
    forms::Image* cell3Zero = nullptr;
    forms::Image* cell0One = nullptr;
    forms::Image* cell1One = nullptr;
    forms::Image* cell2One = nullptr;
    forms::Image* cell3One = nullptr;
    forms::Image* outputUnlit = nullptr;
    forms::Image* clockUnlit = nullptr;
    forms::Image* resetUnlit = nullptr;
    forms::Image* inputUnlit = nullptr;
    forms::Image* outputLit = nullptr;
    forms::Image* inputLit = nullptr;
    forms::Image* clockLit = nullptr;
    forms::Image* resetLit = nullptr;

    // Menu bar: "Fichier" > "Menu", "Quitter"; "Aide"; "à propos...".
    QAction* menuAction = nullptr;
    QAction* quitAction = nullptr;
    QAction* helpAction = nullptr;
    QAction* aboutAction = nullptr;

    forms::Timer spareTimer; // never set going
    forms::Timer clockTimer;
    forms::Timer resetTimer;

    // cells[k] is cell k: cell 3 at the input end, cell 0 at the output end.
    std::array<std::unique_ptr<BitCell>, 4> cells;
    std::unique_ptr<Lamp> inputLamp;
    std::unique_ptr<Lamp> outputLamp;
    std::unique_ptr<Lamp> clockLamp;
    std::unique_ptr<Lamp> resetLamp;

    // The word as typed, the count of the learner's changes, the flag of the
    // program's own next write and the four stored characters.
    std::unique_ptr<WordEntry> word;
    int pulseCount = 0;
    int tickCount = 0; // shared by the clock and reset animations

protected:
    void onLoad() override;

private:
    void buildWindow();
    void buildDiagram();
    void buildMenus();

    // Navigation.
    void onHelpChosen();
    void onAboutChosen();
    void onMenuClicked();
    void onMenuChosen();
    void onQuitChosen();
    void onQuitClicked();

    // Word entry.
    void onWordChanged();
    void validateWord();
    void storeWordBits();

    // Clock.
    void onClockLampClicked();
    void startClockTimer();
    void onClockTimerTick();
    void clockAnimationTick();
    void applyClockPulse();
    void shiftPulse(int pulse);
    void writeBox(const QString& text);
    void showCell(Lamp& lamp, const BitCell& shown);
    void announcePulse();

    // Reset.
    void onResetLampClicked();
    void startReset();
    void startResetTimer();
    void onResetTimerTick();
    void resetAnimationTick();
    void finishReset();
    void clearRegister();

    std::unique_ptr<TwoTickAnimation> clockAnimation;
    std::unique_ptr<TwoTickAnimation> resetAnimation;
};
