// The textured triangle and its span writer.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <string>
#include <vector>

#include "raster/quotient.h"
#include "raster/raster.h"
#include "raster/triangle.h"
#include "rastertest.h"

using namespace rastertest;

namespace
{

SDL_Surface* tex() { return identitytexture(); }

// Texel value for texture coordinates (u, v) in 0 to 65535.
Uint16 texel(int u, int v) { return Uint16((u >> 8) + ((-(v >> 8)) & 255) * 256); }

// A texture coordinate that makes every texel nonzero, so coverage shows.
constexpr long U = 100 * 256, V = 200 * 256;

// Draws the triangle in both windings, one of which faces the eye, each on
// a cleared screen, against the step-by-step reference: the first
// difference, or "" when there is none.
std::string bothwindings(const int64_t* x, const int64_t* y, const int64_t* u, const int64_t* v)
{
    for (int turn = 0; turn < 2; turn++) {
        int b = turn ? 2 : 1, c = turn ? 1 : 2;
        int64_t xs[3] = {x[0], x[b], x[c]}, ys[3] = {y[0], y[b], y[c]};
        int64_t us[3] = {u[0], u[b], u[c]}, vs[3] = {v[0], v[b], v[c]};
        setupscreen();
        setcorners(int(xs[0]), int(ys[0]), int(xs[1]), int(ys[1]), int(xs[2]), int(ys[2]));
        textured(0, 1, 2, long(us[0]), long(vs[0]), long(us[1]), long(vs[1]), long(us[2]),
                 long(vs[2]), tex());
        Canvas cv(0, 0, 320, 240);
        reftextured(cv, xs, ys, us, vs, pixels(tex()));
        std::string diff = comparescreen(cv);
        if (!diff.empty())
            return "turn " + std::to_string(turn) + ": " + diff;
    }
    return "";
}

} // namespace

TEST(Textured, KeepsClockwiseFacesAndCullsTheOthers)
{
    setupscreen();
    // Corners 0, 1, 2 run clockwise; every rotation of them keeps the winding.
    setcorners(10, 10, 60, 10, 10, 60);
    int orders[6][3] = {{0, 2, 1}, {2, 1, 0}, {1, 0, 2}, {0, 1, 2}, {1, 2, 0}, {2, 0, 1}};
    for (int n = 0; n < 6; n++) {
        setupscreen();
        textured(orders[n][0], orders[n][1], orders[n][2], U, V, U, V, U, V, tex());
        EXPECT_EQ(drawn(), n < 3 ? 0 : 1275) << "order " << n;
    }
}

TEST(Textured, DegenerateTriangles)
{
    // Collinear corners on a slant: a one-pixel line over rows y1 to y3 - 1.
    setupscreen();
    setcorners(20, 10, 27, 24, 34, 38);
    textured(0, 1, 2, U, V, U, V, U, V, tex());
    for (int y = 10; y < 38; y++)
        EXPECT_EQ(columns(y).size(), 1u) << "row " << y;
    EXPECT_EQ(drawn(), 28);

    // All three corners on one row: nothing.
    setupscreen();
    setcorners(10, 50, 90, 50, 40, 50);
    textured(0, 1, 2, U, V, U, V, U, V, tex());
    EXPECT_EQ(drawn(), 0);
}

TEST(Textured, FlatTopAndFlatBottomLeaveOutTheBottomRow)
{
    // Flat top: corners (0,0), (10,0), (0,10) fill columns 0 to 9 - y.
    setupscreen();
    setcorners(0, 0, 10, 0, 0, 10);
    textured(0, 1, 2, U, V, U, V, U, V, tex());
    for (int y = 0; y < 10; y++)
        EXPECT_EQ(columns(y), range(0, 9 - y)) << "row " << y;
    EXPECT_TRUE(columns(10).empty());

    // Flat bottom: apex row drawn, bottom row 60 not.
    setupscreen();
    setcorners(100, 20, 140, 60, 60, 60);
    textured(0, 1, 2, U, V, U, V, U, V, tex());
    EXPECT_EQ(columns(20), range(100, 100));
    EXPECT_EQ(columns(59), range(61, 138));
    EXPECT_TRUE(columns(60).empty());
}

