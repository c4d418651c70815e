#pragma once
// The word box of a trainer and the rules that turn what the learner types
// into the four characters of the word. It holds the screen's copy of the
// box's text, the count of the learner's changes, the flag that marks the
// program's own next write, and the four stored characters. The change
// handler, the validation and what a store shows belong to each screen,
// which calls these steps in its own order.

#include "forms/Controls.h"

#include <QString>

class WordEntry {
public:
    explicit WordEntry(forms::TextBox& box) : box(box) {}

    // The steps every change of the box goes through: copy the text, lock
    // the box when full, take the program's own write, count the rest;
    // answers true when the change was counted as the learner's, to be
    // validated.
    bool takeChange();

    // The screen's word becomes the box's text.
    void copyText() { typedWord = box.text(); }
    // A text of more than three characters locks the box; nothing here
    // unlocks it.
    void lockWhenFull();
    // When the change is the program's own write, clears the flag and
    // answers true; the change is then neither counted nor validated.
    bool takeOwnWrite();
    // One more change counted as the learner's.
    void countChange() { ++typedCount; }
    // The box holds text whose last character is neither "0" nor "1".
    bool lastCharacterIsWrong() const;
    // The change just counted is the fourth, the one that stores the word.
    bool isFourthCountedChange() const { return typedCount == 4; }
    // Characters 1 to 4 of the word into bit1 to bit4; a position past
    // the end gives the empty text, characters after the fourth are ignored.
    void storeBits();

    // The bit at position k of the word, 1 to 4.
    const QString& bit(int k) const;

    forms::TextBox& box;
    QString typedWord;
    int typedCount = 0;
    int ignoreNextChange = 0;
    QString bit1, bit2, bit3, bit4;
};

// True for the one-character texts "0" and "1".
bool isBit(const QString& s);
