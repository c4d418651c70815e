#pragma once
// The word entry of a trainer: its text box and the rules that turn what the
// learner types into the four characters of the word. Every change of the
// box is copied into the word and locks the box once it holds four
// characters. A change that the program flagged as its own write ends there;
// every other one is counted, empties the window's result line, brings the
// validation message when its last character is neither "0" nor "1" (the
// window then starts its reset), and, when it is the fourth counted, stores
// the word's characters. The clock pulses and the resets write the box and
// clear the entry through the steps below, each in its own order.

#include "forms/Controls.h"
#include "forms/MessageBox.h"

#include <QObject>
#include <QString>

#include <array>

// The validation message, in the program's message box.
inline const QString kValidationText = QStringLiteral("Entrer uniquement des 1 ou des 0");

class WordEntry : public QObject
{
    Q_OBJECT
public:
    // `result` is the line that a counted change empties; the message opens
    // over the box's window.
    WordEntry(forms::TextBox &box, forms::Label &result, forms::MessageBox &messages);

    // What the rules hold, for reading: the word as last copied, the count
    // of the learner's changes, the flag of the program's own next write
    // and the stored characters, bit(1) the leftmost.
    const QString &typedWord() const { return typedWord_; }
    int typedCount() const { return typedCount_; }
    bool ignoresNextChange() const { return ignoreNextChange_; }
    const QString &bit(int k) const { return bits_.at(static_cast<size_t>(k - 1)); }
    QString boxText() const { return box_.text(); }

    // The next change of the box is the program's own: it is copied and
    // clears the flag, and that is all.
    void flagOwnWrite() { ignoreNextChange_ = true; }
    // Flagged, then written.
    void writeOwn(const QString &text);
    // Emptied without the flag: the change that it raises, if any, is taken
    // like the learner's.
    void emptyUnflagged();
    void forgetWord() { typedWord_.clear(); }
    // The word copied from the box again, as the serial-parallel store does.
    void retakeWord() { typedWord_ = box_.text(); }

    // Ready for a new word, as a serial reset leaves it: count, word, box
    // (written with the flag as it stands), stored characters and flag
    // cleared, the box unlocked and given the focus.
    void clear();
    // Ready for a new word, as a serial-parallel reset leaves it: count and
    // word cleared, the box emptied as the program's own write and
    // unlocked; the stored characters and the focus stay.
    void clearKeepingBits();

Q_SIGNALS:
    // A wrong last character: the message has been shown and closed.
    void rejected();
    // The fourth counted change has stored the word's characters.
    void stored();

private:
    void onChange();

    forms::TextBox &box_;
    forms::Label &result_;
    forms::MessageBox &messages_;
    QString typedWord_;
    int typedCount_ = 0;
    bool ignoreNextChange_ = false;
    std::array<QString, 4> bits_;
};

// True for the one-character texts "0" and "1".
bool isBit(const QString &s);
