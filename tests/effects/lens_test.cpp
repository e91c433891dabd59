// The lens over the picture: grab into distlens, then apply the map, with
// the square placed by flat screen index.
#include <gtest/gtest.h>

#include <vector>

#include "base/base.h"
#include "effects/effects.h"
#include "standins.h"
#include "support.h"

namespace
{

class Lens : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        setupscreen();
        for (int i = 0; i < 128 * 128; i++)
            pixels(distlens)[i] = static_cast<Uint16>(0xC000 + i); // stale
    }
    Uint16 screenat(int x, int y) { return pixels(screen)[y * 320 + x]; }
    Uint16 picat(int x, int y) { return pixels(mirv)[y * 320 + x]; }
    Uint16 grabbed(int i, int j) { return pixels(distlens)[j * 128 + i]; }

    // The frame drawn the plain way, every pixel tested on its own.
    void expectplainframe()
    {
        std::vector<Uint16> scr(pixels(mirv), pixels(mirv) + 76800);
        std::vector<Uint16> grab(pixels(distlens), pixels(distlens) + 128 * 128);
        for (int j = 0; j < 128; j++)
            for (int i = 0; i < 128; i++) {
                int p = (lensx + i) + (lensy + j) * 320;
                if (p >= 0 && p < 76800)
                    grab[j * 128 + i] = scr[p];
            }
        for (int j = 0; j < 128; j++)
            for (int i = 0; i < 128; i++) {
                int p = (lensx + i) + (lensy + j) * 320;
                if (p >= 0 && p < 76800)
                    scr[p] = grab[lens[j * 128 + i]];
            }
        copymirv();
        drawlens();
        for (int p = 0; p < 76800; p++)
            ASSERT_EQ(pixels(screen)[p], scr[p]) << "screen " << p;
        for (int i = 0; i < 128 * 128; i++)
            ASSERT_EQ(pixels(distlens)[i], grab[i]) << "distlens " << i;
    }

    standin picture{mirv, patterned()};
};

TEST_F(Lens, WhollyOnScreen)
{
    lensx = 85, lensy = 101;
    expectplainframe();
    // The centre shows the picture pixel at the square's centre, 30 pixels
    // right of it shows the picture 12 right of it, and everything on or
    // outside the rim keeps the picture.
    EXPECT_EQ(screenat(85 + 64, 101 + 64), picat(85 + 64, 101 + 64));
    EXPECT_NE(screenat(85 + 64 + 30, 101 + 64), picat(85 + 64 + 30, 101 + 64));
    EXPECT_EQ(screenat(85 + 64 + 30, 101 + 64), picat(85 + 64 + 12, 101 + 64));
    for (int y = 0; y < 240; y++)
        for (int x = 0; x < 320; x++) {
            int dx = x - (85 + 64), dy = y - (101 + 64);
            if (dx * dx + dy * dy >= 3481) {
                ASSERT_EQ(screenat(x, y), picat(x, y)) << x << "," << y;
            }
        }
}

// At lensx 195 the three rightmost columns of the square land at the start
// of the next row; at -5 the five leftmost at the end of the row above.
TEST_F(Lens, ColumnsPastTheEdgesWrapToTheNeighbouringRow)
{
    lensx = 195, lensy = 50;
    expectplainframe();
    for (int j = 0; j < 128; j++)
        for (int i = 125; i < 128; i++)
            ASSERT_EQ(grabbed(i, j), picat(i - 125, 50 + j + 1)) << i << "," << j;
    lensx = -5;
    expectplainframe();
    for (int j = 0; j < 128; j++)
        for (int i = 0; i < 5; i++)
            ASSERT_EQ(grabbed(i, j), picat(315 + i, 50 + j - 1)) << i << "," << j;
}

TEST_F(Lens, TopLeftCornerStopsAtTheFirstPixel)
{
    lensx = -5, lensy = 0; // the first five columns of row 0 fall before the screen
    expectplainframe();
    EXPECT_EQ(grabbed(0, 0), 0xC000);
    EXPECT_EQ(grabbed(5, 0), picat(0, 0));
}

// Below row 239 nothing is grabbed or drawn; the on-screen part draws on
// on-screen pixels only, since the map pulls towards the centre.
TEST_F(Lens, BottomOfTheBounce)
{
    lensx = 100, lensy = 128;
    expectplainframe();
    for (int j = 112; j < 128; j++)
        for (int i = 0; i < 128; i++)
            ASSERT_EQ(grabbed(i, j), 0xC000 + j * 128 + i);
    for (int x = 100; x < 228; x++)
        ASSERT_LT(screenat(x, 239), 0xC000) << x; // never a stale grab
}

// Falling off the bottom, the upper half of the square pulls rows that are
// no longer grabbed: they show what distlens held from before.
TEST_F(Lens, StaleGrabsShowWhileTheLensFalls)
{
    lensx = 100, lensy = 180;
    expectplainframe();
    // Row 59 of the square (screen row 239), column 64: the map pulls it
    // from row 63 of the square, which is below the screen.
    EXPECT_EQ(lens[59 * 128 + 64] / 128, 63);
    EXPECT_EQ(screenat(164, 239), 0xC000 + 63 * 128 + 64);
    // A second frame keeps them: distlens is scratch that lives on.
    expectplainframe();
    EXPECT_EQ(screenat(164, 239), 0xC000 + 63 * 128 + 64);
}

TEST_F(Lens, GoneBelowTheScreen)
{
    lensx = -5, lensy = 240; // only the columns left of 0 reach the last row
    expectplainframe();
    for (int i = 0; i < 5; i++)
        EXPECT_EQ(grabbed(i, 0), picat(315 + i, 239));
    EXPECT_EQ(grabbed(5, 0), 0xC000 + 5);
    lensx = 50, lensy = 300;
    expectplainframe();
    for (int p = 0; p < 76800; p++)
        ASSERT_EQ(pixels(screen)[p], pixels(mirv)[p]);
}

} // namespace
