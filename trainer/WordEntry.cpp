// The word entry's rules.

#include "trainer/WordEntry.h"

#include "trainer/Text.h"

bool isBit(const QString &s)
{
    return s == QLatin1String("0") || s == QLatin1String("1");
}

WordEntry::WordEntry(forms::TextBox &box, forms::Label &result, forms::MessageBox &messages)
    : box_(box), result_(result), messages_(messages)
{
    connect(&box_, &forms::TextBox::changed, this, &WordEntry::onChange);
}

void WordEntry::onChange()
{
    typedWord_ = box_.text();
    if (text::length(box_.text()) > 3)
        box_.setLocked(true);
    if (ignoreNextChange_) {
        ignoreNextChange_ = false;
        return;
    }
    ++typedCount_;
    result_.setCaption(QString());
    if (!box_.text().isEmpty() && !isBit(text::last(typedWord_))) {
        messages_.show(*box_.window(), kValidationText);
        Q_EMIT rejected();
    }
    // Stored even after the message: the reset that it started clears the
    // characters only when it ends.
    if (typedCount_ == 4) {
        for (int k = 1; k <= 4; ++k)
            bits_[static_cast<size_t>(k - 1)] = text::at(typedWord_, k);
        Q_EMIT stored();
    }
}

void WordEntry::writeOwn(const QString &text)
{
    flagOwnWrite();
    box_.setText(text);
}

void WordEntry::emptyUnflagged()
{
    box_.setText(QString());
}

void WordEntry::clear()
{
    // The count is cleared before the box is written and the flag after, so
    // that the write's change, whoever's it is taken for, leaves no count.
    typedCount_ = 0;
    typedWord_.clear();
    box_.setText(QString());
    bits_.fill(QString());
    ignoreNextChange_ = false;
    box_.setLocked(false);
    box_.takeFocus();
}

void WordEntry::clearKeepingBits()
{
    typedCount_ = 0;
    typedWord_.clear();
    writeOwn(QString());
    // Also when the box was empty already and the write raised nothing.
    ignoreNextChange_ = false;
    box_.setLocked(false);
}
