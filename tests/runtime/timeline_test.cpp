// The timeline: which scene each window of the song selects and how the
// scene parameters move, tick by tick.
#include <gtest/gtest.h>

#include "effects/effects.h"
#include "runtime/runtime.h"
#include "scene3d/scene3d.h"
#include "support.h"

namespace
{

struct Timeline : ::testing::Test {
    void SetUp() override
    {
        setupscreen();
        resetclock();
    }
    void at(int d, int ticks = 1)
    {
        demotime = d;
        for (int i = 0; i < ticks; i++)
            tick();
    }
};

} // namespace

TEST_F(Timeline, BlankThenLogo)
{
    at(-16);
    EXPECT_EQ(ao, -100);
    EXPECT_EQ(clearr, 1);
    at(128);
    EXPECT_EQ(ao, -100);
    at(129);
    EXPECT_EQ(ao, -101);
    EXPECT_EQ(clearr, 0);
    at(238);
    EXPECT_EQ(ao, -101);
}

TEST_F(Timeline, FlyInStartsFromItsResetAndLands)
{
    order[0] = 7;
    xr = 500, offsetx = 3;
    at(239);
    EXPECT_EQ(ao, -104);
    EXPECT_EQ(xr, 195);
    EXPECT_EQ(yr, 75);
    EXPECT_EQ(offsetx, 160);
    EXPECT_EQ(offsety, 160);
    EXPECT_EQ(offsetz, -1042);
    EXPECT_EQ(order[0], 0);

    at(240, 3); // every tick at 240 resets and steps again
    EXPECT_EQ(offsetz, -1042);
    at(241, 25);
    EXPECT_EQ(offsetz, -92);
    at(241, 5); // landed: the row sets nothing more
    EXPECT_EQ(offsetz, -92);
    EXPECT_EQ(ao, -104);
    at(300);
    EXPECT_EQ(offsetz, -100);
    EXPECT_EQ(ao, -104);
}

TEST_F(Timeline, FlyInEnteredLateActsOnWhatItFinds)
{
    offsetz = -300;
    xr = 10;
    at(250);
    EXPECT_EQ(offsetz, -262);
    EXPECT_EQ(xr, 25);
    offsetz = -100;
    ao = -5;
    at(250);
    EXPECT_EQ(ao, -5);
}

TEST_F(Timeline, WarpSetsItsSceneOnlyAtItsStart)
{
    framepierr = 9; // the tick makes it 10
    at(385);
    EXPECT_EQ(ao, -105);
    EXPECT_EQ(offsetz, -100);
    EXPECT_EQ(offsetx, 160);
    EXPECT_EQ(offsety, 180);
    EXPECT_EQ(yr, 314);
    int wobble = deloreanwarp[10];
    EXPECT_EQ(xr, wobble < 0 ? wobble + 627 : wobble);

    ao = -104; // a skip past 386 keeps the scene in force
    at(500);
    EXPECT_EQ(ao, -104);
    EXPECT_EQ(xr, deloreanwarp[11] < 0 ? deloreanwarp[11] + 627 : deloreanwarp[11]);
}

TEST_F(Timeline, BlankBetweenWarpAnd1988)
{
    at(624);
    EXPECT_NE(ao, -100);
    at(625);
    EXPECT_EQ(ao, -100);
    EXPECT_EQ(clearr, 1);
    at(640);
    EXPECT_EQ(ao, -100);
    EXPECT_EQ(offsetz, -100);
    at(641);
    EXPECT_EQ(ao, -106);
    EXPECT_EQ(clearr, 0);
}

TEST_F(Timeline, ScrollersMoveTwoPixelsATick)
{
    at(897, 3);
    EXPECT_EQ(ao, -5);
    EXPECT_EQ(clearr, 1);
    EXPECT_EQ(scrlpos1, 344);
    EXPECT_EQ(scrlpos2, 444);
    EXPECT_EQ(scrlpos3, 494);
}

TEST_F(Timeline, InterferenceReadsThePathsAfterStepping)
{
    ang1 = 156, ang2 = 104;
    at(1500);
    EXPECT_EQ(ao, -120);
    EXPECT_EQ(ang1, 0);
    EXPECT_EQ(ang2, 0);
    at(1500);
    EXPECT_EQ(ang1, 1);
    EXPECT_EQ(ix1, px0[1] - px1[1] + 90);
    EXPECT_EQ(iy1, px0[1] - py0[1] + 130);
    EXPECT_EQ(ix2, px0[1] + px1[1] + 100);
    EXPECT_EQ(iy2, 2 * py0[1] + 122);
}