TEST(Textured, SpanEnds)
{
    setupscreen();
    // Equal ends draw one pixel; 10 to 11 draws column 10 only.
    drawtextrline(5, 0, U, V, 5, 0, 0, tex(), screen);
    drawtextrline(10, 1, U, V, 11, U, V, tex(), screen);
    EXPECT_EQ(columns(0), range(5, 5));
    EXPECT_EQ(columns(1), range(10, 10));
    // On one column the pixel takes the end given first.
    drawtextrline(7, 2, 0, 0, 7, 65535, 0, tex(), screen);
    EXPECT_EQ(at(7, 2), texel(0, 0));

    // Right to left is the same span as left to right.
    drawtextrline(40, 3, 9000, 300, 200, 60000, 40000, tex(), screen);
    drawtextrline(200, 4, 60000, 40000, 40, 9000, 300, tex(), screen);
    for (int x = 0; x < 320; x++)
        ASSERT_EQ(at(x, 3), at(x, 4)) << "column " << x;
    EXPECT_EQ(columns(3), range(40, 199));
}

TEST(Textured, TexelAddress)
{
    setupscreen();
    // v runs upwards: 0 reads row 0, 256 reads row 255, 65280 row 1.
    drawtextrline(0, 0, 5 * 256, 0, 0, 0, 0, tex(), screen);
    drawtextrline(1, 0, 5 * 256, 256, 1, 0, 0, tex(), screen);
    drawtextrline(2, 0, 5 * 256, 65280, 2, 0, 0, tex(), screen);
    EXPECT_EQ(at(0, 0), 5);
    EXPECT_EQ(at(1, 0), 255 * 256 + 5);
    EXPECT_EQ(at(2, 0), 256 + 5);
    // u = 65536 does not wrap on its own: it carries into row 1.
    drawtextrline(3, 0, 65536, 0, 3, 0, 0, tex(), screen);
    EXPECT_EQ(at(3, 0), 256);
    // Coordinates at the ends of 32 bits: the step is the exact quotient and
    // the sum wraps into the texel address, identically on 32-bit machines.
    int64_t u1 = INT32_MIN + 5 * 256, u2 = INT32_MAX, du = (u2 - u1) / 2;
    drawtextrline(4, 0, long(u1), 0, 6, long(u2), 0, tex(), screen);
    EXPECT_EQ(at(4, 0), 5);
    EXPECT_EQ(at(5, 0), Uint16((u1 + du) >> 8));
}

// Spans at random, from short to the whole row and partly off either side,
// with coordinates anywhere in 32 bits, so that v wraps at nearly every
// pixel: every pixel is the texel of the coordinates stepped one by one.
TEST(Textured, SpansStepPixelByPixel)
{
    std::mt19937 rng(616);
    for (int n = 0; n < 3000; n++) {
        setupscreen();
        int x1 = int(rng() % 700) - 200, x2 = n % 3 ? x1 + int(rng() % 12) : int(rng() % 700) - 200;
        int32_t u1 = int32_t(rng()), v1 = int32_t(rng()), u2 = int32_t(rng()), v2 = int32_t(rng());
        if (n % 5 == 0)
            v2 = v1 + int32_t(rng() % 512) - 256; // few wraps
        drawtextrline(x1, 7, u1, v1, x2, u2, v2, tex(), screen);
        int lo = std::min(x1, x2), hi = std::max(x1, x2);
        int64_t width = hi - lo;
        uint32_t u = uint32_t(x1 <= x2 ? u1 : u2), v = uint32_t(x1 <= x2 ? v1 : v2), du = 0, dv = 0;
        if (width > 0) {
            du = uint32_t(((x1 <= x2 ? int64_t(u2) - u1 : int64_t(u1) - u2)) / width);
            dv = uint32_t(((x1 <= x2 ? int64_t(v2) - v1 : int64_t(v1) - v2)) / width);
        }
        for (int x = 0; x < 320; x++) {
            bool inside = x >= lo && x < std::max(hi, lo + 1);
            uint32_t k = uint32_t(x - lo), pu = u + k * du, pv = v + k * dv;
            Uint16 want = inside ? Uint16((pu >> 8) - (pv >> 8) * 256) : 0;
            ASSERT_EQ(at(x, 7), want) << "span " << n << ", column " << x;
        }
    }
}

