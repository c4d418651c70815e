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

#include "ScreenId.h"
#include "common/BitCell.h"
#include "common/Lamp.h"
#include "common/TwoTickAnimation.h"
#include "common/WordBox.h"
#include "forms/Controls.h"
#include "forms/Screen.h"
#include "forms/Timer.h"

#include <array>
#include <memory>

class Serie final : public forms::Screen {
public:
    explicit Serie(forms::Services& services);
    ~Serie() override;

    // On the window, front to back.
    forms::PictureBox* Picture1 = nullptr;
    forms::TextBox* mot = nullptr;
    forms::CommandButton* quitt = nullptr; // "Quitter"
    forms::CommandButton* men = nullptr;   // "Menu"
    forms::Label* Label4 = nullptr;
    forms::Label* Label3 = nullptr;
    forms::Label* Label2 = nullptr;
    forms::Label* Label1 = nullptr;

    // Inside Picture1, front to back.
    forms::Label* Label6 = nullptr; // pulse count
    forms::Label* Label5 = nullptr; // status line
    forms::Image* b0_0 = nullptr;
    forms::Image* b1_0 = nullptr;
    forms::Image* b2_0 = nullptr;
    forms::Image* b3_0 = nullptr;
    forms::Image* b0_1 = nullptr;
    forms::Image* b1_1 = nullptr;
    forms::Image* b2_1 = nullptr;
    forms::Image* b3_1 = nullptr;
    forms::Image* s0 = nullptr;
    forms::Image* hw = nullptr;
    forms::Image* razw = nullptr;
    forms::Image* e0 = nullptr;
    forms::Image* s1 = nullptr;
    forms::Image* e1 = nullptr;
    forms::Image* hr = nullptr;
    forms::Image* razr = nullptr;

    // Menu bar: "Fichier" > "Menu", "Quitter"; "Aide"; "à propos...".
    QAction* Menu = nullptr;
    QAction* Quit = nullptr;
    QAction* ad = nullptr;
    QAction* inf = nullptr;

    forms::Timer Timer3; // never used
    forms::Timer Timer1; // clock animation
    forms::Timer Timer2; // reset animation

    // cell[k] is cell k: cell 3 at the input end, cell 0 at the output end.
    std::array<std::unique_ptr<BitCell>, 4> cell;
    std::unique_ptr<Lamp> inputLamp;  // e0 / e1
    std::unique_ptr<Lamp> outputLamp; // s0 / s1
    std::unique_ptr<Lamp> clockLamp;  // hw / hr
    std::unique_ptr<Lamp> resetLamp;  // razw / razr

    // typedWord, typedCount, ignoreNextChange, bit1 to bit4.
    std::unique_ptr<WordBox> word;
    int pulseCount = 0;
    int tickCount = 0; // shared by Timer1 and Timer2

protected:
    void Form_Load() override;

private:
    void buildWindow();
    void buildDiagram();
    void buildMenus();

    // Navigation.
    void ad_Click();
    void inf_Click();
    void men_Click();
    void Menu_Click();
    void Quit_Click();
    void quitt_Click();

    // Word entry.
    void mot_Change();
    void ValidateWord();
    void StoreWordBits();

    // Clock.
    void hw_Click();
    void StartClockTimer();
    void Timer1_Timer();
    void ClockTimerTick();
    void ApplyClockPulse();
    void shiftPulse(int pulse);
    void writeBox(const QString& text);
    void showCell(Lamp& lamp, const BitCell& shown);

    // Reset.
    void razw_Click();
    void StartReset();
    void StartResetTimer();
    void Timer2_Timer();
    void ResetTimerTick();
    void FinishReset();
    void ClearRegister();

    std::unique_ptr<TwoTickAnimation> clockAnimation;
    std::unique_ptr<TwoTickAnimation> resetAnimation;
};
