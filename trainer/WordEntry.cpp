// The word box's rules.

#include "trainer/WordEntry.h"

#include "trainer/Text.h"

bool isBit(const QString& s) { return s == QLatin1String("0") || s == QLatin1String("1"); }

bool WordEntry::takeChange()
{
    copyText();
    lockWhenFull();
    if (takeOwnWrite())
        return false;
    countChange();
    return true;
}

void WordEntry::lockWhenFull()
{
    if (text::length(box.text()) > 3)
        box.setLocked(true);
}

bool WordEntry::takeOwnWrite()
{
    if (ignoreNextChange != 1)
        return false;
    ignoreNextChange = 0;
    return true;
}

bool WordEntry::lastCharacterIsWrong() const
{
    return !box.text().isEmpty() && !isBit(text::last(typedWord));
}

void WordEntry::storeBits()
{
    bit1 = text::at(typedWord, 1);
    bit2 = text::at(typedWord, 2);
    bit3 = text::at(typedWord, 3);
    bit4 = text::at(typedWord, 4);
}

const QString& WordEntry::bit(int k) const
{
    switch (k) {
    case 1: return bit1;
    case 2: return bit2;
    case 3: return bit3;
    default: return bit4;
    }
}
