// The word box of the serial-in parallel-out trainer: counted changes, the
// lock at four characters, the store at the fourth counted change, and the
// message for a wrong last character, whatever the learner types or pastes.

#include "SerialParallelFixture.h"
#include "trainer/WordEntry.h"

class SerialParallelWord : public SerialParallelFixture
{
};

TEST_F(SerialParallelWord, FourTypedCharactersLockTheBoxAndStoreTheWord)
{
    const SerialParallelControls s = open();
    const char *boxes[] = { "1", "10", "101", "1011" };
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
    EXPECT_EQ((QStringList{ s.word->bit(1), s.word->bit(2), s.word->bit(3), s.word->bit(4) }),
              (QStringList{ QStringLiteral("1"), QStringLiteral("1"), QString(), QString() }));
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
    EXPECT_EQ(messageBox.shown, QStringList{ kValidationText });
    EXPECT_EQ(messageBox.raisedBy, std::vector<QWidget *>{ &s.window }) << "over the trainer's window";
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

const QString kEmoji = QString::fromUtf8("\xF0\x9F\x98\x80");

TEST_F(SerialParallelWord, LongPastedTextEntersWholeAndThePulsesCutIt)
{
    const SerialParallelControls s = open();
    const QString pasted = QString(3000, QLatin1Char('1')) + kEmoji + QStringLiteral("0");
    paste(s.wordBox, pasted);
    EXPECT_EQ(s.wordBox->text(), pasted);
    EXPECT_TRUE(s.wordBox->locked());
    const char *boxes[] = { "111", "11", "1", "" };
    for (const char *box : boxes) {
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
    EXPECT_EQ(messageBox.shown, QStringList{ kValidationText });
    advance(400);
    EXPECT_EQ(view(), "........ n=0 r= []");
}
