// The clock lamp of the serial-in parallel-out trainer: the count moves at
// the click, each pulse shows its entering bit on the input lamp and cuts
// the word box, and a count above four falls back to 0.

#include "SerialParallelFixture.h"
#include "navigation/FormId.h"
#include "trainer/WordEntry.h"

class SerialParallelClock : public SerialParallelFixture
{
};

TEST_F(SerialParallelClock, WordOneZeroOneOneEntersRightmostFirstAndEmptiesTheBox)
{
    open();
    runTimeline({
            { 0, Do::Type, "........ n=0 r= [1011] locked", QStringLiteral("1011") },
            { 0, Do::ClickH, "........ n=1 r= [1011] locked" },
            { 199, Do::Nothing, "........ n=1 r= [1011] locked" },
            { 200, Do::Nothing, "H.E..... n=1 r= [101] locked" },
            // The lit lamp takes no click.
            { 300, Do::ClickH, "H.E..... n=1 r= [101] locked" },
            { 400, Do::Nothing, "..E..... n=1 r= [101] locked" },
            { 400, Do::ClickH, "..E..... n=2 r= [101] locked" },
            { 600, Do::Nothing, "H.E..... n=2 r= [10] locked" },
            { 800, Do::ClickH, "..E..... n=3 r= [10] locked" },
            { 1000, Do::Nothing, "H....... n=3 r= [1] locked" },
            { 1200, Do::ClickH, "........ n=4 r= [1] locked" },
            { 1400, Do::Nothing, "H.E..... n=4 r= [] locked" },
            { 1600, Do::Nothing, "..E..... n=4 r= [] locked" },
            // The word has gone in: further clicks do nothing.
            { 1600, Do::ClickH, "..E..... n=4 r= [] locked" },
            { 2000, Do::Nothing, "..E..... n=4 r= [] locked" },
    });
    EXPECT_EQ(trainer().window.pulseCount(), 4);
}

TEST_F(SerialParallelClock, ClickBeforeAnyChangeOfTheBoxDoesNothing)
{
    open();
    runTimeline({
            { 0, Do::ClickH, "........ n=0 r= []" },
            { 200, Do::Nothing, "........ n=0 r= []" },
            { 400, Do::Nothing, "........ n=0 r= []" },
    });
    EXPECT_FALSE(trainer().window.clockRunning());
}

TEST_F(SerialParallelClock, SecondClickBeforeTheFirstTickServesTheLaterCountOnly)
{
    open();
    // bit4 is "1", bit3 "0": the first pulse's bit never shows.
    runTimeline({
            { 0, Do::Type, "........ n=0 r= [1001] locked", QStringLiteral("1001") },
            { 0, Do::ClickH, "........ n=1 r= [1001] locked" },
            { 100, Do::ClickH, "........ n=2 r= [1001] locked" },
            { 299, Do::Nothing, "........ n=2 r= [1001] locked" },
            { 300, Do::Nothing, "H....... n=2 r= [10] locked" },
            { 500, Do::Nothing, "........ n=2 r= [10] locked" },
            { 900, Do::Nothing, "........ n=2 r= [10] locked" },
    });
}

TEST_F(SerialParallelClock, ClickSoonAfterTheFourthFallsBackToZeroAndTheNextCountsOne)
{
    open();
    shiftIn(QStringLiteral("1011"), 3);
    ASSERT_EQ(view(), "........ n=3 r= [1] locked");
    runTimeline({
            { 0, Do::ClickH, "........ n=4 r= [1] locked" },
            { 100, Do::ClickH, "........ n=0 r= [1] locked" },
            // The running animation finds the count at 0: bit1 never enters.
            { 200, Do::Nothing, "H....... n=0 r= [1] locked" },
            { 400, Do::Nothing, "........ n=0 r= [1] locked" },
            { 400, Do::ClickH, "........ n=1 r= [1] locked" },
            { 600, Do::Nothing, "H.E..... n=1 r= [1] locked" },
            { 800, Do::Nothing, "..E..... n=1 r= [1] locked" },
    });
}

TEST_F(SerialParallelClock, ADoubleClickAfterTheThirdPulseIsTwoClicksAndFallsBackToZero)
{
    open();
    shiftIn(QStringLiteral("1011"), 3);
    // The input lamp keeps bit2's "0" and the box its last character.
    runTimeline({
            { 0, Do::DoubleClickH, "........ n=0 r= [1] locked" },
            { 200, Do::Nothing, "H....... n=0 r= [1] locked" },
            { 400, Do::Nothing, "........ n=0 r= [1] locked" },
            { 400, Do::ClickH, "........ n=1 r= [1] locked" },
    });
}

TEST_F(SerialParallelClock, ShortWordAdvancesTheCountAndLeavesTheLampWhereABitIsMissing)
{
    open();
    // Four counted changes leave "11": bit3 and bit4 are empty.
    runTimeline({
            { 0, Do::Type, "........ n=0 r= [10]", QStringLiteral("10") },
            { 0, Do::Backspace, "........ n=0 r= [1]" },
            { 0, Do::Type, "........ n=0 r= [11]", QStringLiteral("1") },
            { 0, Do::ClickH, "........ n=1 r= [11]" },
            { 200, Do::Nothing, "H....... n=1 r= [11]" },
            { 400, Do::ClickH, "........ n=2 r= [11]" },
            { 600, Do::Nothing, "H....... n=2 r= [11]" },
            { 800, Do::ClickH, "........ n=3 r= [11]" },
            { 1000, Do::Nothing, "H.E..... n=3 r= [1]" },
    });
    EXPECT_EQ(trainer().word->bit(1), QStringLiteral("1"));
    EXPECT_EQ(trainer().word->bit(2), QStringLiteral("1"));
    EXPECT_TRUE(trainer().word->bit(3).isEmpty());
}

TEST_F(SerialParallelClock, ChangeAfterAPulseIsOnlyAcknowledgedThenCountingResumes)
{
    open();
    // "1" then a pulse: the box is written back unchanged, so the flag stays
    // set and the learner's next change is taken as the program's own.
    typeText(trainer().wordBox, QStringLiteral("1"));
    pulse(1);
    EXPECT_TRUE(trainer().word->ignoresNextChange());
    typeText(trainer().wordBox, QStringLiteral("x"));
    EXPECT_TRUE(messageBox.shown.isEmpty());
    EXPECT_EQ(trainer().word->typedCount(), 1);
    typeText(trainer().wordBox, QStringLiteral("y"));
    EXPECT_EQ(messageBox.shown, QStringList{ kValidationText });
    EXPECT_EQ(trainer().word->typedCount(), 2);
}

TEST_F(SerialParallelClock, PulseFallingDueWhileHiddenIsShownOnTheNextVisit)
{
    open();
    typeText(trainer().wordBox, QStringLiteral("1011"));
    click(trainer().clockUnlit);
    advance(100);
    click(trainer().menuButton);
    advance(400);
    click(button(FormId::MainMenu, "Registre série/parallèle"));
    EXPECT_EQ(view(), "..E..... n=1 r= [101] locked");
}
