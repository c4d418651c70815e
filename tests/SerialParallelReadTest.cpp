// The read lamp of the serial-in parallel-out trainer: once four pulses have
// gone, each output whose character is "1" lights (S1 the fourth character,
// S4 the first) and the read label shows the word; the read shares its tick counter
// with the clock.

#include "SerialParallelFixture.h"

class SerialParallelRead : public SerialParallelFixture
{
};

struct ReadCase
{
    const char *word;
    std::string whileLit; // 200 ms after the click
    std::string after; // 400 ms after it
};

void PrintTo(const ReadCase &c, std::ostream *os)
{
    *os << c.word;
}

class SerialParallelReadWord : public SerialParallelFixture, public ::testing::WithParamInterface<ReadCase>
{
};

TEST_P(SerialParallelReadWord, LightsTheOutputsOfTheOnesAndShowsTheWord)
{
    open();
    shiftIn(QString::fromLatin1(GetParam().word));
    const std::string before = view();
    click(trainer().readUnlit);
    EXPECT_EQ(view(), before);
    advance(200);
    EXPECT_EQ(view(), GetParam().whileLit);
    advance(200);
    EXPECT_EQ(view(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
        Words, SerialParallelReadWord,
        ::testing::Values(ReadCase{ "1011", "..EL4.21 n=4 r=1011 [] locked", "..E.4.21 n=4 r=1011 [] locked" },
                          ReadCase{ "0000", "...L.... n=4 r=0000 [] locked", "........ n=4 r=0000 [] locked" },
                          ReadCase{ "1000", "..EL4... n=4 r=1000 [] locked", "..E.4... n=4 r=1000 [] locked" },
                          ReadCase{ "0100", "...L.3.. n=4 r=0100 [] locked", ".....3.. n=4 r=0100 [] locked" },
                          ReadCase{ "0010", "...L..2. n=4 r=0010 [] locked", "......2. n=4 r=0010 [] locked" },
                          ReadCase{ "0001", "...L...1 n=4 r=0001 [] locked", ".......1 n=4 r=0001 [] locked" }));

TEST_F(SerialParallelRead, ReadBeforeTheFourthPulseOnlyAnimatesItsLamp)
{
    open();
    typeText(trainer().wordBox, QStringLiteral("1111"));
    for (int pulses = 0; pulses < 4; ++pulses) {
        SCOPED_TRACE(pulses);
        const std::string before = view();
        click(trainer().readUnlit);
        advance(200);
        std::string lit = before;
        lit[3] = 'L';
        EXPECT_EQ(view(), lit);
        advance(200);
        EXPECT_EQ(view(), before);
        pulse(1);
    }
}

TEST_F(SerialParallelRead, SecondReadGivesTheSameOutputsAndCaption)
{
    open();
    shiftIn(QStringLiteral("0110"));
    readOut();
    const std::string first = view();
    EXPECT_EQ(first, ".....32. n=4 r=0110 [] locked");
    readOut();
    EXPECT_EQ(view(), first);
}

TEST_F(SerialParallelRead, FourPulsesWithoutAStoredWordLightNothingAndEmptyTheResult)
{
    open();
    // One pasted change never reaches the fourth count: no word is stored.
    paste(trainer().wordBox, QStringLiteral("1111"));
    pulse(4);
    readOut();
    EXPECT_EQ(view(), "........ n=4 r= [] locked");
}

TEST_F(SerialParallelRead, ReadClickedAfterTheClockLitFirstIsLostAndTheClockRunsLonger)
{
    open();
    shiftIn(QStringLiteral("1011"), 3);
    // Case (a): the clock's first tick comes before the read's.
    runTimeline({
            { 0, Do::ClickH, "........ n=4 r= [1] locked" },
            { 100, Do::ClickRead, "........ n=4 r= [1] locked" },
            { 200, Do::Nothing, "H.E..... n=4 r= [] locked" },
            { 300, Do::Nothing, "H.E..... n=4 r= [] locked" },
            { 400, Do::Nothing, "H.E..... n=4 r= [] locked" },
            { 599, Do::Nothing, "H.E..... n=4 r= [] locked" },
            { 600, Do::Nothing, "..E..... n=4 r= [] locked" },
            // Afterwards the read works alone.
            { 600, Do::ClickRead, "..E..... n=4 r= [] locked" },
            { 800, Do::Nothing, "..EL4.21 n=4 r=1011 [] locked" },
            { 1000, Do::Nothing, "..E.4.21 n=4 r=1011 [] locked" },
    });
}

TEST_F(SerialParallelRead, ClockClickedAfterTheReadLitFirstEndsAtOnceAndTheReadRunsTwice)
{
    open();
    shiftIn(QStringLiteral("1011"), 3);
    // Case (b): the read's first tick comes first and already finds the
    // count at 4, which the clock's click has set.
    runTimeline({
            { 0, Do::ClickRead, "........ n=3 r= [1] locked" },
            { 100, Do::ClickH, "........ n=4 r= [1] locked" },
            { 200, Do::Nothing, "...L4.21 n=4 r=1011 [1] locked" },
            // The clock's only tick: its lamp never lights, its step runs once.
            { 300, Do::Nothing, "..EL4.21 n=4 r=1011 [] locked" },
            { 400, Do::Nothing, "..EL4.21 n=4 r=1011 [] locked" },
            // The lit read lamp takes no click.
            { 450, Do::ClickRead, "..EL4.21 n=4 r=1011 [] locked" },
            { 599, Do::Nothing, "..EL4.21 n=4 r=1011 [] locked" },
            { 600, Do::Nothing, "..E.4.21 n=4 r=1011 [] locked" },
    });
    EXPECT_FALSE(trainer().window.clockRunning());
    EXPECT_FALSE(trainer().window.readRunning());
    EXPECT_EQ(trainer().window.tickCount(), 0);
}

TEST_F(SerialParallelRead, StoreAfterAReadShowsTheOutputsUnlitAndTheNextReadLightsTheNewOnes)
{
    open();
    typeText(trainer().wordBox, QStringLiteral("1011"));
    click(trainer().resetUnlit);
    advance(400);
    // The bits 1011 survive the reset; a one-character box keeps it unlocked.
    shiftIn(QStringLiteral("1"));
    readOut();
    ASSERT_EQ(view(), "..E.4.21 n=4 r=1011 []");
    // The last pulse left the flag set: the first change is only taken in.
    typeText(trainer().wordBox, QStringLiteral("0"));
    typeText(trainer().wordBox, QStringLiteral("011"));
    EXPECT_EQ(view(), "..E..... n=4 r= [0011] locked");
    // The lit pictures stay beneath the unlit ones.
    EXPECT_TRUE(trainer().output4Lit->shown());
    EXPECT_TRUE(trainer().output1Lit->shown());
    readOut();
    EXPECT_EQ(view(), "..E...21 n=4 r=0011 [0011] locked");
    EXPECT_TRUE(trainer().output4Lit->shown());
}

TEST_F(SerialParallelRead, SecondClickBeforeTheLampLightsGivesOneRead)
{
    open();
    shiftIn(QStringLiteral("0101"));
    runTimeline({
            { 0, Do::ClickRead, "........ n=4 r= [] locked" },
            { 100, Do::ClickRead, "........ n=4 r= [] locked" },
            { 300, Do::Nothing, "...L.3.1 n=4 r=0101 [] locked" },
            { 500, Do::Nothing, ".....3.1 n=4 r=0101 [] locked" },
            { 1100, Do::Nothing, ".....3.1 n=4 r=0101 [] locked" },
    });
    EXPECT_FALSE(trainer().window.readRunning());
}
