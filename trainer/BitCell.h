#pragma once
// The display of one register cell: a "0" picture and a "1" picture at one
// place. The cell's value is only which picture is visible; before its first
// set both are, and the "0" picture, in front, is seen. A screen reader
// hears one cell, named after the picture seen ("Cellule 3 : 1").

#include "forms/Controls.h"

class BitCell
{
public:
    BitCell(forms::Image &zero, forms::Image &one, const QString &name);

    // "1" picture shown, then "0" hidden.
    void set1();
    // "0" picture shown, then "1" hidden.
    void set0();

    bool zeroShown() const { return zero_.shown(); }
    bool oneShown() const { return one_.shown(); }
    // The digit seen, "0" or "1": what the eye reads, for telling it to a
    // screen reader.
    QString seenDigit() const { return zero_.seen() == &one_ ? QStringLiteral("1") : QStringLiteral("0"); }

    // Takes the value of another cell: tests its "1" picture first, then its
    // "0" picture, so a cell never set (both visible) copies as 0.
    void copyFrom(const BitCell &source);
    // Takes a stored character of the word: "1" sets 1, then "0" sets 0; any
    // other text (empty, another character) leaves the cell as it was.
    void take(const QString &bit);

private:
    forms::Image &zero_;
    forms::Image &one_;
};
