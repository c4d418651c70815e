#pragma once
// A lamp on a diagram: an unlit and a lit picture at one place, of which the
// program shows one and hides the other. Where both are visible the one in
// front is seen. The program sets a lamp from other state and never reads it
// back. Only the window decides which picture, if any, answers a click.
// Each picture carries its own accessible name ("… allumée" / "… éteinte")
// and the two are paired, so a screen reader hears one lamp named after the
// picture seen, a button while that picture answers a click.

#include "forms/Controls.h"

class Lamp {
public:
    Lamp(forms::Image& unlit, forms::Image& lit, const QString& name);

    // Lit picture shown, then unlit hidden.
    void light();
    // Unlit picture shown, then lit hidden.
    void putOut();
    // The lit picture is the one seen: what the eye reads, for telling it
    // to a screen reader; the rules never read a lamp back.
    bool seenLit() const { return unlit_.seen() == &lit_; }

    forms::Image& unlit() const { return unlit_; }
    forms::Image& lit() const { return lit_; }

private:
    forms::Image& unlit_;
    forms::Image& lit_;
};
