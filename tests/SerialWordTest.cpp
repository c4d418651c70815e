// The word box of the serial trainer: which of the learner's edits are
// counted, when the box locks, and which four characters are stored.

#include "SerialFixture.h"

#include "trainer/WordEntry.h"

#include <QTest>

#include <vector>

namespace {

enum class Key { Text, Paste, Backspace, Delete, Home, End, SelectAll, Cut, AltF };

struct Edit
{
    Key key;
    const char *text = "";
};

struct WordCase
{
    const char *name;
    std::vector<Edit> edits;
    const char *box;
    bool locked;
    int counted;
    const char *bits; // bit1|bit2|bit3|bit4
};

void PrintTo(const WordCase &c, std::ostream *out)
{
    *out << c.name;
}

const std::vector<WordCase> kCases = {
    { "FourBitsAreStoredAndLock", { { Key::Text, "1011" } }, "1011", true, 4, "1|0|1|1" },
    { "ThreeBitsNeitherLockNorStore", { { Key::Text, "101" } }, "101", false, 3, "|||" },
    { "AltLetterTypesNothing", { { Key::Text, "101" }, { Key::AltF } }, "101", false, 3, "|||" },
    { "FifthKeyIsRefused", { { Key::Text, "1011" }, { Key::Text, "0" } }, "1011", true, 4, "1|0|1|1" },
    { "BackspaceOnTheLockedBoxIsRefused", { { Key::Text, "1011" }, { Key::Backspace } }, "1011", true, 4, "1|0|1|1" },
    { "PasteOnTheLockedBoxIsRefused", { { Key::Text, "1011" }, { Key::Paste, "0" } }, "1011", true, 4, "1|0|1|1" },
    { "BackspaceIsTheFourthChange", { { Key::Text, "101" }, { Key::Backspace } }, "10", false, 4, "1|0||" },
    { "ChangesAfterTheFourthStoreNothing",
      { { Key::Text, "101" }, { Key::Backspace }, { Key::Text, "11" } },
      "1011",
      true,
      6,
      "1|0||" },
    { "DeletingTheOnlyCharacterIsCounted", { { Key::Text, "1" }, { Key::Backspace } }, "", false, 2, "|||" },
    { "DeleteKeyIsCounted", { { Key::Text, "1" }, { Key::Home }, { Key::Delete } }, "", false, 2, "|||" },
    { "BackspaceAtTheStartChangesNothing",
      { { Key::Text, "1" }, { Key::Home }, { Key::Backspace } },
      "1",
      false,
      1,
      "|||" },
    { "TypingOverASelectionIsOneChange",
      { { Key::Text, "10" }, { Key::SelectAll }, { Key::Text, "0" } },
      "0",
      false,
      3,
      "|||" },
    { "TypingTheSelectedCharacterOverItIsNoChange",
      { { Key::Text, "1" }, { Key::SelectAll }, { Key::Text, "1" }, { Key::End }, { Key::Text, "011" } },
      "1011",
      true,
      4,
      "1|0|1|1" },
    { "PastingTheSelectedTextOverItIsNoChange",
      { { Key::Text, "10" }, { Key::SelectAll }, { Key::Paste, "10" }, { Key::End }, { Key::Text, "11" } },
      "1011",
      true,
      4,
      "1|0|1|1" },
    { "CutIsOneChange", { { Key::Text, "01" }, { Key::SelectAll }, { Key::Cut } }, "", false, 3, "|||" },
    { "PasteIsOneChangeAndLocks", { { Key::Paste, "1010" } }, "1010", true, 1, "|||" },
    { "PasteCompletesTheFourthChange", { { Key::Text, "101" }, { Key::Paste, "0" } }, "1010", true, 4, "1|0|1|0" },
    { "PastedTextEndingInABitIsAccepted", { { Key::Paste, "x1" } }, "x1", false, 1, "|||" },
    { "WrongCharacterInFrontIsAccepted",
      { { Key::Text, "011" }, { Key::Home }, { Key::Text, "2" } },
      "2011",
      true,
      4,
      "2|0|1|1" },
};

class SerialWord : public SerialFixture, public ::testing::WithParamInterface<WordCase>
{
protected:
    void apply(const Edit &edit)
    {
        forms::TextBox *box = trainer().wordBox;
        switch (edit.key) {
        case Key::Text:
            type(QString::fromUtf8(edit.text));
            break;
        case Key::Paste:
            paste(box, QString::fromUtf8(edit.text));
            break;
        case Key::Backspace:
            pressKey(box, Qt::Key_Backspace);
            break;
        case Key::Delete:
            pressKey(box, Qt::Key_Delete);
            break;
        case Key::Home:
            pressKey(box, Qt::Key_Home);
            break;
        case Key::End:
            pressKey(box, Qt::Key_End);
            break;
        case Key::SelectAll:
            pressKey(box, Qt::Key_A, Qt::ControlModifier);
            break;
        case Key::Cut:
            pressKey(box, Qt::Key_X, Qt::ControlModifier);
            break;
        case Key::AltF:
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_F, QStringLiteral("f"), Qt::AltModifier);
            break;
        }
    }
};

