// The flat and Gouraud fillers, and what the Gouraud triangle shares with the
// textured one.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

#include "raster/raster.h"
#include "rastertest.h"

using namespace rastertest;

namespace
{

// The flat triangle by its rules, over a canvas.
void reffill(Canvas& c, int64_t x[3], int64_t y[3])
{
    for (int round = 0; round < 2; round++) {
        if (y[1] < y[0])
            std::swap(x[0], x[1]), std::swap(y[0], y[1]);
        if (y[2] < y[1])
            std::swap(x[1], x[2]), std::swap(y[1], y[2]);
        if (y[2] < y[0])
            std::swap(x[0], x[2]), std::swap(y[0], y[2]);
    }
    auto slope = [](int64_t dx, int64_t dy) { return dy ? dx * 256 * 256 / (dy * 256) : 0; };
    int64_t s12 = slope(x[1] - x[0], y[1] - y[0]), s23 = slope(x[2] - x[1], y[2] - y[1]);
    int64_t s31 = slope(x[0] - x[2], y[0] - y[2]);
    auto span = [&](int64_t a, int64_t b, int64_t row) {
        for (int64_t col = std::min(a, b); col < std::max(a, b); col++)
            c.put(col, row, 0xFFFF);
    };
    for (int64_t row = y[0]; row <= y[1]; row++)
        span(x[0] + (((row - y[0]) * 256 * s12) >> 16), x[0] + (((row - y[0]) * 256 * s31) >> 16),
             row);
    for (int64_t row = y[1]; row <= y[2]; row++)
        span(x[1] + (((row - y[1]) * 256 * s23) >> 16), x[0] + (((row - y[0]) * 256 * s31) >> 16),
             row);
}

} // namespace

TEST(Horizline, EndsColourAndClipping)
{
    setupscreen();
    drawhorizline(5, 5, 0, 255, 255, screen);
    EXPECT_TRUE(columns(0).empty());
    drawhorizline(5, 2, 1, 0, 1, screen);
    EXPECT_EQ(columns(1), range(2, 4));
    // g is the upper byte, b the lower.
    drawhorizline(0, 1, 2, 1, 2, screen);
    EXPECT_EQ(at(0, 2), 258);
    drawhorizline(-1000000, 1000000, 3, 0, 1, screen);
    EXPECT_EQ(columns(3), range(0, 319));
    drawhorizline(400, 500, 4, 0, 1, screen);
    drawhorizline(-500, -400, 4, 0, 1, screen);
    drawhorizline(0, 320, -1, 0, 1, screen);
    drawhorizline(0, 320, 240, 0, 1, screen);
    EXPECT_EQ(drawn(), 3 + 1 + 320);
}

TEST(Fillvect, OneRowDrawsTheSpanOfTheFirstTwoCorners)
{
    setupscreen();
    setcorners(30, 7, 12, 7, 100, 7);
    filled(0, 1, 2, 0, 1);
    EXPECT_EQ(columns(7), range(12, 29));
    EXPECT_EQ(drawn(), 18);
}

TEST(Fillvect, EveryOrderAndWindingFillsTheSameTriangle)
{
    int orders[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    for (auto& o : orders) {
        setupscreen();
        setcorners(0, 0, 10, 0, 0, 10);
        filled(o[0], o[1], o[2], 0, 1);
        for (int y = 0; y < 10; y++)
            EXPECT_EQ(columns(y), range(0, 9 - y)) << "row " << y;
        EXPECT_TRUE(columns(10).empty());
        EXPECT_EQ(drawn(), 55);
    }
}

// Each row's ends are computed, not stepped, so the rows and columns off the
// screen can be left out; the result must be the screen part of the whole.
TEST(Fillvect, ClipsLikeALargerCanvas)
{
    std::mt19937 rng(2024);
    auto coord = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int n = 0; n < 200; n++) {
        setupscreen();
        int64_t x[3], y[3];
        for (int k = 0; k < 3; k++)
            x[k] = coord(-150, 470), y[k] = coord(-110, 350);
        setcorners(int(x[0]), int(y[0]), int(x[1]), int(y[1]), int(x[2]), int(y[2]));
        filled(0, 1, 2, 255, 255);
        Canvas c(-150, -110, 620, 460);
        reffill(c, x, y);
        ASSERT_EQ(comparescreen(c), "") << "triangle " << n;
    }
    // Millions of pixels away: no overflow, only the screen's rows visited.
    setupscreen();
    setcorners(-4000000, -3000000, 4000000, -3000000, 0, 3000000);
    filled(0, 1, 2, 255, 255);
    EXPECT_EQ(drawn(), 76800);
}

