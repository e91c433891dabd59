// The frame protocol: when ticks run, when frames are drawn, what the clock
// counters hold.
#include <gtest/gtest.h>

#include "sequencer/sequencer.h"
#include "support.h"

namespace
{

struct Clock : ::testing::Test {
    void SetUp() override
    {
        setupscreen();
        resetclock();
    }
    // Marks the screen so a drawn frame shows: the blank scene clears it.
    void mark() { pixels(screen)[0] = 0x1234; }
    bool drawn() const { return pixels(screen)[0] != 0x1234; }
};

} // namespace

TEST_F(Clock, FirstCallAtZeroRunsOneTick)
{
    mark();
    fakenow = 0;
    render();
    EXPECT_EQ(last_tick, 49);
    EXPECT_EQ(framepierr, 1);
    EXPECT_EQ(fakeupdates, 1);
    EXPECT_TRUE(drawn());
}

TEST_F(Clock, NoTickDueSleepsAndDrawsNothing)
{
    render();
    mark();
    fakenow = last_tick;
    render();
    EXPECT_EQ(framepierr, 1);
    EXPECT_EQ(fakesleeps, 1);
    EXPECT_EQ(fakeupdates, 1);
    EXPECT_FALSE(drawn());
}

TEST_F(Clock, LateFramesWorkOffEveryTick)
{
    render();
    int before = last_tick;
    fakenow = before + 1;
    render();
    EXPECT_EQ(framepierr, 2);
    EXPECT_EQ(last_tick, before + 50);

    before = last_tick;
    fakenow = before + 101;
    mark();
    render();
    EXPECT_EQ(framepierr, 5);
    EXPECT_EQ(last_tick, before + 150);
    EXPECT_EQ(fakeupdates, 3);
    EXPECT_TRUE(drawn());
}

TEST_F(Clock, StartUpTimeIsCaughtUp)
{
    fakenow = 1234;
    render();
    EXPECT_EQ(framepierr, 25);
    EXPECT_EQ(last_tick, 1249);
}

TEST_F(Clock, FrameDelayCountsModulo21)
{
    fakenow = 19 * 50;
    render();
    EXPECT_EQ(framepierr, 20);
    EXPECT_EQ(framedelay, 20);
    fakenow += 50;
    render();
    EXPECT_EQ(framepierr, 21);
    EXPECT_EQ(framedelay, 0);
}

TEST_F(Clock, DemotimeIsReadOnceAFrameWithTheOffset)
{
    fakepos = 3;
    fakerow = 5;
    demotimeoffset = -16;
    render();
    EXPECT_EQ(demotime, 3 * 128 + 5 - 16);
}

// The ARM build runs its timeline 16 rows behind the song; nothing else
// differs between the builds.
TEST(BuildOffset, FollowsTheTarget)
{
#if defined(__arm__)
    EXPECT_EQ(DEMOTIME_OFFSET, -16);
#else
    EXPECT_EQ(DEMOTIME_OFFSET, 0);
#endif
}

// The clock is a 32-bit counter that wraps, as SDL's does after 49.7 days;
// the frame protocol keeps going across the wrap, and last_tick and
// framepierr wrap past the top of int instead of overflowing.
TEST_F(Clock, RunsOnAcrossTheWrap)
{
    last_tick = -101; // 0xFFFFFF9B on the clock
    fakenow = 0xFFFFFFFFu - 20;
    render();
    EXPECT_EQ(last_tick, -1);
    fakenow = 30;
    render();
    EXPECT_EQ(last_tick, 49);
    EXPECT_EQ(framepierr, 3);

    last_tick = 2147483599; // the last -1 + 50k below the top of int
    framepierr = 2147483647;
    fakenow = 2147483649u;
    render();
    EXPECT_EQ(last_tick, -2147483647);
    EXPECT_EQ(framepierr, -2147483647 - 1);
}

// A clock half the counter's range or more ahead reads as behind.
TEST_F(Clock, HalfTheRangeAheadIsBehind)
{
    render();
    fakenow = 49u + 0x80000000u;
    mark();
    render();
    EXPECT_EQ(last_tick, 49);
    EXPECT_FALSE(drawn());
    fakenow = 0; // and behind is behind
    render();
    EXPECT_EQ(last_tick, 49);
    EXPECT_EQ(fakesleeps, 2);
}