TEST_P(SerialWord, CountsLocksAndStoresAsTheLearnerEdits)
{
    const WordCase &c = GetParam();
    const SerialControls s = open();
    for (const Edit &edit : c.edits)
        apply(edit);
    EXPECT_EQ(s.wordBox->text(), QString::fromUtf8(c.box));
    EXPECT_EQ(s.wordBox->locked(), c.locked);
    EXPECT_EQ(s.word->typedCount(), c.counted);
    EXPECT_EQ(s.word->typedWord(), s.wordBox->text());
    const QStringList bits{ s.word->bit(1), s.word->bit(2), s.word->bit(3), s.word->bit(4) };
    EXPECT_EQ(bits.join(QLatin1Char('|')), QString::fromUtf8(c.bits));
    EXPECT_TRUE(messageBox.shown.isEmpty());
    EXPECT_FALSE(s.window.resetRunning()) << "no reset was started";
}

INSTANTIATE_TEST_SUITE_P(SerialTrainer, SerialWord, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<WordCase> &info) { return std::string(info.param.name); });

class SerialWordEntry : public SerialFixture
{
};

// A wrong fourth character: the box locks, the message comes, the reset
// starts once the message is closed, and only then is the word stored; the
// reset's end clears it, and the next four changes store a new word.
TEST_F(SerialWordEntry, AWrongLastCharacterBringsTheMessageThenTheReset)
{
    const SerialControls s = open();
    type(QStringLiteral("101"));
    bool checkedWhileOpen = false;
    messageBox.whileOpen = [&] {
        checkedWhileOpen = true;
        EXPECT_TRUE(s.wordBox->locked());
        EXPECT_FALSE(s.window.resetRunning()) << "the reset starts after the message";
        EXPECT_TRUE(s.word->bit(4).isEmpty()) << "the word is stored after the message";
    };
    type(QStringLiteral("x"));
    messageBox.whileOpen = nullptr;
    EXPECT_TRUE(checkedWhileOpen);
    EXPECT_EQ(messageBox.shown, QStringList{ kValidationText });
    EXPECT_EQ(messageBox.raisedBy, std::vector<QWidget *>{ &s.window }) << "over the trainer's window";
    EXPECT_EQ(kValidationText, QStringLiteral("Entrer uniquement des 1 ou des 0"));
    EXPECT_EQ(s.word->bit(4), QStringLiteral("x"));

    advance(200);
    EXPECT_EQ(look(), "0000 e0 s0 h0 r1 n=0 st= box=101x locked");
    advance(200);
    EXPECT_EQ(look(), "0000 e0 s0 h0 r0 n= st=RAZ box=");
    EXPECT_EQ(s.word->typedCount(), 0);
    EXPECT_TRUE(s.word->bit(4).isEmpty());
    EXPECT_EQ(s.window.focusWidget(), s.wordBox);

    type(QStringLiteral("0110"));
    EXPECT_EQ(s.word->typedCount(), 4);
    EXPECT_EQ(QStringList({ s.word->bit(1), s.word->bit(2), s.word->bit(3), s.word->bit(4) }),
              QStringList({ "0", "1", "1", "0" }));
    EXPECT_EQ(messageBox.shown.size(), 1);
}

