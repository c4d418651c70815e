// The word box of the serial-in parallel-out trainer: counted changes, the
// lock at four characters, the store at the fourth counted change, and the
// message for a wrong last character, whatever the learner types or pastes.

#include "SerialParallelFixture.h"
#include "trainer/WordEntry.h"

class SerialParallelWord : public SerialParallelFixture {};

TEST_F(SerialParallelWord, FourTypedCharactersLockTheBoxAndStoreTheWord)
{
    const SerialParallelControls s = open();
    const char* boxes[] = {"1", "10", "101", "1011"};
    for (int n = 0; n < 4; ++n) {
        typeText(s.wordBox, QString(QLatin1Char("1011"[n])));
        EXPECT_EQ(s.wordBox->text(), QString::fromLatin1(boxes[n]));
        EXPECT_EQ(s.word->typedCount(), n + 1);
        EXPECT_EQ(s.wordBox->locked(), n == 3);
        EXPECT_EQ(s.word->bit(4).isEmpty(), n < 3);
    }
    EXPECT_EQ(storedBits(), QStringLiteral("1011"));
    // A fifth key is refused by the locked box and counts nothing.
    typeText(s.wordBox, QStringLiteral("1"));
    EXPECT_EQ(s.wordBox->text(), QStringLiteral("1011"));
    EXPECT_EQ(s.word->typedCount(), 4);
    EXPECT_TRUE(messageBox.shown.isEmpty());
}

TEST_F(SerialParallelWord, TypingOrPastingOverASelectionWhatItHeldIsNoChange)
{
    const SerialParallelControls s = open();
    typeText(s.wordBox, QStringLiteral("1"));
    pressKey(s.wordBox, Qt::Key_A, Qt::ControlModifier);
    typeText(s.wordBox, QStringLiteral("1"));
    pressKey(s.wordBox, Qt::Key_End);
    typeText(s.wordBox, QStringLiteral("0"));
    pressKey(s.wordBox, Qt::Key_A, Qt::ControlModifier);
    paste(s.wordBox, QStringLiteral("10"));
    pressKey(s.wordBox, Qt::Key_End);
    typeText(s.wordBox, QStringLiteral("11"));
    EXPECT_EQ(s.word->typedCount(), 4);
    EXPECT_EQ(storedBits(), QStringLiteral("1011"));
    pulse(4);
    readOut();
    EXPECT_EQ(view(), "..E.4.21 n=4 r=1011 [] locked");
}

TEST_F(SerialParallelWord, DeletingCountsAndTheFourthChangeStoresWhateverTheBoxHolds)
{
    const SerialParallelControls s = open();
    typeText(s.wordBox, QStringLiteral("10"));
    pressKey(s.wordBox, Qt::Key_Backspace);
    typeText(s.wordBox, QStringLiteral("1"));
    EXPECT_EQ(s.wordBox->text(), QStringLiteral("11"));
    EXPECT_FALSE(s.wordBox->locked());
    EXPECT_EQ((QStringList{s.word->bit(1), s.word->bit(2), s.word->bit(3), s.word->bit(4)}),
              (QStringList{QStringLiteral("1"), QStringLiteral("1"), QString(), QString()}));
    // Later changes are counted but store nothing.
    typeText(s.wordBox, QStringLiteral("00"));
    EXPECT_EQ(s.word->typedCount(), 6);
    EXPECT_TRUE(s.word->bit(3).isEmpty());
    EXPECT_TRUE(s.wordBox->locked());
}

TEST_F(SerialParallelWord, DeletingTheOnlyCharacterIsCountedWithoutAMessage)
{
    const SerialParallelControls s = open();
    typeText(s.wordBox, QStringLiteral("1"));
    pressKey(s.wordBox, Qt::Key_Backspace);
    EXPECT_EQ(s.word->typedCount(), 2);
    EXPECT_TRUE(messageBox.shown.isEmpty());
}

TEST_F(SerialParallelWord, PastedWordIsOneChangeThatLocksTheBoxAndIsNeverStored)
{
    const SerialParallelControls s = open();
    paste(s.wordBox, QStringLiteral("1010"));
    EXPECT_TRUE(s.wordBox->locked());
    EXPECT_EQ(s.word->typedCount(), 1);
    EXPECT_TRUE(s.word->bit(1).isEmpty());
    EXPECT_TRUE(s.word->bit(4).isEmpty());
}

TEST_F(SerialParallelWord, WrongFourthCharacterBringsTheMessageTheResetAndAStoreOfAllFour)
{
    const SerialParallelControls s = open();
    typeText(s.wordBox, QStringLiteral("101x"));
    EXPECT_EQ(messageBox.shown, QStringList{kValidationText});
    EXPECT_EQ(messageBox.raisedBy, std::vector<QWidget*>{&s.window}) << "over the trainer's window";
    EXPECT_EQ(storedBits(), QStringLiteral("101x"));
    EXPECT_TRUE(s.window.resetRunning());
    advance(400);
    EXPECT_EQ(view(), "........ n=0 r= []");
    EXPECT_EQ(s.word->bit(4), QStringLiteral("x"));
}

TEST_F(SerialParallelWord, OnlyTheLastCharacterAtTheChangeIsExamined)
{
    const SerialParallelControls s = open();
    typeText(s.wordBox, QStringLiteral("1"));
    pressKey(s.wordBox, Qt::Key_Home);
    typeText(s.wordBox, QStringLiteral("x"));
    EXPECT_EQ(s.wordBox->text(), QStringLiteral("x1"));
    EXPECT_TRUE(messageBox.shown.isEmpty());
}

