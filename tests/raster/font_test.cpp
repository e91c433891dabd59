// drawstring against synthetic fonts whose every pixel is known: glyph
// mapping, pen advance, blends and clipping, compared with a plain
// pixel-by-pixel model of the same rules.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "base/base.h"
#include "raster/raster.h"
#include "support.h"

namespace
{

struct FontGeometry {
    int rowlen, rows, cellh, first;
    int* widths;
};

const FontGeometry back{514, 192, 32, 2, backfontwidth};
const FontGeometry big{512, 270, 45, 1, bigfontwidth};

const FontGeometry& geometry(int font) { return font == 1 ? back : big; }

// Every font pixel differs from its neighbours; one in seven is 0, and the
// space has pixels of its own, so drawing it is visible.
SDL_Surface* patternfont(const FontGeometry& g)
{
    SDL_Surface* s = makesurface(g.rowlen, g.rows);
    for (int i = 0; i < g.rowlen * g.rows; i++)
        pixels(s)[i] = i % 7 == 3 ? 0 : Uint16(i * 40503u >> 3 | 1);
    return s;
}

// Pixel (gx, gy) of glyph g's cell in the font image.
Uint16& cellpixel(int font, int g, int gx, int gy)
{
    const FontGeometry& f = geometry(font);
    Uint16* img = pixels(font == 1 ? backfont : fontti);
    return img[(g / 16 * f.cellh + gy) * f.rowlen + g % 16 * 32 + gx];
}

// The rules written out one pixel at a time, with no cleverness.
void model(Uint16* t, int x, int y, int mask, int xorflag, const std::string& text, int font)
{
    const FontGeometry& f = geometry(font);
    const Uint16* img = pixels(font == 1 ? backfont : fontti);
    long long pen = 0;
    for (char ch : text) {
        int g = static_cast<signed char>(ch) - 32;
        if (g < 0 || g > 90)
            g = 0;
        int w = f.widths[g];
        int sx = g % 16 * 32, sy = g / 16 * f.cellh;
        for (int gx = f.first; gx < w; gx++)
            for (int gy = f.first; gy < f.cellh; gy++) {
                long long tx = x + pen + gx, ty = (long long)y + gy;
                if (tx < 0 || tx > 319 || ty < 0 || ty > 239)
                    continue;
                Uint16 s = img[(sy + gy) * f.rowlen + sx + gx];
                Uint16& p = t[ty * 320 + tx];
                if (font == 1) {
                    if (s)
                        p = s;
                } else {
                    if (xorflag > 0)
                        p ^= s;
                    p |= s & mask;
                }
            }
        pen += w;
    }
}

std::vector<Uint16> snapshot(SDL_Surface* s, int n = 76800)
{
    return std::vector<Uint16>(pixels(s), pixels(s) + n);
}

// Fills the screen with a busy pattern, so that every blend shows.
void fillscreen()
{
    for (int i = 0; i < 76800; i++)
        pixels(screen)[i] = Uint16(i * 2654435761u >> 16);
}

class DrawString : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        setupscreen();
        savedback = backfont, savedbig = fontti;
        backfont = patternfont(back);
        fontti = patternfont(big);
        std::copy(backfontwidth, backfontwidth + 96, backwidths);
        std::copy(bigfontwidth, bigfontwidth + 96, bigwidths);
        fillscreen();
    }
    void TearDown() override
    {
        SDL_FreeSurface(backfont);
        SDL_FreeSurface(fontti);
        backfont = savedback, fontti = savedbig;
        std::copy(backwidths, backwidths + 96, backfontwidth);
        std::copy(bigwidths, bigwidths + 96, bigfontwidth);
    }

    // drawstring and the model from the same screen give the same screen.
    void expectmodel(int x, int y, int mask, int xorflag, const std::string& text, int font)
    {
        std::vector<Uint16> want = snapshot(screen);
        model(want.data(), x, y, mask, xorflag, text, font);
        drawstring(x, y, mask, xorflag, text.c_str(), font, screen);
        EXPECT_TRUE(snapshot(screen) == want)
            << "\"" << text << "\" at " << x << ", " << y << " font " << font;
    }

    // The screen after drawing text on the current screen.
    std::vector<Uint16> drawn(const std::string& text, int font, int x = 40, int y = 50)
    {
        std::vector<Uint16> before = snapshot(screen);
        drawstring(x, y, 0xFFFF, 0, text.c_str(), font, screen);
        std::vector<Uint16> after = snapshot(screen);
        std::copy(before.begin(), before.end(), pixels(screen));
        return after;
    }

    SDL_Surface *savedback, *savedbig;
    int backwidths[96], bigwidths[96];
};