// A triangle partly off the screen writes exactly the screen part of what it
// writes on a larger canvas: the steps over rows above and columns left of
// the screen land where one-by-one stepping would.
TEST(Textured, ClipsLikeALargerCanvas)
{
    std::mt19937 rng(1988);
    auto coord = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    int clipped = 0, drawnany = 0;
    for (int n = 0; n < 300; n++) {
        setupscreen();
        int64_t x[3], y[3], u[3], v[3];
        for (int k = 0; k < 3; k++) {
            x[k] = coord(-150, 470), y[k] = coord(-110, 350);
            // Mostly in-range coordinates, some far beyond a texture's span.
            bool wide = n % 5 == 0;
            u[k] = wide ? coord(-(1 << 24), 1 << 24) : coord(0, 65535);
            v[k] = wide ? coord(-(1 << 24), 1 << 24) : coord(0, 65535);
        }
        // Some flat tops and bottoms among them.
        if (n % 7 == 0)
            y[1] = y[n % 3 == 0 ? 0 : 2];
        setcorners(int(x[0]), int(y[0]), int(x[1]), int(y[1]), int(x[2]), int(y[2]));
        textured(0, 1, 2, u[0], v[0], u[1], v[1], u[2], v[2], tex());
        Canvas c(-150, -110, 620, 460);
        reftextured(c, x, y, u, v, pixels(tex()));
        ASSERT_EQ(comparescreen(c), "") << "triangle " << n;
        clipped += c.offscreen() > 0;
        drawnany += drawn() > 0;
    }
    EXPECT_GT(clipped, 80);
    EXPECT_GT(drawnany, 120);
}

// Corners millions of pixels away (an eye inside a mesh) neither overflow
// nor take longer than a visible triangle.
TEST(Textured, HugeAndFarOffTriangles)
{
    setupscreen();
    setcorners(-3000000, -3000000, 3000000, -3000000, 0, 3000000);
    textured(0, 1, 2, U, V, U, V, U, V, tex());
    EXPECT_EQ(drawn(), 76800);
    EXPECT_EQ(at(319, 239), texel(U, V));

    // Cross products beyond 64 bits still get their sign right.
    setupscreen();
    setcorners(INT_MIN, INT_MIN, INT_MAX, INT_MIN, 0, INT_MAX);
    textured(0, 2, 1, U, V, U, V, U, V, tex());
    EXPECT_EQ(drawn(), 0);
    textured(0, 1, 2, U, V, U, V, U, V, tex());
    EXPECT_EQ(drawn(), 76800);

    // Far off to the right, below, or beyond the left edge: nothing.
    setupscreen();
    setcorners(5000000, 0, 9000000, 0, 5000000, 200);
    textured(0, 1, 2, U, V, U, V, U, V, tex());
    setcorners(0, 4000000, 300, 4000000, 0, 8000000);
    textured(0, 1, 2, U, V, U, V, U, V, tex());
    setcorners(-9000000, -100, -5000000, -100, -9000000, 400);
    textured(0, 1, 2, U, V, U, V, U, V, tex());
    EXPECT_EQ(drawn(), 0);

    // A span across four billion columns: each visible pixel gets the value
    // the one-by-one stepping would give it.
    setupscreen();
    drawtextrline(-2000000000, 7, 0, 0, 2000000000, 4000000000L / 256 * 256 / 2, 0, tex(), screen);
    int64_t du = (4000000000LL / 256 * 256 / 2) / 4000000000LL;
    for (int x = 0; x < 320; x++)
        ASSERT_EQ(at(x, 7), Uint16(((x + 2000000000LL) * du) >> 8)) << "column " << x;
}