TEST_F(SerialParallelWord, TheAcknowledgedChangeKeepsTheReadResultAndTheNextCountedOneEmptiesIt)
{
    const SerialParallelControls s = open();
    typeText(s.wordBox, QStringLiteral("1011"));
    click(s.resetUnlit);
    advance(400);
    shiftIn(QStringLiteral("1"));
    readOut();
    ASSERT_EQ(s.readLabel->caption(), QStringLiteral("1011"));
    typeText(s.wordBox, QStringLiteral("0"));
    EXPECT_EQ(s.readLabel->caption(), QStringLiteral("1011"));
    typeText(s.wordBox, QStringLiteral("1"));
    EXPECT_EQ(s.readLabel->caption(), QString());
}

// ---- Anything the learner may enter

enum class Entry { Typed, Pasted };

struct BadInput {
    const char* name;
    Entry entry;
    QString text;
    bool message; // else accepted silently
};

void PrintTo(const BadInput& c, std::ostream* os) { *os << c.name; }

class SerialParallelWordInput : public SerialParallelFixture, public ::testing::WithParamInterface<BadInput> {};

TEST_P(SerialParallelWordInput, BringsTheMessageAndTheResetOrIsTakenSilently)
{
    const BadInput& c = GetParam();
    const SerialParallelControls s = open();
    if (c.entry == Entry::Typed)
        typeText(s.wordBox, c.text);
    else
        paste(s.wordBox, c.text);
    EXPECT_EQ(messageBox.shown, c.message ? QStringList{kValidationText} : QStringList{});
    const QString entered = s.wordBox->text();
    advance(400);
    if (c.message) {
        EXPECT_EQ(view(), "........ n=0 r= []");
    } else {
        EXPECT_EQ(s.wordBox->text(), entered);
        EXPECT_FALSE(entered.isEmpty());
    }
    // The screen still works: a reset and a word after it.
    click(s.resetUnlit);
    advance(400);
    shiftIn(QStringLiteral("0011"));
    readOut();
    EXPECT_EQ(view(), "......21 n=4 r=0011 [] locked");
}

const QString kEmoji = QString::fromUtf8("\xF0\x9F\x98\x80");

INSTANTIATE_TEST_SUITE_P(
    Entries, SerialParallelWordInput,
    ::testing::Values(
        BadInput{"letter", Entry::Typed, QStringLiteral("a"), true},
        BadInput{"capital", Entry::Typed, QStringLiteral("1O"), true},
        BadInput{"blank", Entry::Typed, QStringLiteral(" "), true},
        BadInput{"punctuation", Entry::Typed, QStringLiteral("10."), true},
        BadInput{"digit2", Entry::Typed, QStringLiteral("2"), true},
        BadInput{"digit3", Entry::Typed, QStringLiteral("3"), true},
        BadInput{"digit4", Entry::Typed, QStringLiteral("4"), true},
        BadInput{"digit5", Entry::Typed, QStringLiteral("5"), true},
        BadInput{"digit6", Entry::Typed, QStringLiteral("6"), true},
        BadInput{"digit7", Entry::Typed, QStringLiteral("7"), true},
        BadInput{"digit8", Entry::Typed, QStringLiteral("8"), true},
        BadInput{"digit9", Entry::Typed, QStringLiteral("9"), true},
        BadInput{"accented", Entry::Typed, QStringLiteral("1é"), true},
        BadInput{"cyrillic", Entry::Typed, QStringLiteral("Ж"), true},
        BadInput{"chinese", Entry::Typed, QStringLiteral("寄"), true},
        BadInput{"pastedChinese", Entry::Pasted, QStringLiteral("寄存器"), true},
        BadInput{"emoji", Entry::Typed, kEmoji, true},
        BadInput{"pastedEmoji", Entry::Pasted, kEmoji, true},
        BadInput{"emojiBeforeABit", Entry::Pasted, kEmoji + QStringLiteral("1"), false},
        BadInput{"bitAfterLetters", Entry::Pasted, QStringLiteral("ab0"), false},
        BadInput{"longEndingInABit", Entry::Pasted, QString(5000, QLatin1Char('z')) + QLatin1Char('1'), false},
        BadInput{"longEndingInALetter", Entry::Pasted, QString(5000, QLatin1Char('1')) + QLatin1Char('z'), true},
        BadInput{"tab", Entry::Pasted, QStringLiteral("1\t"), true}));

TEST_F(SerialParallelWord, LongPastedTextEntersWholeAndThePulsesCutIt)
{
    const SerialParallelControls s = open();
    const QString pasted = QString(3000, QLatin1Char('1')) + kEmoji + QStringLiteral("0");
    paste(s.wordBox, pasted);
    EXPECT_EQ(s.wordBox->text(), pasted);
    EXPECT_TRUE(s.wordBox->locked());
    const char* boxes[] = {"111", "11", "1", ""};
    for (const char* box : boxes) {
        pulse(1);
        EXPECT_EQ(s.wordBox->text(), QString::fromLatin1(box));
    }
    EXPECT_TRUE(messageBox.shown.isEmpty());
}

TEST_F(SerialParallelWord, PasteBeyondTheDefaultLineLengthEntersWholeAndItsLastCharacterIsChecked)
{
    const SerialParallelControls s = open();
    // Longer than a line edit takes by default: nothing may be cut off, so
    // the wrong last character is seen.
    const QString pasted = QString(40000, QLatin1Char('1')) + QLatin1Char('x');
    paste(s.wordBox, pasted);
    EXPECT_EQ(s.wordBox->text().size(), pasted.size());
    EXPECT_EQ(messageBox.shown, QStringList{kValidationText});
    advance(400);
    EXPECT_EQ(view(), "........ n=0 r= []");
}