TEST(Gourline, StepsLeftToRightAndFillsRightToLeft)
{
    setupscreen();
    drawgourline(0, 0, 0, 0, 4, 4 * 256, 0, screen);
    EXPECT_EQ(at(0, 0), 0x0000);
    EXPECT_EQ(at(1, 0), 0x0100);
    EXPECT_EQ(at(2, 0), 0x0200);
    EXPECT_EQ(at(3, 0), 0x0300);
    EXPECT_EQ(at(4, 0), 0);

    // Right to left: columns 7 down to 3, both ends, the first end's colour.
    drawgourline(7, 1, 9 * 256, 5 * 256, 3, 200 * 256, 100 * 256, screen);
    EXPECT_EQ(columns(1), range(3, 7));
    EXPECT_EQ(at(3, 1), 0x0905);
    EXPECT_EQ(at(7, 1), 0x0905);

    // Red is lost; b beyond a byte carries into g's byte through the OR.
    drawgourline(0, 2, 0, 0x1FF * 256, 0, 0, 0, screen);
    EXPECT_EQ(at(0, 2), 0x01FF);

    // Clipped on the left: the visible pixels carry the colour they would
    // have on a wider row.
    drawgourline(-100, 3, 0, 0, 156, 0, 256 * 256, screen);
    for (int x = 0; x < 156; x++)
        ASSERT_EQ(at(x, 3), x + 100) << "column " << x;
    EXPECT_EQ(at(156, 3), 0);
}

// Walker a starts at corner 2 when the top is flat: each row is drawn from a
// leftwards to b inclusive, in a's colour.
TEST(Gouraudvect, RowsWithARightOfBTakeAsColour)
{
    setupscreen();
    setcorners(0, 0, 10, 0, 0, 10);
    gouraud(0, 1, 2, 1, 1, 100, 0, 100, 200);
    for (int y = 0; y < 10; y++) {
        EXPECT_EQ(columns(y), range(0, 10 - y)) << "row " << y;
        // a walks from corner 2 to corner 3: b grows by 20 a row.
        for (int x = 0; x <= 10 - y; x++)
            EXPECT_EQ(at(x, y), 100 << 8 | y * 20) << x << "," << y;
    }
    EXPECT_TRUE(columns(10).empty());
    setupscreen();
    gouraud(0, 2, 1, 1, 1, 100, 0, 100, 200);
    EXPECT_EQ(drawn(), 0);

    // Corners on the top row keep their order: with the first one on the
    // left, walker a runs down the right edge from corner 2.
    setupscreen();
    setcorners(0, 0, 10, 0, 10, 10);
    gouraud(0, 1, 2, 0, 1, 0, 50, 0, 250);
    for (int y = 0; y < 10; y++) {
        EXPECT_EQ(columns(y), range(y, 10)) << "row " << y;
        EXPECT_EQ(at(y, y), 50 + 20 * y) << "row " << y;
    }
}

// Over the same triangles both culls agree, and on each row the Gouraud span
// covers the textured one, plus one column at the right where walker a lies
// right of walker b.
TEST(Gouraudvect, CullsAndCoversLikeTheTexturedTriangle)
{
    Surface white = owned(makesurface(256, 256));
    std::fill(pixels(white.get()), pixels(white.get()) + 65536, 0xFFFF);
    std::mt19937 rng(77);
    auto coord = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    int culled = 0, samerows = 0, widerrows = 0;
    std::vector<Uint16> mapped(76800);
    for (int n = 0; n < 300; n++) {
        int p[6];
        for (int k = 0; k < 6; k++)
            p[k] = k % 2 ? coord(-40, 280) : coord(-40, 360);
        if (n % 5 == 0)
            p[3] = p[1]; // flat tops and bottoms
        setcorners(p[0], p[1], p[2], p[3], p[4], p[5]);
        setupscreen();
        textured(0, 1, 2, 0, 0, 0, 0, 0, 0, white.get());
        std::copy(pixels(screen), pixels(screen) + 76800, mapped.begin());
        setupscreen();
        gouraud(0, 1, 2, 255, 255, 255, 255, 255, 255);
        bool none = std::all_of(mapped.begin(), mapped.end(), [](Uint16 c) { return !c; });
        culled += none;
        if (none && drawn() == 0)
            continue;
        for (int y = 0; y < 240; y++) {
            std::vector<int> t;
            for (int x = 0; x < 320; x++)
                if (mapped[y * 320 + x])
                    t.push_back(x);
            std::vector<int> g = columns(y);
            if (g == t) {
                samerows += !t.empty();
                continue;
            }
            // The one extra column is a's own, right of the textured run.
            ASSERT_FALSE(g.empty()) << "triangle " << n << " row " << y;
            int right = g.back();
            g.pop_back();
            ASSERT_EQ(g, t) << "triangle " << n << " row " << y;
            ASSERT_TRUE(t.empty() || t.back() == right - 1) << "triangle " << n << " row " << y;
            widerrows++;
        }
    }
    EXPECT_GT(culled, 100);
    EXPECT_GT(samerows, 1000);
    EXPECT_GT(widerrows, 100);
}
