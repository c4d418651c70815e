#pragma once
// The serial-in parallel-out trainer. The learner types a word of four
// characters "0"/"1" into the word box, shifts it in with four clicks on the
// clock lamp "H" (each pulse shows the entering bit on the input lamp and
// cuts the box by one character), then clicks the read lamp to light each
// output S1 to S4 whose bit is "1" and show the word beside them; the RAZ lamp
// clears the screen but keeps the stored characters. The flip-flops' contents
// are never shown: the read works from the pulse count and the stored bits.
// The clock and read animations count in one tick counter, the reset in its
// own. The help, the About box and the main menu are other windows, opened
// through the registry; the diagram is a compiled-in picture.

#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/Timer.h"
#include "trainer/Lamp.h"
#include "trainer/TwoTickAnimation.h"
#include "trainer/WordEntry.h"

#include <optional>

class QAction;

class SerialParallelTrainer final : public forms::Form {
public:
    explicit SerialParallelTrainer(forms::Services& services);

    // The window's controls, front to back.
    forms::PictureBox* diagram;        // the circuit, with the lamps over it
    forms::CommandButton* quitButton;  // "Quitter"
    forms::CommandButton* menuButton;  // "Menu"
    forms::TextBox* wordBox;
    forms::Label* inputLabel;          // "Entrée", left of the word box
    forms::Label* errorLabel;          // "En cas d'erreur …"
    forms::Label* pulsesLabel;         // "Puis validez avec Cde - H - 4 fois. …"
    forms::Label* fourBitsLabel;       // "de 4 bits 0 ou 1"
    forms::Label* enterWordLabel;      // "Entrez un mot"
    forms::Announcer* announcer;       // says each pulse, read and reset to a screen reader

    // On the diagram, front to back; each lamp's unlit picture lies in front
    // of its lit one.
    forms::Label* pulseCountLabel;
    forms::Label* readLabel;           // the word read onto the outputs
    forms::Image* readCommandPicture;  // "Commande lecture"
    forms::Image* clockUnlit;
    forms::Image* resetUnlit;
    forms::Image* inputUnlit;
    forms::Image* readUnlit;
    forms::Image* output4Unlit;
    forms::Image* output3Unlit;
    forms::Image* output2Unlit;
    forms::Image* output1Unlit;
    forms::Image* clockLit;
    forms::Image* resetLit;
    forms::Image* inputLit;
    forms::Image* readLit;
    forms::Image* output4Lit;
    forms::Image* output3Lit;
    forms::Image* output2Lit;
    forms::Image* output1Lit;

    QAction* menuAction;  // Fichier > Menu
    QAction* quitAction;  // Fichier > Quitter
    QAction* helpAction;  // Aide
    QAction* aboutAction; // à propos...

    forms::Timer clockTimer;
    forms::Timer resetTimer;
    forms::Timer readTimer;

    // Screen variables. The word, its count, its flag and its four
    // characters live in the word box.
    int tickCount = 0;      // shared by the clock and read animations
    int resetTickCount = 0; // the reset's own
    int pulseCount = 0;
    std::optional<WordEntry> word;

    std::optional<Lamp> clockLamp;
    std::optional<Lamp> resetLamp;
    std::optional<Lamp> inputLamp;
    std::optional<Lamp> readLamp;
    std::optional<Lamp> outputLamps[4]; // S1 to S4

    // The lamp of output S<n>, n from 1 to 4.
    Lamp& outputLamp(int n) { return *outputLamps[n - 1]; }

protected:
    void onLoad() override;

private:
    void onHelpChosen();
    void onAboutChosen();
    void onMenuClicked();
    void onMenuChosen();
    void onQuitClicked();
    void onQuitChosen();

    void onWordChanged();
    void validateWord();
    void storeWordBits();

    void onClockLampClicked();
    void onClockTimerTick();
    void applyClockPulse();

    void onReadLampClicked();
    void onReadTimerTick();
    void readOutputs();

    void onResetLampClicked();
    void startReset();
    void onResetTimerTick();
    void resetAnimationTick();
    void finishReset();

    void buildControls();
    void buildDiagramControls();
    void buildMenus();
    void connectHandlers();
    void showPulseCount();

    std::optional<TwoTickAnimation> clockAnimation;
    std::optional<TwoTickAnimation> readAnimation;
    std::optional<TwoTickAnimation> resetAnimation;
};
