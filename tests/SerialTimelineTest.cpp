// The clock and reset animations of the serial trainer on the virtual clock:
// each row is a timeline of clicks at given milliseconds and the screen the
// learner sees at given moments. The two animations share one tick counter,
// so the rows where they overlap show which one ends early.

#include "SerialFixture.h"
#include "navigation/FormId.h"

#include <QMenuBar>

#include <vector>

namespace {

enum class Act {
    ClickH, // click the clock lamp where it stands
    DoubleClickH, // two quick clicks there, which Qt makes a double click
    ClickRaz, // click the reset lamp where it stands
    Type, // type text into the word box
    Menu, // the "Menu" button: the trainer hides
    Return, // "Registre série/série" on the main menu
    Look, // the screen as seen
    Focus, // the word box has the window's focus
};

struct Step
{
    int at;
    Act act;
    const char *text = "";
};

struct Timeline
{
    const char *name;
    const char *word; // typed before the first step
    std::vector<Step> steps;
};

void PrintTo(const Timeline &timeline, std::ostream *out)
{
    *out << timeline.name;
}

constexpr const char *kCleared = "0000 e0 s0 h0 r0 n= st=RAZ box=";

// Clock clicks every 400 ms from `from`, the first `count` pulses of a word.
std::vector<Step> clockClicks(int from, int count)
{
    std::vector<Step> steps;
    for (int i = 0; i < count; ++i)
        steps.push_back({ from + 400 * i, Act::ClickH });
    return steps;
}

std::vector<Step> operator+(std::vector<Step> a, const std::vector<Step> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::vector<Timeline> kTimelines = {
    { "ClockWithoutWordOnlyBlinks",
      "",
      { { 0, Act::ClickH },
        { 199, Act::Look, "0000 e0 s0 h0 r0 n=0 st= box=" },
        { 200, Act::Look, "0000 e0 s0 h1 r0 n=0 st= box=" },
        { 399, Act::Look, "0000 e0 s0 h1 r0 n=0 st= box=" },
        { 400, Act::Look, "0000 e0 s0 h0 r0 n=0 st= box=" },
        { 1000, Act::Look, "0000 e0 s0 h0 r0 n=0 st= box=" } } },
    { "TwoQuickClicksGiveOnePulse",
      "1011",
      { { 0, Act::ClickH },
        { 150, Act::ClickH },
        { 349, Act::Look, "0000 e0 s0 h0 r0 n=0 st= box=1011 locked" },
        { 350, Act::Look, "0000 e0 s0 h1 r0 n=0 st= box=1011 locked" },
        { 549, Act::Look, "0000 e0 s0 h1 r0 n=0 st= box=1011 locked" },
        { 550, Act::Look, "1000 e1 s0 h0 r0 n=1 st= box=101 locked" },
        { 1500, Act::Look, "1000 e1 s0 h0 r0 n=1 st= box=101 locked" } } },
    { "ADoubleClickOnTheClockLampGivesOnePulse",
      "1011",
      { { 0, Act::DoubleClickH },
        { 199, Act::Look, "0000 e0 s0 h0 r0 n=0 st= box=1011 locked" },
        { 200, Act::Look, "0000 e0 s0 h1 r0 n=0 st= box=1011 locked" },
        { 400, Act::Look, "1000 e1 s0 h0 r0 n=1 st= box=101 locked" },
        { 1500, Act::Look, "1000 e1 s0 h0 r0 n=1 st= box=101 locked" } } },
    { "ClickOnTheLitClockLampDoesNothing",
      "1011",
      { { 0, Act::ClickH },
        { 250, Act::ClickH },
        { 400, Act::Look, "1000 e1 s0 h0 r0 n=1 st= box=101 locked" },
        { 1500, Act::Look, "1000 e1 s0 h0 r0 n=1 st= box=101 locked" } } },
    { "ResetOnAFreshScreen",
      "",
      { { 0, Act::ClickRaz },
        { 199, Act::Look, "0000 e0 s0 h0 r0 n=0 st= box=" },
        { 200, Act::Look, "0000 e0 s0 h0 r1 n=0 st= box=" },
        { 399, Act::Look, "0000 e0 s0 h0 r1 n=0 st= box=" },
        { 400, Act::Look, kCleared },
        { 400, Act::Focus } } },
    { "ClickOnTheLitResetLampDoesNothing",
      "",
      { { 0, Act::ClickRaz }, { 300, Act::ClickRaz }, { 400, Act::Look, kCleared }, { 1500, Act::Look, kCleared } } },
    { "TwoQuickResetClicksClearOnce",
      "1011",
      { { 0, Act::ClickRaz },
        { 100, Act::ClickRaz },
        { 299, Act::Look, "0000 e0 s0 h0 r0 n=0 st= box=1011 locked" },
        { 300, Act::Look, "0000 e0 s0 h0 r1 n=0 st= box=1011 locked" },
        { 500, Act::Look, kCleared },
        { 600, Act::Type, "1" },
        { 1500, Act::Look, "0000 e0 s0 h0 r0 n= st= box=1" } } },
    { "ResetAfterTheWordIsLoaded", "1011",
      clockClicks(0, 4)
              + std::vector<Step>{ { 1600, Act::Look, "1011 e1 s1 h0 r0 n=4 st= box= locked" },
                                   { 1600, Act::ClickRaz },
                                   { 1800, Act::Look, "1011 e0 s1 h0 r1 n=4 st= box= locked" },
                                   { 2000, Act::Look, kCleared } } },
    { "ResetHundredMsAfterTheClockEndsFirst",
      "1011",
      { { 0, Act::ClickH },
        { 100, Act::ClickRaz },
        { 199, Act::Look, "0000 e0 s0 h0 r0 n=0 st= box=1011 locked" },
        { 200, Act::Look, "0000 e0 s0 h1 r0 n=0 st= box=1011 locked" },
        { 299, Act::Look, "0000 e0 s0 h1 r0 n=0 st= box=1011 locked" },
        // The reset's first tick brings the shared count to 2: it clears at
        // once, its lamp never seen lit.
        { 300, Act::Look, "0000 e0 s0 h1 r0 n= st=RAZ box=" },
        { 599, Act::Look, "0000 e0 s0 h1 r0 n= st=RAZ box=" },
        // Two more clock ticks; the word is gone, so the pulse only ends.
        { 600, Act::Look, kCleared } } },
    { "ClockHundredMsAfterTheResetIsUndone",
      "1011",
      { { 0, Act::ClickRaz },
        { 100, Act::ClickH },
        { 200, Act::Look, "0000 e0 s0 h0 r1 n=0 st= box=1011 locked" },
        // The clock's first tick brings the shared count to 2: the pulse is
        // applied at once, the clock lamp never seen lit.
        { 300, Act::Look, "1000 e1 s0 h0 r1 n=1 st= box=101 locked" },
        { 400, Act::Look, "1000 e0 s0 h0 r1 n=1 st= box=101 locked" },
        { 599, Act::Look, "1000 e0 s0 h0 r1 n=1 st= box=101 locked" },
        { 600, Act::Look, kCleared } } },
    { "PulseFallsDueWhileHidden",
      "1011",
      { { 0, Act::ClickH },
        { 100, Act::Menu },
        { 1000, Act::Return },
        { 1000, Act::Look, "1000 e1 s0 h0 r0 n=1 st= box=101 locked" } } },
    { "ResetEndsWhileHidden",
      "1011",
      { { 0, Act::ClickRaz },
        { 100, Act::Menu },
        { 1000, Act::Return },
        { 1000, Act::Look, kCleared },
        { 1000, Act::Focus } } },
    { "NinthPulseWhileHidden", "1011",
      clockClicks(0, 9)
              + std::vector<Step>{ { 3300, Act::Menu },
                                   { 4000, Act::Return },
                                   { 4000, Act::Look, "0000 e0 s0 h0 r0 n=0 st=RAZ box=" },
                                   { 4000, Act::Focus } } },
    { "FirstChangeAfterAResetBlanksTheStatus",
      "",
      { { 0, Act::ClickRaz },
        { 400, Act::Look, kCleared },
        { 500, Act::Type, "1" },
        { 500, Act::Look, "0000 e0 s0 h0 r0 n= st= box=1" } } },
};

class SerialTimeline : public SerialFixture, public ::testing::WithParamInterface<Timeline>
{
};

TEST_P(SerialTimeline, ShowsTheExpectedScreenAtEachMoment)
{
    const Timeline &timeline = GetParam();
    const SerialControls s = open();
    type(QString::fromUtf8(timeline.word));
    for (const Step &step : timeline.steps) {
        at(step.at);
        SCOPED_TRACE("at " + std::to_string(step.at) + " ms");
        switch (step.act) {
        case Act::ClickH:
            click(s.clockUnlit);
            break;
        case Act::DoubleClickH:
            doubleClick(s.clockUnlit);
            break;
        case Act::ClickRaz:
            click(s.resetUnlit);
            break;
        case Act::Type:
            type(QString::fromUtf8(step.text));
            break;
        case Act::Menu:
            click(s.menuButton);
            ASSERT_EQ(visibleForms(), std::vector<FormId>{ FormId::MainMenu });
            break;
        case Act::Return:
            click(button(FormId::MainMenu, "Registre série/série"));
            ASSERT_EQ(visibleForms(), std::vector<FormId>{ FormId::SerialTrainer });
            break;
        case Act::Look:
            EXPECT_EQ(look(), step.text);
            break;
        case Act::Focus:
            EXPECT_EQ(s.window.focusWidget(), s.wordBox);
            EXPECT_FALSE(s.wordBox->locked());
            break;
        }
    }
    EXPECT_TRUE(messageBox.shown.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(SerialTrainer, SerialTimeline, ::testing::ValuesIn(kTimelines),
                         [](const ::testing::TestParamInfo<Timeline> &info) { return std::string(info.param.name); });

class SerialWorked : public SerialFixture
{
};

// The word 1011 through nine pulses: the word enters rightmost bit first,
// goes out to the output lamp, and the ninth pulse resets the register.
TEST_F(SerialWorked, NinePulsesShiftTheWordInAndOut)
{
    const char *const afterPulse[] = {
        "0000 e0 s0 h0 r0 n=0 st= box=1011 locked", "1000 e1 s0 h0 r0 n=1 st= box=101 locked",
        "1100 e1 s0 h0 r0 n=2 st= box=10 locked",   "0110 e0 s0 h0 r0 n=3 st= box=1 locked",
        "1011 e1 s1 h0 r0 n=4 st= box= locked",     "0101 e0 s1 h0 r0 n=5 st= box= locked",
        "0010 e0 s0 h0 r0 n=6 st= box= locked",     "0001 e0 s1 h0 r0 n=7 st= box= locked",
        "0000 e0 s0 h0 r0 n=8 st= box= locked",     "0000 e0 s0 h0 r0 n=0 st=RAZ box=",
    };
    const SerialControls s = open();
    type(QStringLiteral("1011"));
    EXPECT_EQ(look(), afterPulse[0]);
    for (int pulse = 1; pulse <= 9; ++pulse) {
        click(s.clockUnlit);
        advance(200);
        EXPECT_TRUE(s.clockLit->shown() && !s.clockUnlit->shown()) << "pulse " << pulse;
        advance(200);
        EXPECT_EQ(look(), afterPulse[pulse]) << "after pulse " << pulse;
        EXPECT_EQ(s.word->typedCount(), 4 * (pulse < 9)) << "the pulses' writes are not counted";
    }
    EXPECT_EQ(s.window.focusWidget(), s.wordBox);
    EXPECT_FALSE(s.word->ignoresNextChange());
    EXPECT_EQ(s.window.pulseCount(), 0);
    EXPECT_TRUE(s.word->bit(4).isEmpty());

    // A tenth click only blinks: no word is stored any more.
    click(s.clockUnlit);
    advance(200);
    EXPECT_EQ(look(), "0000 e0 s0 h1 r0 n=0 st=RAZ box=");
    advance(200);
    EXPECT_EQ(look(), "0000 e0 s0 h0 r0 n=0 st=RAZ box=");

    // The next word goes in from a clean register.
    type(QStringLiteral("0110"));
    pulses(4);
    EXPECT_EQ(look(), "0110 e0 s0 h0 r0 n=4 st= box= locked");
}

// Characters other than "0" and "1" that reached the stored word without a
// message (typed in front of others) do not enter: cell 3 keeps its bit.
TEST_F(SerialWorked, AStoredCharacterThatIsNoBitDoesNotEnter)
{
    const SerialControls s = open();
    type(QStringLiteral("011"));
    pressKey(s.wordBox, Qt::Key_Home);
    type(QStringLiteral("x"));
    ASSERT_EQ(s.wordBox->text(), QStringLiteral("x011"));
    ASSERT_TRUE(messageBox.shown.isEmpty());
    pulses(4);
    EXPECT_EQ(look(), "0011 e0 s1 h0 r0 n=4 st= box=x locked");
    // The flag left by the pulse that did not write is still up: the
    // reset's own write does nothing more and the reset clears everything.
    EXPECT_TRUE(s.word->ignoresNextChange());
    click(s.resetUnlit);
    advance(400);
    EXPECT_EQ(look(), kCleared);
    EXPECT_EQ(s.word->typedCount(), 0);
    EXPECT_FALSE(s.word->ignoresNextChange());
}

// A word pasted longer than four characters at the fourth counted change:
// the first pulse cuts the box to its first three characters, and the cells
// take the first four.
TEST_F(SerialWorked, ALongerStoredWordIsCutByTheFirstPulse)
{
    const SerialControls s = open();
    type(QStringLiteral("101"));
    paste(s.wordBox, QStringLiteral("01"));
    ASSERT_EQ(s.word->typedCount(), 4);
    click(s.clockUnlit);
    advance(400);
    EXPECT_EQ(look(), "0000 e0 s0 h0 r0 n=1 st= box=101 locked");
    pulses(3);
    EXPECT_EQ(look(), "1010 e1 s0 h0 r0 n=4 st= box= locked");
}

} // namespace
