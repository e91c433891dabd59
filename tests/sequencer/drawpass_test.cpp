// Every scene through the whole drawing pass: one tick into its window from
// the starting state, then drawframe(), and what must be on the screen.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "sequencer/sequencer.h"
#include "support.h"

namespace
{

struct DrawPass : ::testing::Test {
    void SetUp() override
    {
        setupscreen();
        ASSERT_EQ(loadrunpictures(), "");
    }
    // The scene at demotime d after some ticks, drawn over a screen of junk.
    void draw(int d, int ticks = 1)
    {
        setupscreen();
        resetclock();
        demotime = d;
        for (int i = 0; i < ticks; i++)
            tick();
        memset(screen->pixels, 0x5A, 320 * 240 * 2);
        drawframe();
    }
    Uint16 at(int x, int y) { return pixels(screen)[y * 320 + x]; }
    // Rows [y0, y1) of the screen against the same rows of a picture.
    int rowsdiffer(SDL_Surface* picture, int y0, int y1)
    {
        int n = 0;
        for (int i = y0 * 320; i < y1 * 320; i++)
            n += pixels(screen)[i] != pixels(picture)[i];
        return n;
    }
    int nonblack()
    {
        int n = 0;
        for (int i = 0; i < 320 * 240; i++)
            n += pixels(screen)[i] != 0;
        return n;
    }
};

} // namespace

TEST_F(DrawPass, BlankClearsEverything)
{
    draw(100);
    EXPECT_EQ(ao, Scene::blank);
    EXPECT_EQ(nonblack(), 0);
}

TEST_F(DrawPass, FullScreenPictures)
{
    draw(150);
    EXPECT_EQ(ao, Scene::logo);
    EXPECT_EQ(rowsdiffer(quorvastlogo, 0, 240), 0);
    draw(700);
    EXPECT_EQ(ao, Scene::logo1988);
    EXPECT_EQ(rowsdiffer(logo1988, 0, 240), 0);
}

TEST_F(DrawPass, CarOverGreenAndOverTheWarp)
{
    draw(239);
    EXPECT_EQ(ao, Scene::flyin);
    EXPECT_EQ(rowsdiffer(greenbg, 0, 10), 0); // the car flies in small, mid-screen
    EXPECT_GT(rowsdiffer(greenbg, 0, 240), 50);

    draw(385);
    EXPECT_EQ(ao, Scene::warp);
    // One tick has moved the warp 50 pixels right; the car covers the middle.
    const Uint16* warp = pixels(warpbg);
    EXPECT_EQ(at(0, 0), warp[(0 - 50) & 255]);
    EXPECT_EQ(at(319, 239), warp[239 * 256 + ((319 - 50) & 255)]);
    int car = 0;
    for (int x = 0; x < 320; x++)
        car += at(x, 120) != warp[120 * 256 + ((x - 50) & 255)];
    EXPECT_GT(car, 50);
}

TEST_F(DrawPass, ScrollersAndTheClosingWordOnBlack)
{
    draw(1000, 60); // the first line has come 120 pixels in
    EXPECT_EQ(ao, Scene::scrollers);
    EXPECT_EQ(at(0, 0), 0);
    EXPECT_GT(nonblack(), 500);
    draw(3300);
    EXPECT_EQ(ao, Scene::closing);
    EXPECT_EQ(at(0, 0), 0);
    EXPECT_GT(nonblack(), 500);
}

TEST_F(DrawPass, InterferenceHasTwoColours)
{
    draw(1420);
    EXPECT_EQ(ao, Scene::interference);
    int first = 0, other = 0;
    for (int i = 0; i < 320 * 240; i++) {
        first += pixels(screen)[i] == 0xF300;
        other += pixels(screen)[i] == 0xFF65;
    }
    EXPECT_EQ(first + other, 320 * 240);
    EXPECT_GT(first, 1000);
    EXPECT_GT(other, 1000);
}

// The lens and the rotozoomer both start from the picture copied whole.
TEST_F(DrawPass, LensAndRotozoomerOverTheirPicture)
{
    draw(1930);
    EXPECT_EQ(ao, Scene::lens);
    EXPECT_EQ(rowsdiffer(mirv, 0, 128), 0); // the lens sits on rows 128 and down
    EXPECT_GT(rowsdiffer(mirv, 128, 240), 100);

    draw(2100);
    EXPECT_EQ(ao, Scene::rotozoomer);
    EXPECT_EQ(rowsdiffer(mirv, 0, 20), 0);
    EXPECT_EQ(rowsdiffer(mirv, 220, 240), 0);
    EXPECT_GT(rowsdiffer(mirv, 20, 220), 1000);
}

TEST_F(DrawPass, RingsOverPsykeAndTheTwisterOverGroovy)
{
    draw(2500);
    EXPECT_EQ(ao, Scene::rings);
    EXPECT_EQ(at(0, 0), pixels(psyke)[0]);
    EXPECT_EQ(at(319, 239), pixels(psyke)[76799]);
    EXPECT_GT(rowsdiffer(psyke, 0, 240), 1000);

    draw(2950);
    EXPECT_EQ(ao, Scene::twister);
    for (int y = 0; y < 240; y++) // the strips start at column 1
        EXPECT_EQ(at(0, y), pixels(groovy)[y * 320]) << y;
    EXPECT_GT(rowsdiffer(groovy, 0, 240), 1000);
}

// The clear is skipped where the scene covers the screen: every scene, at
// moments with and without words over it, draws the same frame over junk as
// the plain pass does over a cleared screen.
TEST_F(DrawPass, SkippedClearsAreNeverSeen)
{
    const Scene scenes[] = {Scene::none,   Scene::blank,      Scene::logo,      Scene::flyin,
                            Scene::warp,   Scene::logo1988,   Scene::scrollers, Scene::interference,
                            Scene::lens,   Scene::rotozoomer, Scene::rings,     Scene::twister,
                            Scene::closing};
    const int moments[] = {100, 420, 470, 1550, 1630, 2220, 2300, 2650, 2710, 3020, 3100};
    auto frame = [](Scene s, int d, int under) {
        resetclock();
        ao = s, demotime = d, clearr = 1;
        memset(screen->pixels, under, 320 * 240 * 2);
        drawframe();
        return std::vector<Uint16>(pixels(screen), pixels(screen) + 320 * 240);
    };
    for (Scene s : scenes)
        for (int d : moments)
            EXPECT_TRUE(frame(s, d, 0x5A) == frame(s, d, 0))
                << "scene " << static_cast<int>(s) << " at " << d;
}
