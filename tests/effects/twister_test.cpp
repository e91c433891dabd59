// The twister: strips 3 pixels wide over the picture, two faces each.
#include <gtest/gtest.h>

#include <vector>

#include "base/base.h"
#include "effects/effects.h"
#include "standins.h"
#include "support.h"

namespace
{

class Twister : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        setupscreen();
        efxc = 80;
    }
    void TearDown() override { efxc = 0, tw1 = tw2 = 1; }
    Uint16 at(int x, int y) { return pixels(screen)[y * 320 + x]; }
    Uint16 picat(int x, int y) { return pixels(groovy)[y * 320 + x]; }
    std::vector<Uint16> column(int x)
    {
        std::vector<Uint16> c;
        for (int y = 0; y < 240; y++)
            c.push_back(at(x, y));
        return c;
    }
    void draw(int wave1, int wave2)
    {
        tw1 = wave1, tw2 = wave2;
        drawtwister();
    }

    // What the strip at angle index a shows in row efxc + y of the bar.
    static int facerow(int a, int y, Uint16* colour)
    {
        if (y >= ty1[a] && y < ty2[a])
            return *colour = textr[txd1[(y - ty1[a]) * 256 + a]], 1;
        if (y >= ty2[a] && y < ty3[a])
            return *colour = textr[txd2[(y - ty2[a]) * 256 + a]], 2;
        return 0;
    }

    standin picture{groovy, patterned()};
};

// Without a twist every strip shows angle tw2 mod 256: the bar rows are
// the face rows of that angle, everything else is the picture.
TEST_F(Twister, NoTwistDrawsOneAngleEverywhere)
{
    for (int t : {0, 45, 300, 511}) {
        draw(t, t);
        for (int x = 1; x <= 318; x++)
            for (int y = 0; y < 240; y++) {
                Uint16 colour;
                if (y >= 80 && facerow(t % 256, y - 80, &colour))
                    ASSERT_EQ(at(x, y), colour) << t << " at " << x << "," << y;
                else
                    ASSERT_EQ(at(x, y), picat(x, y)) << t << " at " << x << "," << y;
            }
    }
}

TEST_F(Twister, OuterColumnsKeepThePicture)
{
    const int waves[][2] = {{-100, 85}, {1268, 5}, {-268, 655}, {200, 200}};
    for (auto& w : waves) {
        draw(w[0], w[1]);
        for (int y = 0; y < 240; y++) {
            ASSERT_EQ(at(0, y), picat(0, y));
            ASSERT_EQ(at(319, y), picat(319, y));
        }
    }
}

// Where one face has no rows (face 2 at 127, face 1 at 128) the bar shows
// the other face alone, over its whole height.
TEST_F(Twister, ZeroHeightFaces)
{
    Uint16 colour;
    draw(127, 127);
    for (int y = 13; y < 77; y++)
        ASSERT_EQ(facerow(127, y, &colour), 1) << y;
    EXPECT_EQ(at(100, 80 + 13), textr[0]);
    EXPECT_EQ(at(100, 80 + 77), picat(100, 80 + 77));
    draw(128, 128);
    for (int y = 13; y < 77; y++)
        ASSERT_EQ(facerow(128, y, &colour), 2) << y;
    EXPECT_EQ(at(100, 80 + 13), textr[0]);
    EXPECT_EQ(at(100, 80 + 12), picat(100, 80 + 12));
}

// A twist of -256 per strip walks down from index 0 to 255; +256 walks up
// from 255 to 0. Each strip is drawn like the untwisted bar at its angle.
TEST_F(Twister, TheAngleWrapsBothWays)
{
    // The untwisted bar at both angles, in the columns of strips 0 and 1.
    draw(255, 255);
    std::vector<Uint16> first255 = column(1), second255 = column(4);
    draw(0, 0);
    std::vector<Uint16> first0 = column(1), second0 = column(4);
    ASSERT_NE(second0, second255);

    draw(320, 0); // (0 - 320) * 65536 / 81920 = -256 a strip
    EXPECT_EQ(column(1), first0);
    EXPECT_EQ(column(4), second255);
    draw(-65, 255); // +256 a strip
    EXPECT_EQ(column(1), first255);
    EXPECT_EQ(column(4), second0);
}

TEST_F(Twister, FirstTickOfTheScene)
{
    // The twist is (85 + 100) * 65536 / 81920 = 148 a strip: the last strip
    // (x = 316) sits at 85 * 256 + 105 * 148 = 37300, index 145, and shows the
    // untwisted bar of that angle.
    draw(145, 145);
    std::vector<Uint16> untwisted = column(316);
    draw(-100, 85);
    EXPECT_EQ(column(316), untwisted);
}

// Moved down, rows past the screen are skipped but still step down the
// ramp, so what shows is the top of the same bar.
TEST_F(Twister, LowBarIsCutAtTheLastRow)
{
    draw(-100, 85);
    std::vector<Uint16> high(pixels(screen) + 80 * 320, pixels(screen) + 120 * 320);
    efxc = 200;
    draw(-100, 85);
    std::vector<Uint16> low(pixels(screen) + 200 * 320, pixels(screen) + 240 * 320);
    for (size_t p = 0; p < low.size(); p++) {
        Uint16 pic = pixels(groovy)[80 * 320 + p], cut = pixels(groovy)[200 * 320 + p];
        ASSERT_EQ(high[p] == pic, low[p] == cut) << p;
        if (high[p] != pic) {
            ASSERT_EQ(high[p], low[p]) << p;
        }
    }
}

} // namespace
