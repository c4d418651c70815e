#pragma once
// The serial-in parallel-out trainer. The learner types a word of four
// characters "0"/"1" into the word box, shifts it in with four clicks on the
// clock lamp "H" (each pulse shows the entering bit on the input lamp and
// cuts the box by one character), then clicks the read lamp to light each
// output S1 to S4 whose bit is "1" and show the word in Label5; the RAZ lamp
// clears the screen but keeps the stored characters. The flip-flops' contents
// are never shown: the read works from the pulse count and the stored bits.
// The clock and read animations count in one tick counter, the reset in its
// own. The help, the About box and the main menu are other windows, opened
// through the registry; the diagram is a compiled-in picture.

#include "common/Lamp.h"
#include "common/TwoTickAnimation.h"
#include "common/WordBox.h"
#include "forms/Controls.h"
#include "forms/Screen.h"
#include "forms/Timer.h"

#include <optional>

class QAction;

class sp final : public forms::Screen {
public:
    explicit sp(forms::Services& services);

    // The window's controls, front to back.
    forms::PictureBox* Picture1;
    forms::CommandButton* quitt; // "Quitter"
    forms::CommandButton* men;   // "Menu"
    forms::TextBox* mot;         // the word box
    forms::Label* Entree;        // "Entrée"
    forms::Label* Label3;
    forms::Label* Label2;
    forms::Label* Label4;
    forms::Label* Label1;

    // Inside Picture1, front to back.
    forms::Label* Label6; // pulse count
    forms::Label* Label5; // read result
    forms::Image* Image1; // "Commande lecture"
    forms::Image* hw;
    forms::Image* razw;
    forms::Image* ew;
    forms::Image* lw;
    forms::Image* s4w;
    forms::Image* s3w;
    forms::Image* s2w;
    forms::Image* s1w;
    forms::Image* hr;
    forms::Image* razr;
    forms::Image* er;
    forms::Image* lr;
    forms::Image* s4r;
    forms::Image* s3r;
    forms::Image* s2r;
    forms::Image* s1r;

    QAction* MenuSp; // Fichier > Menu
    QAction* Q;      // Fichier > Quitter
    QAction* Ade;    // Aide
    QAction* inf;    // à propos...

    forms::Timer Timer1; // clock animation
    forms::Timer Timer2; // reset animation
    forms::Timer Timer3; // read animation

    // Screen variables. The word, its count, its flag and its four
    // characters live in the word box.
    int tickCount = 0;      // shared by the clock and read animations
    int resetTickCount = 0; // the reset's own
    int pulseCount = 0;
    std::optional<WordBox> word;

    std::optional<Lamp> clockLamp;  // hw / hr
    std::optional<Lamp> resetLamp;  // razw / razr
    std::optional<Lamp> inputLamp;  // ew / er
    std::optional<Lamp> readLamp;   // lw / lr
    std::optional<Lamp> outputs[4]; // S1 to S4: s1w / s1r … s4w / s4r

    // The lamp of output S<n>, n from 1 to 4.
    Lamp& output(int n) { return *outputs[n - 1]; }

protected:
    void Form_Load() override;

private:
    void Ade_Click();
    void inf_Click();
    void men_Click();
    void MenuSp_Click();
    void quitt_Click();
    void Q_Click();

    void mot_Change();
    void ValidateWord();
    void StoreWordBits();

    void hw_Click();
    void Timer1_Timer();
    void ApplyClockPulse();

    void lw_Click();
    void Timer3_Timer();
    void ReadOutputs();

    void razw_Click();
    void StartReset();
    void Timer2_Timer();
    void ResetTimerTick();
    void FinishReset();

    void buildControls();
    void buildDiagramControls();
    void buildMenus();
    void connectHandlers();
    void showPulseCount();

    std::optional<TwoTickAnimation> clockAnimation;
    std::optional<TwoTickAnimation> readAnimation;
    std::optional<TwoTickAnimation> resetAnimation;
};
