// The timeline: which scene each window of the song selects and how the
// scene parameters move, tick by tick.
#include <gtest/gtest.h>

#include "effects/effects.h"
#include "scene3d/scene3d.h"
#include "sequencer/sequencer.h"
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
    EXPECT_EQ(ao, Scene::blank);
    EXPECT_EQ(clearr, 1);
    at(128);
    EXPECT_EQ(ao, Scene::blank);
    at(129);
    EXPECT_EQ(ao, Scene::logo);
    EXPECT_EQ(clearr, 0);
    at(238);
    EXPECT_EQ(ao, Scene::logo);
}

TEST_F(Timeline, FlyInStartsFromItsResetAndLands)
{
    order[0] = 7;
    xr = 500, offsetx = 3;
    at(239);
    EXPECT_EQ(ao, Scene::flyin);
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
    EXPECT_EQ(ao, Scene::flyin);
    at(300);
    EXPECT_EQ(offsetz, -100);
    EXPECT_EQ(ao, Scene::flyin);
}

TEST_F(Timeline, FlyInEnteredLateActsOnWhatItFinds)
{
    offsetz = -300;
    xr = 10;
    at(250);
    EXPECT_EQ(offsetz, -262);
    EXPECT_EQ(xr, 25);
    offsetz = -100;
    ao = Scene::scrollers;
    at(250);
    EXPECT_EQ(ao, Scene::scrollers);
}

TEST_F(Timeline, WarpSetsItsSceneOnlyAtItsStart)
{
    framepierr = 9; // the tick makes it 10
    at(385);
    EXPECT_EQ(ao, Scene::warp);
    EXPECT_EQ(offsetz, -100);
    EXPECT_EQ(offsetx, 160);
    EXPECT_EQ(offsety, 180);
    EXPECT_EQ(yr, 314);
    int wobble = deloreanwarp[10];
    EXPECT_EQ(xr, wobble < 0 ? wobble + 627 : wobble);

    ao = Scene::flyin; // a skip past 386 keeps the scene in force
    at(500);
    EXPECT_EQ(ao, Scene::flyin);
    EXPECT_EQ(xr, deloreanwarp[11] < 0 ? deloreanwarp[11] + 627 : deloreanwarp[11]);
}

TEST_F(Timeline, BlankBetweenWarpAnd1988)
{
    at(624);
    EXPECT_NE(ao, Scene::blank);
    at(625);
    EXPECT_EQ(ao, Scene::blank);
    EXPECT_EQ(clearr, 1);
    at(640);
    EXPECT_EQ(ao, Scene::blank);
    EXPECT_EQ(offsetz, -100);
    at(641);
    EXPECT_EQ(ao, Scene::logo1988);
    EXPECT_EQ(clearr, 0);
}

TEST_F(Timeline, ScrollersMoveTwoPixelsATick)
{
    at(897, 3);
    EXPECT_EQ(ao, Scene::scrollers);
    EXPECT_EQ(clearr, 1);
    EXPECT_EQ(scrlpos1, 344);
    EXPECT_EQ(scrlpos2, 444);
    EXPECT_EQ(scrlpos3, 494);
}

TEST_F(Timeline, InterferenceReadsThePathsAfterStepping)
{
    ang1 = 156, ang2 = 104;
    at(1500);
    EXPECT_EQ(ao, Scene::interference);
    EXPECT_EQ(ang1, 0);
    EXPECT_EQ(ang2, 0);
    at(1500);
    EXPECT_EQ(ang1, 1);
    // Step 1 of both paths: 60 sin a cos a = 4 and 60 sin^2 a = 0 at
    // a = -3.06, 60 cos b = -59 at b = -3.02, all truncated.
    EXPECT_EQ(ix1, 4 + 59 + 90);
    EXPECT_EQ(iy1, 4 - 0 + 130);
    EXPECT_EQ(ix2, 4 - 59 + 100);
    EXPECT_EQ(iy2, 0 + 122);
    // Step 40: a = -1.54 and b = -0.74 give -4, 59 and 46.
    at(1500, 39);
    EXPECT_EQ(ix1, -4 - 46 + 90);
    EXPECT_EQ(iy1, -4 - 59 + 130);
    EXPECT_EQ(ix2, -4 + 46 + 100);
    EXPECT_EQ(iy2, 2 * 59 + 122);
}

TEST_F(Timeline, LensBouncesAndTurnsAfterMoving)
{
    at(1921);
    EXPECT_EQ(ao, Scene::lens);
    EXPECT_EQ(lensx, 5);
    EXPECT_EQ(lensy, 128); // phase 0 on the first tick
    at(1921);
    EXPECT_EQ(lensy, 128 - 9); // 100 sin 0.1 = 9.98, truncated

    // It turns after the move that takes it past an edge.
    lensx = 190;
    at(1921);
    EXPECT_EQ(lensx, 195);
    at(1921);
    EXPECT_EQ(lensx, 190);
    lensx = 0;
    at(1921);
    EXPECT_EQ(lensx, -5);
    at(1921);
    EXPECT_EQ(lensx, 0);

    lensy = 100;
    at(2001);
    EXPECT_EQ(lensy, 110);
    EXPECT_EQ(lensx, 5);
    EXPECT_EQ(ao, Scene::lens);
}