TEST_F(Timeline, LensBouncesAndTurnsAfterMoving)
{
    at(1921);
    EXPECT_EQ(ao, -20);
    EXPECT_EQ(lensx, 5);
    EXPECT_EQ(lensy, 128); // phase 0 on the first tick
    EXPECT_DOUBLE_EQ(lensyy, 0.1);

    lensx = 190;
    at(1921);
    EXPECT_EQ(lensx, 195);
    EXPECT_EQ(lensxx, -5);
    lensx = 0;
    at(1921);
    EXPECT_EQ(lensx, -5);
    EXPECT_EQ(lensxx, 5);

    lensy = 100;
    at(2001);
    EXPECT_EQ(lensy, 110);
    EXPECT_EQ(lensx, 0);
    EXPECT_EQ(ao, -20);
}

TEST_F(Timeline, RotozoomerAngleWraps)
{
    at(2049);
    EXPECT_EQ(ao, -21);
    EXPECT_EQ(roto, 162);
    roto = 627;
    at(2049);
    EXPECT_EQ(roto, 1);
}

TEST_F(Timeline, RingsAndTheAngleWrap)
{
    xr = 620, yr = 10;
    at(2433);
    EXPECT_EQ(ao, -160);
    EXPECT_EQ(offsetz, -300);
    EXPECT_EQ(offsety, 120);
    EXPECT_EQ(xr, 640 - 627);
    EXPECT_EQ(yr, 25);
    xr = -21; // a wobble value below zero wraps up
    at(2433);
    EXPECT_EQ(xr, 626);
}

TEST_F(Timeline, TwisterReadsTheWavesBeforeStepping)
{
    at(2945);
    EXPECT_EQ(ao, -150);
    EXPECT_EQ(efxc, 80);
    EXPECT_EQ(tw1, tws1[0]);
    EXPECT_EQ(tw2, tws2[3]);
    EXPECT_EQ(twsin1, 1u);
    twsin1 = 125, twsin2 = 89;
    at(3000);
    EXPECT_EQ(tw1, tws1[125]);
    EXPECT_EQ(tw2, tws2[89]);
    EXPECT_EQ(twsin1, 0u);
    EXPECT_EQ(twsin2, 0u);
}

TEST_F(Timeline, ClosingSceneAndTheEnd)
{
    at(3499);
    EXPECT_EQ(ao, -180);
    at(3500);
    EXPECT_EQ(ao, -180);
    EXPECT_EQ(quit, 0);
    at(3501);
    EXPECT_EQ(quit, 1);
    EXPECT_EQ(ao, -180);
}

// Every window at the demotimes on both sides of its bounds: one tick from
// the starting state, the scene code, the clear flag and one value the
// window moves. A window excludes its lower bound and includes its upper.
TEST_F(Timeline, EveryWindowAtItsFirstAndLastDemotime)
{
    struct Case {
        int d, ao, clearr;
        const int* what;
        int value;
    };
    const Case cases[] = {
        {-16, -100, 1, &offsetz, -170},
        {128, -100, 1, &offsetz, -170},
        {129, -101, 0, &offsetz, -170},
        {196, -101, 0, &offsetz, -170},
        {197, -101, 0, &offsetz, -170},
        {238, -101, 0, &offsetz, -170},
        {239, -104, 0, &offsetz, -1042}, // the fly-in starts from its reset
        {240, -104, 0, &offsetz, -1042},
        {241, -104, 0, &offsetz, -132}, // entered late: flies from where it is
        {256, -104, 0, &offsetz, -132},
        {257, 0, 0, &offsetz, -100}, // the car rests
        {384, 0, 0, &offsety, 320},
        {385, -105, 0, &offsety, 180}, // the warp starts
        {386, -105, 0, &offsety, 180},
        {387, 0, 0, &offsety, 320},
        {624, 0, 0, &xr, 0}, // the wobble, from its table
        {625, -100, 1, &xr, 0},
        {640, -100, 1, &xr, 0},
        {641, -106, 0, &xr, 1},
        {896, -106, 0, &scrlpos1, 350},
        {897, -5, 1, &scrlpos1, 348},
        {1408, -5, 1, &scrlpos1, 348},
        {1409, -120, 1, &ang1, 1},
        {1920, -120, 1, &ang1, 1},
        {1921, -20, 0, &lensy, 128}, // the bounce
        {2000, -20, 0, &lensy, 128},
        {2001, -20, 0, &lensy, 10}, // the drop
        {2048, -20, 0, &lensy, 10},
        {2049, -21, 0, &roto, 162},
        {2432, -21, 0, &roto, 162},
        {2433, -160, 1, &offsetz, -300},
        {2944, -160, 1, &offsetz, -300},
        {2945, -150, 1, &efxc, 80},
        {3200, -150, 1, &efxc, 80},
        {3201, -180, 0, &quit, 0},
        {3499, -180, 0, &quit, 0},
        {3500, 0, 0, &quit, 0},
        {3501, 0, 0, &quit, 1},
    };
    for (const Case& c : cases) {
        setupscreen();
        resetclock();
        at(c.d);
        EXPECT_EQ(ao, c.ao) << "demotime " << c.d;
        EXPECT_EQ(clearr, c.clearr) << "demotime " << c.d;
        EXPECT_EQ(*c.what, c.value) << "demotime " << c.d;
    }
}
