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
