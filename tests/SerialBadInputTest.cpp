// Anything but "0" or "1" as the last character of the word box: the
// message and the reset, after which the trainer takes a new word as on a
// fresh screen. Texts whose last character is a bit are taken silently and
// the reset clears them just as well.

#include "SerialFixture.h"

#include "trainer/WordEntry.h"

#include <vector>

namespace {

enum class Way { Typed, Committed, Pasted };

struct BadInput {
    const char* name;
    const char* before; // typed first
    Way way;
    QString text;
    bool message;
};

void PrintTo(const BadInput& c, std::ostream* out) { *out << c.name; }

const std::vector<BadInput> kInputs = {
    {"LowerCaseLetter", "", Way::Typed, QStringLiteral("a"), true},
    {"UpperCaseLetterAfterBits", "10", Way::Typed, QStringLiteral("O"), true},
    {"Blank", "1", Way::Typed, QStringLiteral(" "), true},
    {"Digit2", "", Way::Typed, QStringLiteral("2"), true},
    {"Digit3", "", Way::Typed, QStringLiteral("3"), true},
    {"Digit4", "", Way::Typed, QStringLiteral("4"), true},
    {"Digit5", "", Way::Typed, QStringLiteral("5"), true},
    {"Digit6", "", Way::Typed, QStringLiteral("6"), true},
    {"Digit7", "", Way::Typed, QStringLiteral("7"), true},
    {"Digit8", "", Way::Typed, QStringLiteral("8"), true},
    {"Digit9AsFourthCharacter", "101", Way::Typed, QStringLiteral("9"), true},
    {"Punctuation", "1", Way::Typed, QStringLiteral("."), true},
    {"AccentedLetter", "1", Way::Typed, QStringLiteral("é"), true},
    {"Cedilla", "", Way::Typed, QStringLiteral("ç"), true},
    {"Cyrillic", "0", Way::Typed, QStringLiteral("Ж"), true},
    {"Chinese", "", Way::Typed, QStringLiteral("中"), true},
    {"ArabicIndicOne", "", Way::Typed, QString(QChar(0x0661)), true},
    {"FullWidthOne", "1", Way::Typed, QString(QChar(0xFF11)), true},
    {"SuperscriptOne", "", Way::Typed, QString(QChar(0x00B9)), true},
    {"EmojiOutsideTheBasicPlane", "10", Way::Committed, QString::fromUtf8("\xF0\x9F\x98\x80"), true},
    {"EmojiAsFourthCharacter", "101", Way::Committed, QString::fromUtf8("\xF0\x9F\x98\x80"), true},
    {"CombiningAccentOnABit", "1", Way::Committed, QString(QChar(0x0301)), true},
    {"PastedTextEndingInALetter", "", Way::Pasted, QString(5000, QLatin1Char('1')) + QLatin1Char('x'),
     true},
    {"PastedEmoji", "1", Way::Pasted, QString::fromUtf8("\xF0\x9F\x98\x80"), true},
    {"PastedThousandsOfBits", "", Way::Pasted, QString(40000, QLatin1Char('0')), false},
    {"PastedLettersEndingInABit", "", Way::Pasted, QStringLiteral("abc1"), false},
};

class SerialBadInput : public SerialFixture, public ::testing::WithParamInterface<BadInput> {};

TEST_P(SerialBadInput, MessageAndResetOrSilentAcceptanceThenANewWord)
{
    const BadInput& c = GetParam();
    const SerialControls s = open();
    type(QString::fromUtf8(c.before));
    const QString expected = s.wordBox->text() + c.text;
    switch (c.way) {
    case Way::Typed:
        type(c.text);
        break;
    case Way::Committed:
        commit(c.text);
        break;
    case Way::Pasted:
        paste(s.wordBox, c.text);
        break;
    }
    EXPECT_EQ(s.wordBox->text(), expected) << "the box holds what was entered, whole";

    if (c.message) {
        EXPECT_EQ(messageBox.shown, QStringList{kValidationText});
        EXPECT_TRUE(s.window.resetRunning());
    } else {
        EXPECT_TRUE(messageBox.shown.isEmpty());
        EXPECT_FALSE(s.window.resetRunning());
        EXPECT_TRUE(s.wordBox->locked());
        EXPECT_EQ(s.word->typedCount(), 1);
        click(s.resetUnlit);
    }
    advance(400);
    EXPECT_EQ(look(), "0000 e0 s0 h0 r0 n= st=RAZ box=");
    EXPECT_EQ(s.word->typedCount(), 0);
    EXPECT_EQ(s.window.focusWidget(), s.wordBox);

    // The trainer takes and shifts in a new word as on a fresh screen.
    type(QStringLiteral("0110"));
    pulses(4);
    EXPECT_EQ(look(), "0110 e0 s0 h0 r0 n=4 st= box= locked");
    EXPECT_LE(messageBox.shown.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(SerialTrainer, SerialBadInput, ::testing::ValuesIn(kInputs),
                         [](const ::testing::TestParamInfo<BadInput>& info) {
                             return std::string(info.param.name);
                         });

// The emoji is one character, however it is stored: three bits and an emoji
// are four characters, so the box locks, and the first pulse of a word whose
// first character is an emoji never leaves half of it in the box.
TEST_F(SerialBadInput, AnEmojiCountsAsOneCharacter)
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

} // namespace
