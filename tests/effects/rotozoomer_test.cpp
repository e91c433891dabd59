// The rotozoomer: the band of rows 20..219 mapped back into the picture.
#include <gtest/gtest.h>

#include <vector>

#include "base/base.h"
#include "effects/effects.h"
#include "standins.h"
#include "support.h"

namespace
{

class Rotozoomer : public ::testing::Test
{
  protected:
    void SetUp() override { setupscreen(); }
    Uint16 at(int x, int y) { return pixels(screen)[y * 320 + x]; }
    Uint16 picat(int x, int y) { return pixels(mirv)[y * 320 + x]; }

    // Where screen pixel (x, y) of the band looks in the picture, each
    // product formed on its own.
    static void source(int x, int y, int* u, int* v)
    {
        int sn = rotosin[roto], cs = rotocos[roto];
        int dx = x - 160, dy = y - 120;
        *u = ((dx * sn + dy * cs) >> 8) + 160;
        *v = ((dx * cs - dy * sn) >> 8) + 120;
    }

    standin picture{mirv, patterned()};
};

// Every angle the timeline can reach (and 0), against the mapping worked
// out pixel by pixel; outside the band the plain copy stays.
TEST_F(Rotozoomer, EveryAngleMatchesThePixelByPixelMapping)
{
    for (roto = 0; roto <= 628; roto++) {
        copymirv();
        drawrotozoomer();
        for (int y = 0; y < 240; y++)
            for (int x = 0; x < 320; x++) {
                Uint16 want = picat(x, y);
                if (y >= 20 && y < 220) {
                    int u, v;
                    source(x, y, &u, &v);
                    bool inside = u >= 0 && u <= 319 && v >= 0 && v <= 239 && v * 320 - u >= 0;
                    want = inside ? pixels(mirv)[v * 320 - u] : 0;
                }
                ASSERT_EQ(at(x, y), want) << "roto " << roto << " at " << x << "," << y;
            }
    }
}

TEST_F(Rotozoomer, CentreAlwaysShowsThePixelAboveIt)
{
    for (roto = 1; roto <= 628; roto += 5) {
        copymirv();
        drawrotozoomer();
        ASSERT_EQ(at(160, 120), picat(160, 119)) << roto;
    }
}

// Upright at nearly full size (sn = -255, cs = 0): the band is the picture
// one row up; a row steps 255/256 of a picture pixel a column, so it runs
// from picture column 1 to 319.
TEST_F(Rotozoomer, UprightAtFullSize)
{
    roto = 157;
    ASSERT_EQ(rotosin[roto], -255);
    ASSERT_EQ(rotocos[roto], 0);
    copymirv();
    drawrotozoomer();
    EXPECT_EQ(at(0, 120), picat(1, 119));
    EXPECT_EQ(at(319, 120), picat(319, 119));
    EXPECT_EQ(at(0, 20), picat(1, 19));
    EXPECT_EQ(at(319, 219), picat(319, 217));
}

// Near sn = 0 the band shows the picture at half size, a quarter turn, and
// points of row v = 0 with u >= 1 would sit before the picture: they are
// black, like everything else that maps outside it.
TEST_F(Rotozoomer, RowZeroOfThePictureBeforeItsStartIsBlack)
{
    roto = 314;
    ASSERT_EQ(rotosin[roto], 0);
    ASSERT_EQ(rotocos[roto], 510);
    copymirv();
    drawrotozoomer();
    int found = 0;
    for (int y = 20; y < 220; y++)
        for (int x = 0; x < 320; x++) {
            int u, v;
            source(x, y, &u, &v);
            if (v == 0 && u >= 1 && u <= 319) {
                EXPECT_EQ(at(x, y), 0) << x << "," << y;
                found++;
            }
            if (v == 0 && u == 0) {
                EXPECT_EQ(at(x, y), picat(0, 0));
            }
        }
    EXPECT_GT(found, 0);
}

} // namespace
