// The additive flare sprites.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>

#include "raster/addsaturated.h"
#include "raster/raster.h"
#include "rastertest.h"

using namespace rastertest;

namespace
{

// Flare images of one colour each, and a patterned one whose texels name
// their place (values 1 to 4096 never saturate on black).
Surface plain(Uint16 c)
{
    Surface s = owned(makesurface(64, 64));
    std::fill(pixels(s.get()), pixels(s.get()) + 4096, c);
    return s;
}

Surface patterned()
{
    Surface s = owned(makesurface(64, 64));
    for (int i = 0; i < 4096; i++)
        pixels(s.get())[i] = Uint16(i + 1);
    return s;
}

const Uint16 green = 0x07E0, yellow = 0xFFE0, red = 0xF800;

// The tick count the flares flicker with.
int framedelay;

// Every test draws with flare pictures of its own and puts the demo's back.
struct Flare : ::testing::Test {
    SDL_Surface* saved[3] = {flare1, flare2, flare3};
    void TearDown() override { flare1 = saved[0], flare2 = saved[1], flare3 = saved[2]; }
};

void setup(SDL_Surface* image)
{
    setupscreen();
    static Surface g = plain(green), y = plain(yellow), r = plain(red);
    flare1 = image ? image : g.get();
    flare2 = y.get();
    flare3 = r.get();
    framedelay = 0;
}

// The bounding box of the drawn pixels: left, top, width, height.
std::array<int, 4> box()
{
    int x0 = 320, y0 = 240, x1 = -1, y1 = -1;
    for (int y = 0; y < 240; y++)
        for (int x = 0; x < 320; x++)
            if (at(x, y)) {
                x0 = std::min(x0, x), x1 = std::max(x1, x);
                y0 = std::min(y0, y), y1 = std::max(y1, y);
            }
    if (x1 < 0)
        return {0, 0, 0, 0};
    return {x0, y0, x1 - x0 + 1, y1 - y0 + 1};
}

// The flare drawn by its rules onto a canvas around the screen.
Canvas refflare(int x, int y, int s, const Uint16* image)
{
    Canvas c(-200, -200, 720, 640);
    int step = 4194304 / (s * 256);
    for (int i = 0, tv = 0; i < s; i++, tv += step)
        for (int j = 0, tu = 0; j < s; j++, tu += step)
            c.put(x - s / 2 + j, y - s / 2 + i, image[(tv >> 8) * 64 + (tu >> 8)]);
    return c;
}

} // namespace

TEST_F(Flare, SizeAndFlicker)
{
    // Size 54 on an even row and tick: 64 pixels, one texel each.
    Surface image = patterned();
    setup(image.get());
    drawflare(100, 100, 54, 0, framedelay, screen);
    EXPECT_EQ(box(), (std::array<int, 4>{68, 68, 64, 64}));
    EXPECT_EQ(at(68, 68), 1);
    EXPECT_EQ(at(131, 131), 4096);
    EXPECT_EQ(at(100, 69), 64 + 32 + 1);

    // Odd row, or odd tick: 51 pixels.
    setup(nullptr);
    drawflare(100, 101, 54, 0, framedelay, screen);
    EXPECT_EQ(box(), (std::array<int, 4>{75, 76, 51, 51}));
    setup(nullptr);
    framedelay = 7;
    drawflare(100, 100, 54, 0, framedelay, screen);
    EXPECT_EQ(box()[2], 51);

    // Rows above the screen flicker by the same rule: -3 is odd.
    setup(nullptr);
    drawflare(100, -3, 54, 0, framedelay, screen);
    EXPECT_EQ(box(), (std::array<int, 4>{75, 0, 51, 23}));
    setup(nullptr);
    drawflare(100, -4, 54, 0, framedelay, screen);
    EXPECT_EQ(box(), (std::array<int, 4>{68, 0, 64, 28}));
}

TEST_F(Flare, NothingOfNoSize)
{
    setup(nullptr);
    drawflare(100, 100, -10, 0, framedelay, screen); // s = 0
    drawflare(100, 101, -5, 0, framedelay, screen);  // s = -8 on an odd row
    drawflare(100, 101, 2, 0, framedelay, screen);   // s = -1
    EXPECT_EQ(box()[2], 0);
    drawflare(100, 101, 4, 0, framedelay, screen); // s = 1
    EXPECT_EQ(box(), (std::array<int, 4>{100, 101, 1, 1}));
}