// Corners on either side of 2^22 pixels from the origin, where the walk
// leaves 32 bits for 64, draw what the one-by-one stepping draws.
TEST(Textured, CornersAroundTheWideWalk)
{
    std::mt19937 rng(22);
    const int edge = 1 << 22;
    // A wedge from far left to far right and back, whose long sides are
    // 2^23 pixels across, just short of and just past it.
    for (int w : {edge - 1, edge + 10}) {
        setupscreen();
        int64_t x[3] = {-w, w, -w}, y[3] = {0, 100, 200}, u[3] = {0, 65535, 300},
                v[3] = {65535, 0, 900};
        setcorners(int(x[0]), int(y[0]), int(x[1]), int(y[1]), int(x[2]), int(y[2]));
        textured(0, 1, 2, u[0], v[0], u[1], v[1], u[2], v[2], tex());
        Canvas cv(0, 0, 320, 240);
        reftextured(cv, x, y, u, v, pixels(tex()));
        ASSERT_EQ(comparescreen(cv), "") << "half width " << w;
        EXPECT_GT(drawn(), 15000);
    }
    int drawnany = 0;
    for (int n = 0; n < 16; n++) {
        setupscreen();
        int64_t x[3], y[3], u[3], v[3];
        for (int k = 0; k < 3; k++) {
            x[k] = int64_t(rng() % 320), y[k] = int64_t(rng() % 240);
            u[k] = int64_t(rng() % 65536), v[k] = int64_t(rng() % 65536);
        }
        // One corner far out on one axis, just inside or just outside, and
        // in every other triangle a second one as far the other way.
        int far = n % 3, sign = n % 2 ? 1 : -1, at = edge - 2 + int(rng() % 4);
        int64_t* axis = n % 4 < 2 ? x : y;
        axis[far] = sign * at;
        if (n % 8 >= 4)
            axis[(far + 1) % 3] = -sign * (edge - 2 + int(rng() % 4));
        setcorners(int(x[0]), int(y[0]), int(x[1]), int(y[1]), int(x[2]), int(y[2]));
        for (int turn = 0; turn < 2; turn++) {
            // Both windings: one of them faces the eye.
            int b = turn ? 2 : 1, c = turn ? 1 : 2;
            int64_t xs[3] = {x[0], x[b], x[c]}, ys[3] = {y[0], y[b], y[c]};
            int64_t us[3] = {u[0], u[b], u[c]}, vs[3] = {v[0], v[b], v[c]};
            setupscreen();
            textured(0, b, c, us[0], vs[0], us[1], vs[1], us[2], vs[2], tex());
            Canvas cv(0, 0, 320, 240);
            reftextured(cv, xs, ys, us, vs, pixels(tex()));
            ASSERT_EQ(comparescreen(cv), "") << "triangle " << n << ", turn " << turn;
            drawnany += drawn() > 0;
        }
    }
    EXPECT_GE(drawnany, 12);
}

// Texture coordinates anywhere in 32 bits, from one extreme to the other
// over one row, a few rows or many, each side walked against the
// step-by-step reference: the walk keeps u and v in one word, which must
// never let v's carries reach u.
TEST(Textured, CoordinatesAcrossAll32Bits)
{
    std::mt19937 rng(32);
    const int64_t ends[] = {INT32_MIN, INT32_MIN + 1, -1, 0, 1, INT32_MAX - 1, INT32_MAX};
    for (int n = 0; n < 400; n++) {
        int64_t x[3], y[3], u[3], v[3];
        int rows = n % 4 == 0 ? 1 + n % 3 : 1 + int(rng() % 200);
        int top = int(rng() % 240) - 20;
        for (int k = 0; k < 3; k++) {
            x[k] = int64_t(rng() % 400) - 40;
            y[k] = k == 0 ? top : top + int64_t(rng() % uint32_t(rows + 1));
            bool extreme = n % 2 == 0;
            u[k] = extreme ? ends[rng() % 7] : int64_t(int32_t(rng()));
            v[k] = extreme ? ends[rng() % 7] : int64_t(int32_t(rng()));
        }
        y[1 + n % 2] = top + rows;
        ASSERT_EQ(bothwindings(x, y, u, v), "") << "triangle " << n;
    }
}