TEST_F(DrawString, MatchesTheModelForWholeStringsInBothFonts)
{
    for (int font : {1, 2, 0, -7}) {
        expectmodel(13, 17, 0xFFFF, 0, "HELLO, World 1!", font);
        expectmodel(0, 0, 0xFFFF, 0, "fijlt I!", font);
    }
}

TEST_F(DrawString, CodesOutsideTheFontDrawAsSpaces)
{
    for (int font : {1, 2}) {
        std::vector<Uint16> space = drawn(" A", font);
        // Plain char may be signed or unsigned; the bytes are what counts.
        for (int b : {1, 31, 123, 126, 127, 128, 160, 200, 255}) {
            std::string text{char(b), 'A'};
            EXPECT_TRUE(drawn(text, font) == space) << "byte " << b << " font " << font;
        }
        EXPECT_TRUE(drawn("z", font) != drawn(" ", font)) << "z is the last glyph";
    }
}

TEST_F(DrawString, EmptyStringDrawsNothing)
{
    std::vector<Uint16> before = snapshot(screen);
    drawstring(10, 10, 0xFFFF, 1, "", 1, screen);
    drawstring(10, 10, 0xFFFF, 1, "", 0, screen);
    EXPECT_TRUE(snapshot(screen) == before);
}

TEST_F(DrawString, PenAdvancesByEachGlyphsWidth)
{
    // "I" is narrow in both fonts, so the next glyph starts early.
    for (int font : {1, 2}) {
        const FontGeometry& f = geometry(font);
        int wi = f.widths['I' - 32];
        std::vector<Uint16> apart = drawn("I", font, 100, 60);
        std::copy(apart.begin(), apart.end(), pixels(screen));
        std::vector<Uint16> both = drawn("A", font, 100 + wi, 60);
        fillscreen();
        EXPECT_TRUE(drawn("IA", font, 100, 60) == both) << "font " << font;
    }
}

TEST_F(DrawString, DrawnAreaStartsPastTheSkippedColumnsAndRows)
{
    for (int font : {1, 2}) {
        const FontGeometry& f = geometry(font);
        for (int i = 0; i < 76800; i++)
            pixels(screen)[i] = 0;
        std::vector<Uint16> out = drawn("M", font, 100, 50);
        int g = 'M' - 32, w = f.widths[g];
        int left = 320, top = 240, right = -1, bottom = -1;
        for (int y = 0; y < 240; y++)
            for (int x = 0; x < 320; x++)
                if (out[y * 320 + x]) {
                    left = std::min(left, x), right = std::max(right, x);
                    top = std::min(top, y), bottom = std::max(bottom, y);
                }
        EXPECT_EQ(left, 100 + f.first);
        EXPECT_EQ(top, 50 + f.first);
        EXPECT_EQ(right, 100 + w - 1);
        EXPECT_EQ(bottom, 50 + f.cellh - 1);
        // The corner of the drawn area is the cell's pixel there.
        Uint16 corner = cellpixel(font, g, f.first, f.first);
        if (corner) {
            EXPECT_EQ(out[(50 + f.first) * 320 + 100 + f.first], corner);
        }
    }
}

TEST_F(DrawString, NarrowWidthsDrawNothingButStillAdvance)
{
    for (int font : {1, 2}) {
        const FontGeometry& f = geometry(font);
        f.widths['M' - 32] = f.first; // not greater than the first drawn column
        std::vector<Uint16> moved = drawn("A", font, 40 + f.first);
        EXPECT_TRUE(drawn("MA", font) == moved) << "font " << font;
        f.widths['M' - 32] = f.first + 1; // one column
        expectmodel(40, 50, 0xFFFF, 0, "MAM", font);
    }
}