TEST_F(Timeline, RotozoomerAngleWraps)
{
    at(2049);
    EXPECT_EQ(ao, Scene::rotozoomer);
    EXPECT_EQ(roto, 162);
    roto = 627;
    at(2049);
    EXPECT_EQ(roto, 1);
}

TEST_F(Timeline, RingsAndTheAngleWrap)
{
    xr = 620, yr = 10;
    at(2433);
    EXPECT_EQ(ao, Scene::rings);
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
    EXPECT_EQ(ao, Scene::twister);
    EXPECT_EQ(efxc, 80);
    EXPECT_EQ(tw1, tws1[0]);
    EXPECT_EQ(tw2, tws2[3]);
    at(2945);
    EXPECT_EQ(tw1, tws1[1]);
    EXPECT_EQ(tw2, tws2[4]);
    // The first wave wraps after all its 126 entries, the second after 90 of
    // its 91: 127 ticks in, they read entries 0 and (3 + 126) mod 90.
    at(2945, 124);
    EXPECT_EQ(tw1, tws1[125]);
    at(2945);
    EXPECT_EQ(tw1, tws1[0]);
    EXPECT_EQ(tw2, tws2[39]);
}

TEST_F(Timeline, ClosingSceneAndTheEnd)
{
    at(3499);
    EXPECT_EQ(ao, Scene::closing);
    at(3500);
    EXPECT_EQ(ao, Scene::closing);
    EXPECT_EQ(quit, 0);
    at(3501);
    EXPECT_EQ(quit, 1);
    EXPECT_EQ(ao, Scene::closing);
}

// Every window at the demotimes on both sides of its bounds: one tick from
// the starting state, the scene code, the clear flag and one value the
// window moves. A window excludes its lower bound and includes its upper.
TEST_F(Timeline, EveryWindowAtItsFirstAndLastDemotime)
{
    struct Case {
        int d;
        Scene ao;
        int clearr;
        const int* what;
        int value;
    };
    const Case cases[] = {
        {-16, Scene::blank, 1, &offsetz, -170},
        {128, Scene::blank, 1, &offsetz, -170},
        {129, Scene::logo, 0, &offsetz, -170},
        {196, Scene::logo, 0, &offsetz, -170},
        {197, Scene::logo, 0, &offsetz, -170},
        {238, Scene::logo, 0, &offsetz, -170},
        {239, Scene::flyin, 0, &offsetz, -1042}, // the fly-in starts from its reset
        {240, Scene::flyin, 0, &offsetz, -1042},
        {241, Scene::flyin, 0, &offsetz, -132}, // entered late: flies from where it is
        {256, Scene::flyin, 0, &offsetz, -132},
        {257, Scene::none, 0, &offsetz, -100}, // the car rests
        {384, Scene::none, 0, &offsety, 320},
        {385, Scene::warp, 0, &offsety, 180}, // the warp starts
        {386, Scene::warp, 0, &offsety, 180},
        {387, Scene::none, 0, &offsety, 320},
        {624, Scene::none, 0, &xr, 0}, // the wobble, from its table
        {625, Scene::blank, 1, &xr, 0},
        {640, Scene::blank, 1, &xr, 0},
        {641, Scene::logo1988, 0, &xr, 1},
        {896, Scene::logo1988, 0, &scrlpos1, 350},
        {897, Scene::scrollers, 1, &scrlpos1, 348},
        {1408, Scene::scrollers, 1, &scrlpos1, 348},
        {1409, Scene::interference, 1, &ang1, 1},
        {1920, Scene::interference, 1, &ang1, 1},
        {1921, Scene::lens, 0, &lensy, 128}, // the bounce
        {2000, Scene::lens, 0, &lensy, 128},
        {2001, Scene::lens, 0, &lensy, 10}, // the drop
        {2048, Scene::lens, 0, &lensy, 10},
        {2049, Scene::rotozoomer, 0, &roto, 162},
        {2432, Scene::rotozoomer, 0, &roto, 162},
        {2433, Scene::rings, 1, &offsetz, -300},
        {2944, Scene::rings, 1, &offsetz, -300},
        {2945, Scene::twister, 1, &efxc, 80},
        {3200, Scene::twister, 1, &efxc, 80},
        {3201, Scene::closing, 0, &quit, 0},
        {3499, Scene::closing, 0, &quit, 0},
        {3500, Scene::none, 0, &quit, 0},
        {3501, Scene::none, 0, &quit, 1},
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