// Each way of drawing the rows that this processor runs draws what the
// step-by-step reference draws: small triangles, whose rows of one to a few
// pixels end anywhere in a block of eight, and larger ones, with rows past
// eight and clipped at every edge, texture coordinates anywhere in 32 bits.
TEST(Textured, EveryRowPathAsTheReference)
{
    const raster::Spanpath fastest = raster::texturespans;
    int ran = 0;
    for (raster::Spanpath path :
         {raster::Spanpath::plain, raster::Spanpath::queued, raster::Spanpath::queuedwide}) {
        if (!raster::runs(path))
            continue;
        ran++;
        raster::texturespans = path;
        std::mt19937 rng(8);
        for (int n = 0; n < 600; n++) {
            int reach = n % 2 ? 14 : 160;
            int64_t cx = int64_t(rng() % 400) - 40, cy = int64_t(rng() % 300) - 30;
            int64_t x[3], y[3], u[3], v[3];
            for (int k = 0; k < 3; k++) {
                x[k] = cx + int64_t(rng() % uint32_t(2 * reach + 1)) - reach;
                y[k] = cy + int64_t(rng() % uint32_t(2 * reach + 1)) - reach;
                u[k] = n % 3 ? int64_t(rng() % 65536) : int64_t(int32_t(rng()));
                v[k] = n % 3 ? int64_t(rng() % 65536) : int64_t(int32_t(rng()));
            }
            ASSERT_EQ(bothwindings(x, y, u, v), "") << "path " << int(path) << ", triangle " << n;
        }
    }
    raster::texturespans = fastest;
    EXPECT_TRUE(raster::runs(fastest));
    EXPECT_GE(ran, 1);
}

// A mesh drawn in one call is the faces drawn one by one in the same order,
// on each way of drawing the rows: small faces overlapping, some looking
// away, some large, and some with a corner millions of pixels off, which take
// the wide walk between near ones.
TEST(Textured, FacesInOneCallAsOneByOne)
{
    const raster::Spanpath fastest = raster::texturespans;
    for (raster::Spanpath path :
         {raster::Spanpath::plain, raster::Spanpath::queued, raster::Spanpath::queuedwide}) {
        if (!raster::runs(path))
            continue;
        raster::texturespans = path;
        std::mt19937 rng(3);
        std::vector<Corner2> faces;
        for (int n = 0; n < 300; n++) {
            int reach = n % 10 == 0 ? 200 : 30;
            int cx = int(rng() % 360) - 20, cy = int(rng() % 280) - 20;
            for (int k = 0; k < 3; k++) {
                Corner2 c{cx + int(rng() % unsigned(2 * reach + 1)) - reach,
                          cy + int(rng() % unsigned(2 * reach + 1)) - reach, long(rng() % 65536),
                          long(rng() % 65536)};
                if (n % 25 == 7 && k == 2)
                    c.x = n % 2 ? 5000000 : -5000000;
                faces.push_back(c);
            }
        }
        setupscreen();
        drawtextrvects(faces.data(), 300, tex(), screen);
        std::vector<Uint16> once(pixels(screen), pixels(screen) + 76800);
        setupscreen();
        for (int n = 0; n < 300; n++)
            drawtextrvect(faces[3 * n], faces[3 * n + 1], faces[3 * n + 2], tex(), screen);
        EXPECT_GT(drawn(), 20000);
        EXPECT_TRUE(std::equal(once.begin(), once.end(), pixels(screen))) << "path " << int(path);
    }
    raster::texturespans = fastest;
}

