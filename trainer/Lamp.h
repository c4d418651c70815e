#pragma once
// A lamp on a diagram: an unlit and a lit picture at one place, of which the
// program shows one and hides the other. Where both are shown the one in
// front is seen. The program sets a lamp from other state and never reads it
// back. Only the window decides which picture, if any, answers a click.
// The two pictures are paired, so a screen reader hears one lamp named after
// the picture seen ("Horloge H : allumée").

#include "forms/Controls.h"

#include <QPoint>
#include <QSize>

#include <functional>
#include <vector>

class BitCell;

class Lamp
{
public:
    Lamp(forms::Image &unlit, forms::Image &lit, const QString &name);

    // The unlit picture answers a click with the handler, under the
    // up-arrow pointer; the lit one takes the click and does nothing.
    void makeClickable(std::function<void()> handler);

    // Lit picture shown, then unlit hidden.
    void light();
    // Unlit picture shown, then lit hidden.
    void putOut();
    // The unlit picture shown, the lit one left as it is: where the unlit
    // lies in front, the lamp looks unlit.
    void showUnlit() { unlit_.setShown(true); }
    // The lamp shows the cell: put out if its "0" picture is shown, then lit
    // if its "1" picture is.
    void showCell(const BitCell &cell);

    // The lit picture is the one seen: what the eye reads, for telling it
    // to a screen reader; the rules never read a lamp back.
    bool seenLit() const { return unlit_.seen() == &lit_; }

private:
    forms::Image &unlit_;
    forms::Image &lit_;
};

// Where a lamp lies on its diagram, in twips, what a screen reader calls
// it, and the object name that its pictures are known by, "<object>Unlit"
// and "<object>Lit".
struct LampPlace
{
    QPoint place;
    const char *name;
    const char *object;
};

// Which picture of each lamp lies in front, and so is seen while both are
// shown.
enum class InFront { Unlit, Lit };

// The lamps of a diagram, laid out from a table in its order, each a pair of
// pictures of `size` twips at its place.
std::vector<Lamp> layOutLamps(QWidget *diagram, const std::vector<LampPlace> &places, QSize size,
                              const QString &unlitPicture, const QString &litPicture, InFront inFront);