TEST_F(DrawString, BackFontKeysOnZeroAndIgnoresMaskAndXor)
{
    cellpixel(1, 'A' - 32, 2, 2) = 0; // the first drawn pixel
    cellpixel(1, 'A' - 32, 3, 2) = 1; // the darkest blue
    std::vector<Uint16> before = snapshot(screen);
    drawstring(0, 0, 0, 1, "A", 1, screen);
    EXPECT_EQ(pixels(screen)[2 * 320 + 2], before[2 * 320 + 2]);
    EXPECT_EQ(pixels(screen)[2 * 320 + 3], 1);
    std::copy(before.begin(), before.end(), pixels(screen));
    expectmodel(0, 0, 0, 1, "A", 1);
}

TEST_F(DrawString, BigFontBlendsWithOrAndXor)
{
    Uint16 s = cellpixel(2, 'A' - 32, 1, 1);
    ASSERT_NE(s, 0);
    int at = (30 + 1) * 320 + 20 + 1; // where that pixel lands
    struct Case {
        int mask, xorflag;
        Uint16 (*want)(Uint16 t, Uint16 s, int mask);
    } cases[] = {
        {0xFFFF, 0, [](Uint16 t, Uint16 s, int) { return Uint16(t | s); }},
        {0, 1, [](Uint16 t, Uint16 s, int) { return Uint16(t ^ s); }},
        {0x00FF, 1, [](Uint16 t, Uint16 s, int m) { return Uint16((t ^ s) | (s & m)); }},
        {0x0F0F, 0, [](Uint16 t, Uint16 s, int m) { return Uint16(t | (s & m)); }},
        {0, -1, [](Uint16 t, Uint16, int) { return t; }},
    };
    for (const Case& c : cases) {
        fillscreen();
        Uint16 t = pixels(screen)[at];
        drawstring(20, 30, c.mask, c.xorflag, "A", 2, screen);
        EXPECT_EQ(pixels(screen)[at], c.want(t, s, c.mask)) << c.mask << " " << c.xorflag;
        fillscreen();
        expectmodel(20, 30, c.mask, c.xorflag, "AB", 2);
    }
}

TEST_F(DrawString, ClipsAtEveryEdgePixelByPixel)
{
    const std::string text = "WIDE LINE!";
    for (int font : {1, 2})
        for (int x : {-330, -100, -31, -1, 0, 1, 200, 300, 317, 318, 319, 320})
            for (int y : {-45, -44, -31, -30, -2, 0, 100, 208, 209, 238, 239, 240})
                expectmodel(x, y, 0xFFFF, 0, text, font);
}

TEST_F(DrawString, FarOffPositionsAreSafe)
{
    std::vector<Uint16> before = snapshot(screen);
    for (int font : {1, 2})
        for (int x : {INT_MIN, -100000000, 100000000, INT_MAX - 40})
            for (int y : {INT_MIN, -1000, 100, 1000, INT_MAX}) {
                drawstring(x, y, 0xFFFF, 1, "FAR AWAY", font, screen);
                EXPECT_TRUE(snapshot(screen) == before) << x << ", " << y;
            }
    // A line that starts hundreds of pixels to the left still shows its tail.
    std::string longline(40, 'W');
    expectmodel(-900, 10, 0xFFFF, 0, longline, 1);
    EXPECT_TRUE(snapshot(screen) != before);
}

TEST_F(DrawString, ClipsToTheScreenWhateverTheTarget)
{
    // Rows 240 and below of a taller surface are never written.
    SDL_Surface* tall = makesurface(320, 300);
    drawstring(10, 220, 0xFFFF, 0, "DEEP", 1, tall);
    drawstring(10, 220, 0xFFFF, 0, "DEEP", 2, tall);
    for (int i = 240 * 320; i < 300 * 320; i++)
        ASSERT_EQ(pixels(tall)[i], 0) << "row " << i / 320;
    SDL_FreeSurface(tall);

    // tempbuff takes the same rows as the screen would.
    for (int i = 0; i < 76800; i++)
        pixels(tempbuff)[i] = pixels(screen)[i];
    std::vector<Uint16> want = snapshot(screen);
    model(want.data(), -5, 215, 0xFFFF, 0, "LOW TEXT", 1);
    drawstring(-5, 215, 0xFFFF, 0, "LOW TEXT", 1, tempbuff);
    EXPECT_TRUE(snapshot(tempbuff) == want);
}

} // namespace
