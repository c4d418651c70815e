#pragma once
// The parallel register window: the diagram of a 4-bit register with
// parallel inputs E4 to E1 and parallel outputs S4 to S1, ten lamps laid over
// it, a pulse symbol, "Menu", "Quitter" and three timers. Nothing here moves:
// the lamps are never switched, so each shows the lit picture that lies in
// front of its unlit one, the timers have no interval and never tick, and
// no lamp or picture answers a click. "Quitter" and the close box end the
// program; "Menu" goes back to the main menu. No other window opens this one.

#include "common/Lamp.h"
#include "forms/Controls.h"
#include "forms/Screen.h"
#include "forms/Timer.h"

#include <vector>

class pp final : public forms::Screen {
public:
    explicit pp(forms::Services& services);

    forms::Timer Timer3;
    forms::Timer Timer2;
    forms::Timer Timer1;
    forms::PictureBox* Picture1; // the diagram, with everything laid over it
    // Lit lamp pictures, in front: E4, E3, E2, E1, S4, S3, S2, S1, RAZ, Cde.
    forms::Image* Image2;
    forms::Image* Image3;
    forms::Image* Image4;
    forms::Image* Image5;
    forms::Image* Image6;
    forms::Image* Image7;
    forms::Image* Image8;
    forms::Image* Image9;
    forms::Image* Image10;
    forms::Image* Image11;
    // Unlit lamp pictures, behind, in the same order.
    forms::Image* Image12;
    forms::Image* Image13;
    forms::Image* Image14;
    forms::Image* Image15;
    forms::Image* Image16;
    forms::Image* Image17;
    forms::Image* Image18;
    forms::Image* Image19;
    forms::Image* Image20;
    forms::Image* Image21;
    forms::Image* Image1; // the pulse symbol
    forms::CommandButton* Menu;
    forms::CommandButton* Quit;

    // The ten lamps, in the order above.
    const std::vector<Lamp>& lamps() const { return lamps_; }

private:
    void Quit_Click();
    void Menu_Click();

    std::vector<Lamp> lamps_;
};