TEST_F(Flare, ImageChoice)
{
    for (int fd = 0; fd < 4; fd++)
        for (int x = 40; x < 44; x++) {
            setup(nullptr);
            framedelay = fd;
            drawflare(x, 100 + fd, 20, 1, framedelay, screen);
            drawflare(x, 160 + fd, 20, 2, framedelay, screen);
            drawflare(x, 200 + fd, 20, 7, framedelay, screen);
            EXPECT_EQ(at(x, 100 + fd), ((x + fd) & 3) == 3 ? yellow : green) << x << " " << fd;
            EXPECT_EQ(at(x, 160 + fd), red);
            EXPECT_EQ(at(x, 200 + fd), green);
        }
}

TEST_F(Flare, AddsChannelBySaturating)
{
    // Red 20 + red 20 saturates at 31; green and blue of the screen stay.
    Surface red20 = plain(20 << 11);
    setup(red20.get());
    for (int i = 0; i < 76800; i++)
        pixels(screen)[i] = Uint16(20 << 11 | 40 << 5 | 7);
    drawflare(50, 50, 54, 0, framedelay, screen);
    EXPECT_EQ(at(50, 50), 31 << 11 | 40 << 5 | 7);
    // Green and blue each saturate alone, with no carry into the next.
    Surface greenblue = plain(40 << 5 | 20);
    setup(greenblue.get());
    for (int i = 0; i < 76800; i++)
        pixels(screen)[i] = Uint16(3 << 11 | 30 << 5 | 20);
    drawflare(50, 50, 54, 0, framedelay, screen);
    EXPECT_EQ(at(50, 50), 3 << 11 | 63 << 5 | 31);
    EXPECT_EQ(at(0, 0), 3 << 11 | 30 << 5 | 20);
    // Black adds nothing; white whitens everything.
    Surface black = plain(0);
    setup(black.get());
    pixels(screen)[50 * 320 + 50] = 0x1234;
    drawflare(50, 50, 54, 0, framedelay, screen);
    EXPECT_EQ(at(50, 50), 0x1234);
    Surface white = plain(0xFFFF);
    setup(white.get());
    pixels(screen)[50 * 320 + 50] = 0x1234;
    drawflare(50, 50, 54, 0, framedelay, screen);
    EXPECT_EQ(at(50, 50), 0xFFFF);
}

// The whole-pixel add against the plain one, channel by channel: every
// pair of values of each channel (the others random), then random pixels
// over random screens through drawflare itself.
Uint16 plainadd(Uint16 d, Uint16 f)
{
    int r = std::min((d >> 11) + (f >> 11), 31);
    int g = std::min(((d >> 5) & 63) + ((f >> 5) & 63), 63);
    int b = std::min((d & 31) + (f & 31), 31);
    return Uint16(r << 11 | g << 5 | b);
}

// The screen as it is, with the flare of `image` added by the plain rules.
Canvas screenwithflare(int x, int y, int size, const Uint16* image)
{
    Canvas want(0, 0, 320, 240);
    for (int py = 0; py < 240; py++)
        for (int px = 0; px < 320; px++)
            want.put(px, py, at(px, py));
    int s = size + 10 - ((y & 1) ? 13 : 0);
    if (s <= 0)
        return want;
    Canvas glow = refflare(x, y, s, image);
    for (int py = 0; py < 240; py++)
        for (int px = 0; px < 320; px++)
            if (glow.inside(px, py) && glow.get(px, py) >= 0)
                want.put(px, py, plainadd(Uint16(want.get(px, py)), Uint16(glow.get(px, py))));
    return want;
}

TEST_F(Flare, WholePixelAddIsTheChannelByChannelAdd)
{
    std::mt19937 rng(7);
    const struct {
        int shift, top;
    } channels[] = {{11, 31}, {5, 63}, {0, 31}};
    for (auto [shift, top] : channels)
        for (int p = 0; p <= top; p++)
            for (int q = 0; q <= top; q++) {
                Uint16 keep = Uint16(~(top << shift));
                Uint16 d = Uint16((rng() & keep) | p << shift);
                Uint16 f = Uint16((rng() & keep) | q << shift);
                ASSERT_EQ(raster::addsaturated(d, f), plainadd(d, f)) << d << " + " << f;
            }
    for (int i = 0; i < 1000000; i++) {
        Uint16 d = Uint16(rng()), f = Uint16(rng());
        ASSERT_EQ(raster::addsaturated(d, f), plainadd(d, f)) << d << " + " << f;
    }

    Surface image = owned(makesurface(64, 64));
    for (int round = 0; round < 50; round++) {
        // A glow with black texels scattered over it, as the real ones have.
        for (int i = 0; i < 4096; i++)
            pixels(image.get())[i] = rng() % 3 ? Uint16(rng()) : 0;
        setup(image.get());
        for (int i = 0; i < 76800; i++)
            pixels(screen)[i] = Uint16(rng());
        int x = int(rng() % 400) - 40, y = int(rng() % 300) - 30, size = int(rng() % 120);
        Canvas want = screenwithflare(x, y, size, pixels(image.get()));
        drawflare(x, y, size, 0, 0, screen);
        ASSERT_EQ(comparescreen(want), "") << "round " << round;
    }
}