// Interpolation stays exact when the steps over off-screen rows and columns
// are tens of thousands long.
TEST(Textured, LargeTriangleMatchesStepByStep)
{
    setupscreen();
    int64_t x[3] = {-30000, 25000, 160}, y[3] = {-20000, -15000, 24000};
    int64_t u[3] = {0, 65535, 30000}, v[3] = {65535, 1000, 0};
    setcorners(int(x[0]), int(y[0]), int(x[1]), int(y[1]), int(x[2]), int(y[2]));
    textured(0, 1, 2, u[0], v[0], u[1], v[1], u[2], v[2], tex());
    Canvas c(0, 0, 320, 240);
    reftextured(c, x, y, u, v, pixels(tex()));
    EXPECT_GT(drawn(), 76000);
    EXPECT_EQ(comparescreen(c), "");
}

// A step's quotient is the 64-bit division's, whether both numbers fit in
// 32 bits or not, at the edges of 32 bits and at random.
TEST(Textured, StepQuotientIsTheDivision)
{
    const int64_t big = int64_t(1) << 31;
    std::vector<int64_t> ns = {0, 1, 255, 65535, big - 1, big, big + 1, 2 * big, 4 * big - 1};
    std::vector<int64_t> ds = {1, 2, 3, 7, 256, 1024, big - 1, big, big + 1, 8 * big};
    std::mt19937_64 rng(34);
    for (int i = 0; i < 20; i++) {
        ns.push_back(int64_t(rng() % (4 * uint64_t(big))));
        ds.push_back(1 + int64_t(rng() % (i % 2 ? 1024 : 4 * uint64_t(big))));
    }
    for (int64_t d : ds)
        for (int64_t n : ns)
            for (int64_t sn : {n, -n})
                ASSERT_EQ(raster::quotient(sn, d), sn / d) << sn << " / " << d;
}

// A span's quotient by a reciprocal, for every width it takes one for and a
// few past them, is the division's: at the largest differences of two 32-bit
// coordinates, around every multiple of the width there, and at random.
TEST(Textured, SpanQuotientIsTheDivision)
{
    std::mt19937_64 rng(1023);
    const int64_t most = (int64_t(1) << 32) - 1;
    for (int64_t d = 1; d < 1100; d++) {
        std::vector<int64_t> ns = {0,     1,    d - 1,           d,
                                   d + 1, most, most - most % d, most - most % d - 1};
        for (int i = 0; i < 40; i++)
            ns.push_back(int64_t(rng() % uint64_t(most + 1)));
        for (int64_t n : ns)
            for (int64_t sn : {n, -n})
                ASSERT_EQ(raster::spanquotient(sn, d), sn / d) << sn << " / " << d;
    }
}

#if defined(__SIZEOF_INT128__)
// The back-face test against the cross product taken in 128 bits (where
// the compiler has them), with corners on the screen, around the edge where
// the short product stops being used, and anywhere in 32 bits.
TEST(Textured, FacingIsTheSignOfTheCrossProduct)
{
    std::mt19937 rng(30);
    const int64_t spreads[] = {400, (int64_t(1) << 30) + 8, int64_t(1) << 32};
    for (int64_t spread : spreads)
        for (int n = 0; n < 100000; n++) {
            Corner2 c[3];
            for (auto& k : c) {
                auto pick = [&] {
                    int64_t centre = spread == 400 ? 0 : (rng() % 2 ? 1 : -1) * (spread - 16);
                    int64_t r = centre + int64_t(rng() % uint64_t(std::min<int64_t>(spread, 64))) -
                                std::min<int64_t>(spread, 64) / 2;
                    if (spread > (int64_t(1) << 31))
                        r = int32_t(rng());
                    return int(std::clamp<int64_t>(r, INT_MIN, INT_MAX));
                };
                k.x = pick(), k.y = pick();
            }
            __int128 cross = __int128(int64_t(c[1].x) - c[0].x) * (int64_t(c[2].y) - c[0].y) -
                             __int128(int64_t(c[2].x) - c[0].x) * (int64_t(c[1].y) - c[0].y);
            ASSERT_EQ(raster::facesaway(c[0], c[1], c[2]), cross < 0)
                << c[0].x << "," << c[0].y << " " << c[1].x << "," << c[1].y << " " << c[2].x << ","
                << c[2].y;
        }
}
#endif
