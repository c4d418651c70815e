// The RAZ lamp of the serial-in parallel-out trainer: lit at 200 ms, the
// screen cleared at 400 ms on a counter of its own, the box emptied without
// counting and unlocked, and the stored characters kept.

#include "SerialParallelFixture.h"
#include "navigation/FormId.h"
#include "trainer/WordEntry.h"

class SerialParallelReset : public SerialParallelFixture
{
};

TEST_F(SerialParallelReset, EmptyBoxIsLeftReadyAndTheNextCharacterIsValidated)
{
    const SerialParallelControls s = open();
    runTimeline({
            { 0, Do::ClickRaz, "........ n=0 r= []" },
            { 199, Do::Nothing, "........ n=0 r= []" },
            { 200, Do::Nothing, ".R...... n=0 r= []" },
            // The lit lamp takes no click.
            { 300, Do::ClickRaz, ".R...... n=0 r= []" },
            { 400, Do::Nothing, "........ n=0 r= []" },
            // No word: the clock does nothing.
            { 400, Do::ClickH, "........ n=0 r= []" },
            { 800, Do::Nothing, "........ n=0 r= []" },
    });
    EXPECT_FALSE(s.window.resetRunning());
    EXPECT_EQ(s.window.resetTickCount(), 0);
    typeText(s.wordBox, QStringLiteral("2"));
    EXPECT_EQ(messageBox.shown, QStringList{ kValidationText });
}

TEST_F(SerialParallelReset, AfterARunClearsOutputsCountAndLockedBoxButKeepsTheBits)
{
    const SerialParallelControls s = open();
    shiftIn(QStringLiteral("1011"));
    readOut();
    runTimeline({
            { 0, Do::ClickRaz, "..E.4.21 n=4 r=1011 [] locked" },
            { 200, Do::Nothing, ".R..4.21 n=4 r=1011 [] locked" },
            { 400, Do::Nothing, "........ n=0 r= []" },
    });
    EXPECT_EQ(storedBits(), QStringLiteral("1011"));
    EXPECT_FALSE(s.output4Lit->shown());
    // A word pasted in one change is never stored: four pulses and a read
    // show the previous word.
    paste(s.wordBox, QStringLiteral("0100"));
    EXPECT_EQ(s.word->typedCount(), 1);
    pulse(4);
    readOut();
    EXPECT_EQ(view(), "..E.4.21 n=4 r=1011 [] locked");
}

TEST_F(SerialParallelReset, FullLockedBoxIsEmptiedUncountedAndTheNextWordCountsFromOne)
{
    const SerialParallelControls s = open();
    typeText(s.wordBox, QStringLiteral("1011"));
    click(s.resetUnlit);
    advance(400);
    EXPECT_EQ(view(), "........ n=0 r= []");
    EXPECT_EQ(s.word->typedCount(), 0);
    EXPECT_FALSE(s.word->ignoresNextChange());
    EXPECT_TRUE(s.word->typedWord().isEmpty());
    typeText(s.wordBox, QStringLiteral("0110"));
    EXPECT_EQ(s.word->typedCount(), 4);
    EXPECT_EQ(storedBits(), QStringLiteral("0110"));
}

TEST_F(SerialParallelReset, SecondClickBeforeTheFirstTickGivesOneReset)
{
    const SerialParallelControls s = open();
    typeText(s.wordBox, QStringLiteral("10"));
    runTimeline({
            { 0, Do::ClickRaz, "........ n=0 r= [10]" },
            { 100, Do::ClickRaz, "........ n=0 r= [10]" },
            { 300, Do::Nothing, ".R...... n=0 r= [10]" },
            { 500, Do::Nothing, "........ n=0 r= []" },
    });
    EXPECT_FALSE(s.window.resetRunning());
    typeText(s.wordBox, QStringLiteral("1"));
    EXPECT_EQ(s.word->typedCount(), 1);
}

TEST_F(SerialParallelReset, RunsOnItsOwnCounterBesideAClockPulse)
{
    open();
    typeText(trainer().wordBox, QStringLiteral("1011"));
    runTimeline({
            { 0, Do::ClickH, "........ n=1 r= [1011] locked" },
            { 100, Do::ClickRaz, "........ n=1 r= [1011] locked" },
            { 200, Do::Nothing, "H.E..... n=1 r= [101] locked" },
            { 300, Do::Nothing, "HR...... n=1 r= [101] locked" },
            { 400, Do::Nothing, ".RE..... n=1 r= [101] locked" },
            { 500, Do::Nothing, "........ n=0 r= []" },
    });
}

TEST_F(SerialParallelReset, ClearedScreenTakesNoLaterStepOfARunningPulse)
{
    open();
    typeText(trainer().wordBox, QStringLiteral("1011"));
    // The reset ends between the pulse's two ticks; the second finds the
    // count at 0 and only puts its lamp out.
    runTimeline({
            { 0, Do::ClickRaz, "........ n=0 r= [1011] locked" },
            { 100, Do::ClickH, "........ n=1 r= [1011] locked" },
            { 200, Do::Nothing, ".R...... n=1 r= [1011] locked" },
            { 300, Do::Nothing, "HRE..... n=1 r= [101] locked" },
            { 400, Do::Nothing, "H....... n=0 r= []" },
            { 500, Do::Nothing, "........ n=0 r= []" },
    });
}

TEST_F(SerialParallelReset, MessageStartsTheResetOnlyOnceClosedAndTheWrongTextStaysUntilTheEnd)
{
    const SerialParallelControls s = open();
    QString seenWhileOpen;
    messageBox.whileOpen = [&] {
        // Time passes while the learner reads the message.
        advance(1000);
        seenWhileOpen = QString::fromStdString(view());
    };
    typeText(s.wordBox, QStringLiteral("12"));
    EXPECT_EQ(seenWhileOpen, QStringLiteral("........ n=0 r= [12]"));
    advance(399);
    EXPECT_EQ(view(), ".R...... n=0 r= [12]");
    advance(1);
    EXPECT_EQ(view(), "........ n=0 r= []");
}

TEST_F(SerialParallelReset, CompletesWhileTheScreenIsHidden)
{
    const SerialParallelControls s = open();
    typeText(s.wordBox, QStringLiteral("1011"));
    click(s.resetUnlit);
    click(s.menuButton);
    advance(400);
    click(button(FormId::MainMenu, "Registre série/parallèle"));
    EXPECT_EQ(view(), "........ n=0 r= []");
}

TEST_F(SerialParallelReset, ResetEndingWhileTheMessageIsOpenLeavesTheBoxSoundAndClearsAgainAfter)
{
    const SerialParallelControls s = open();
    messageBox.whileOpen = [&] { advance(400); };
    click(s.resetUnlit);
    advance(100);
    // The running reset clears the box under the learner's key.
    typeText(s.wordBox, QStringLiteral("2"));
    EXPECT_EQ(messageBox.shown, QStringList{ kValidationText });
    EXPECT_EQ(view(), "........ n=0 r= []");
    EXPECT_EQ(s.word->typedCount(), 0);
    // The reset that the message starts runs once more.
    advance(200);
    EXPECT_EQ(view(), ".R...... n=0 r= []");
    advance(200);
    EXPECT_EQ(view(), "........ n=0 r= []");
    typeText(s.wordBox, QStringLiteral("1011"));
    EXPECT_EQ(storedBits(), QStringLiteral("1011"));
}