#if defined(__x86_64__)
// Runs of every length up to a few vectors, at every alignment, add alike
// thirty-two pixels at a time and eight at a time, and the wide run leaves
// the pixels past its end alone.
TEST(Addsaturated, WideRunsAsEightLaneRuns)
{
    if (!__builtin_cpu_supports("avx512bw"))
        GTEST_SKIP() << "no AVX-512BW here";
    std::mt19937 rng(32);
    std::array<Uint16, 160> start, texels, narrow, wide;
    for (int round = 0; round < 4000; round++) {
        for (int i = 0; i < 160; i++) {
            start[i] = Uint16(rng());
            texels[i] = rng() % 4 ? Uint16(rng()) : 0;
        }
        int at = int(rng() % 32), n = round % 120;
        narrow = start, wide = start;
        raster::addsaturatedrun(narrow.data() + at, texels.data() + at, n);
        raster::addsaturatedrunwide(wide.data() + at, texels.data() + at, n);
        ASSERT_EQ(narrow, wide) << "round " << round << ", " << n << " from " << at;
    }
}
#endif

// The lamps come back at the same sizes, and their glows are kept scaled
// from one frame to the next: drawn again and again, from the first time to
// long after, at sizes kept and past them, more of them than are kept at
// once, near the edges, and after the picture's texels change in place,
// each flare is the one of the plain rules.
TEST_F(Flare, KeptGlowsAreThePlainOnes)
{
    std::mt19937 rng(81);
    Surface image = owned(makesurface(64, 64));
    auto paint = [&] {
        for (int i = 0; i < 4096; i++)
            pixels(image.get())[i] = rng() % 3 ? Uint16(rng()) : 0;
    };
    paint();
    const int sizes[] = {54, 59, 40, 70, 71, 75, 20, 3, 61, 100, 44};
    for (int round = 0; round < 400; round++) {
        if (round % 50 == 49)
            paint();
        else if (round % 50 == 24)
            pixels(image.get())[rng() % 4096] ^= 0x0841;
        setup(image.get());
        for (int i = 0; i < 76800; i++)
            pixels(screen)[i] = Uint16(rng());
        int size = sizes[rng() % (round < 200 ? 3 : 11)];
        int x = int(rng() % 400) - 40, y = int(rng() % 300) - 30;
        Canvas want = screenwithflare(x, y, size, pixels(image.get()));
        drawflare(x, y, size, 0, 0, screen);
        ASSERT_EQ(comparescreen(want), "") << "round " << round << ", size " << size;
    }
}

// Near the edges only the visible part is drawn, with the texels it has on
// a larger canvas.
TEST_F(Flare, ClipsLikeALargerCanvas)
{
    Surface image = patterned();
    const int spots[][2] = {{0, 0},     {319, 0}, {0, 239},  {319, 239},
                            {-20, 120}, {330, 5}, {160, -60}};
    for (auto [x, y] : spots)
        for (int size : {54, 17, 100}) {
            setup(image.get());
            drawflare(x, y, size, 0, framedelay, screen);
            int s = size + 10 - (y & 1 ? 13 : 0);
            ASSERT_EQ(comparescreen(refflare(x, y, s, pixels(image.get()))), "")
                << x << "," << y << " size " << size;
        }
}

TEST_F(Flare, HugeFlaresVisitOnlyTheScreen)
{
    Surface image = patterned();
    setup(image.get());
    drawflare(160, 120, 2000000000, 0, framedelay, screen);
    EXPECT_EQ(box(), (std::array<int, 4>{0, 0, 320, 240}));
    EXPECT_EQ(at(319, 239), 1); // step 0: all of it the first texel
    setup(nullptr);
    drawflare(2147483647, -2147483647 - 1, 2147483647, 1, framedelay, screen);
    drawflare(-2147483647 - 1, 2147483647, 2147483647, 1, framedelay, screen);
    EXPECT_EQ(box()[2], 0);
}
