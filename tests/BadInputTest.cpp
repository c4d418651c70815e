// Anything but "0" or "1" as the last character of the word box, on either
// trainer: the message and the reset, after which the trainer takes a new
// word as on a fresh screen. Texts whose last character is a bit are taken
// silently, and a reset clears them just as well. Both trainers keep the one
// rule, so one table runs against both.

#include "navigation/FormId.h"
#include "support/ProgramFixture.h"
#include "support/TrainerControls.h"
#include "trainer/WordEntry.h"

#include <string>
#include <tuple>
#include <vector>

namespace {

enum class Way { Typed, Committed, Pasted };

struct BadInput
{
    const char *name;
    const char *before; // typed first
    Way way;
    QString text;
    bool message; // else taken silently
};

void PrintTo(const BadInput &c, std::ostream *out)
{
    *out << c.name;
}

const QString kEmoji = QString::fromUtf8("\xF0\x9F\x98\x80");

const std::vector<BadInput> kInputs = {
    { "LowerCaseLetter", "", Way::Typed, QStringLiteral("a"), true },
    { "UpperCaseLetterAfterBits", "10", Way::Typed, QStringLiteral("O"), true },
    { "Blank", "1", Way::Typed, QStringLiteral(" "), true },
    { "Digit2", "", Way::Typed, QStringLiteral("2"), true },
    { "Digit3", "", Way::Typed, QStringLiteral("3"), true },
    { "Digit4", "", Way::Typed, QStringLiteral("4"), true },
    { "Digit5", "", Way::Typed, QStringLiteral("5"), true },
    { "Digit6", "", Way::Typed, QStringLiteral("6"), true },
    { "Digit7", "", Way::Typed, QStringLiteral("7"), true },
    { "Digit8", "", Way::Typed, QStringLiteral("8"), true },
    { "Digit9AsFourthCharacter", "101", Way::Typed, QStringLiteral("9"), true },
    { "Punctuation", "10", Way::Typed, QStringLiteral("."), true },
    { "AccentedLetter", "1", Way::Typed, QStringLiteral("é"), true },
    { "Cedilla", "", Way::Typed, QStringLiteral("ç"), true },
    { "Cyrillic", "0", Way::Typed, QStringLiteral("Ж"), true },
    { "Chinese", "", Way::Typed, QStringLiteral("寄"), true },
    { "ArabicIndicOne", "", Way::Typed, QString(QChar(0x0661)), true },
    { "FullWidthOne", "1", Way::Typed, QString(QChar(0xFF11)), true },
    { "SuperscriptOne", "", Way::Typed, QString(QChar(0x00B9)), true },
    { "TypedEmoji", "", Way::Typed, kEmoji, true },
    { "EmojiOutsideTheBasicPlane", "10", Way::Committed, kEmoji, true },
    { "EmojiAsFourthCharacter", "101", Way::Committed, kEmoji, true },
    { "CombiningAccentOnABit", "1", Way::Committed, QString(QChar(0x0301)), true },
    { "PastedChinese", "", Way::Pasted, QStringLiteral("寄存器"), true },
    { "PastedEmoji", "1", Way::Pasted, kEmoji, true },
    { "PastedTab", "", Way::Pasted, QStringLiteral("1\t"), true },
    { "PastedTextEndingInALetter", "", Way::Pasted, QString(5000, QLatin1Char('1')) + QLatin1Char('x'), true },
    { "PastedThousandsOfBits", "", Way::Pasted, QString(40000, QLatin1Char('0')), false },
    { "PastedLettersEndingInABit", "", Way::Pasted, QStringLiteral("abc1"), false },
    { "PastedEmojiBeforeABit", "", Way::Pasted, kEmoji + QStringLiteral("1"), false },
    { "PastedLongTextEndingInABit", "", Way::Pasted, QString(5000, QLatin1Char('z')) + QLatin1Char('1'), false },
};

// Each trainer, by the main menu's button that opens it.
struct Trainer
{
    const char *name;
    const char *mainMenuButton;
    FormId id;
};

void PrintTo(const Trainer &t, std::ostream *out)
{
    *out << t.name;
}

const Trainer kTrainers[] = {
    { "Serial", "Registre série/série", FormId::SerialTrainer },
    { "SerialParallel", "Registre série/parallèle", FormId::SerialParallelTrainer },
};

class BadInputOnEitherTrainer : public ProgramFixture,
                                public ::testing::WithParamInterface<std::tuple<Trainer, BadInput>>
{
protected:
    bool serial() const { return std::get<0>(GetParam()).id == FormId::SerialTrainer; }

    forms::TextBox *wordBox() { return named<forms::TextBox>(registry.form(std::get<0>(GetParam()).id), "wordBox"); }
    const WordEntry &word()
    {
        const forms::Form &window = registry.form(std::get<0>(GetParam()).id);
        return serial() ? static_cast<const SerialTrainer &>(window).word()
                        : static_cast<const SerialParallelTrainer &>(window).word();
    }
    bool resetRunning()
    {
        forms::Form &window = registry.form(std::get<0>(GetParam()).id);
        return serial() ? static_cast<SerialTrainer &>(window).resetRunning()
                        : static_cast<SerialParallelTrainer &>(window).resetRunning();
    }
    // The screen as the learner sees it, on each trainer.
    std::string seen()
    {
        if (serial())
            return look(SerialControls(form<SerialTrainer>(FormId::SerialTrainer)));
        return view(SerialParallelControls(form<SerialParallelTrainer>(FormId::SerialParallelTrainer)));
    }
    // The word 0110 shifted in whole, and read onto the outputs where the
    // trainer has them, as the learner sees it then.
    std::string newWordShiftedIn()
    {
        typeText(wordBox(), QStringLiteral("0110"));
        forms::Form &window = registry.form(std::get<0>(GetParam()).id);
        const auto animate = [&](const char *lamp) {
            click(named<forms::Image>(window, lamp));
            advance(400);
        };
        for (int pulse = 0; pulse < 4; ++pulse)
            animate("clockUnlit");
        if (!serial())
            animate("readUnlit");
        return seen();
    }
};

std::string nameOf(const ::testing::TestParamInfo<std::tuple<Trainer, BadInput>> &info)
{
    return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
}

TEST_P(BadInputOnEitherTrainer, MessageAndResetOrSilentAcceptanceThenANewWord)
{
    const Trainer &trainer = std::get<0>(GetParam());
    const BadInput &c = std::get<1>(GetParam());
    start();
    click(button(FormId::MainMenu, trainer.mainMenuButton));
    forms::TextBox *box = wordBox();
    typeText(box, QString::fromUtf8(c.before));
    const QString expected = box->text() + c.text;
    switch (c.way) {
    case Way::Typed:
        typeText(box, c.text);
        break;
    case Way::Committed:
        commit(box, c.text);
        break;
    case Way::Pasted:
        paste(box, c.text);
        break;
    }
    EXPECT_EQ(box->text(), expected) << "the box holds what was entered, whole";

    if (c.message) {
        EXPECT_EQ(messageBox.shown, QStringList{ kValidationText });
        EXPECT_TRUE(resetRunning());
    } else {
        EXPECT_TRUE(messageBox.shown.isEmpty());
        EXPECT_FALSE(resetRunning());
        EXPECT_EQ(box->locked(), expected.toUcs4().size() > 3) << "locked from four characters on";
        EXPECT_EQ(word().typedCount(), 1);
        click(named<forms::Image>(registry.form(trainer.id), "resetUnlit"));
    }
    advance(400);
    EXPECT_EQ(seen(), serial() ? "0000 e0 s0 h0 r0 n= st=RAZ box=" : "........ n=0 r= []");
    EXPECT_EQ(word().typedCount(), 0);
    EXPECT_EQ(registry.form(trainer.id).focusWidget(), box);

    // The trainer takes and shifts in a new word as on a fresh screen.
    EXPECT_EQ(newWordShiftedIn(), serial() ? "0110 e0 s0 h0 r0 n=4 st= box= locked" : ".....32. n=4 r=0110 [] locked");
    EXPECT_LE(messageBox.shown.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(BothTrainers, BadInputOnEitherTrainer,
                         ::testing::Combine(::testing::ValuesIn(kTrainers), ::testing::ValuesIn(kInputs)), nameOf);

} // namespace