// Timers may tick while the message is open: a reset started before the
// wrong character ends behind the message, and the one the message starts
// clears the screen again. Nothing is left that the next word trips on.
TEST_F(SerialWordEntry, AResetEndingWhileTheMessageIsOpenLeavesASoundScreen)
{
    const SerialControls s = open();
    type(QStringLiteral("1"));
    click(s.resetUnlit);
    advance(100);
    messageBox.whileOpen = [&] {
        advance(300);
        EXPECT_EQ(look(), "0000 e0 s0 h0 r0 n= st=RAZ box=");
    };
    type(QStringLiteral("x"));
    messageBox.whileOpen = nullptr;
    EXPECT_EQ(messageBox.shown.size(), 1);
    EXPECT_TRUE(s.window.resetRunning()) << "the message's own reset";
    advance(400);
    EXPECT_EQ(look(), "0000 e0 s0 h0 r0 n= st=RAZ box=");
    EXPECT_FALSE(s.window.resetRunning());
    type(QStringLiteral("1101"));
    pulses(4);
    EXPECT_EQ(look(), "1101 e1 s1 h0 r0 n=4 st= box= locked");
}

// The emoji is one character, however it is stored: three bits and an emoji
// are four characters, so the box locks, and the first pulse of a word whose
// first character is an emoji never leaves half of it in the box.
TEST_F(SerialWordEntry, AnEmojiCountsAsOneCharacter)
{
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    const SerialControls s = open();
    type(QStringLiteral("10"));
    commit(emoji);
    EXPECT_FALSE(s.wordBox->locked()) << "three characters do not lock the box";
    advance(400);

    type(QStringLiteral("011"));
    pressKey(s.wordBox, Qt::Key_Home);
    commit(emoji);
    ASSERT_EQ(messageBox.shown.size(), 1) << "a character in front is not validated";
    EXPECT_TRUE(s.wordBox->locked());
    EXPECT_EQ(s.word->bit(1), emoji);
    pulses(3);
    EXPECT_EQ(s.wordBox->text(), emoji);
}

// The reset empties a box that still holds text without flagging its write:
// that change is counted like the learner's own, unless a pulse has left the
// flag up, when it only lowers the flag. Either way the reset's end clears
// the count and the flag.
class SerialResetWrite : public SerialFixture
{
protected:
    // typedCount and ignoreNextChange as each change of the box during a
    // manual reset left them.
    std::vector<std::pair<int, int>> resetAndWatch()
    {
        const SerialControls s = trainer();
        std::vector<std::pair<int, int>> atChanges;
        const auto watch = QObject::connect(s.wordBox, &QLineEdit::textChanged, [&] {
            atChanges.emplace_back(s.word->typedCount(), int(s.word->ignoresNextChange()));
        });
        click(s.resetUnlit);
        advance(400);
        QObject::disconnect(watch);
        EXPECT_EQ(look(), "0000 e0 s0 h0 r0 n= st=RAZ box=");
        EXPECT_EQ(s.word->typedCount(), 0);
        EXPECT_FALSE(s.word->ignoresNextChange());
        EXPECT_TRUE(messageBox.shown.isEmpty());
        return atChanges;
    }
    using Changes = std::vector<std::pair<int, int>>;
};

TEST_F(SerialResetWrite, CountedOverTheLearnersText)
{
    open();
    type(QStringLiteral("10"));
    EXPECT_EQ(resetAndWatch(), (Changes{ { 3, 0 } }));
}

TEST_F(SerialResetWrite, OnlyLowersTheFlagAPulseLeftUp)
{
    const SerialControls s = open();
    // "x011" is taken without a message; the fourth pulse cannot write the
    // "x" away, so the flag it raised stays up.
    type(QStringLiteral("011"));
    pressKey(s.wordBox, Qt::Key_Home);
    type(QStringLiteral("x"));
    pulses(4);
    ASSERT_TRUE(s.word->ignoresNextChange());
    ASSERT_EQ(s.wordBox->text(), QStringLiteral("x"));
    EXPECT_EQ(resetAndWatch(), (Changes{ { 4, 0 } }));
}

} // namespace
