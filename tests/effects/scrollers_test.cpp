// The sine scrollers: when the first text pixel appears, which line wins
// where the bent lines cross, and that the bands are rebuilt every frame.
#include <gtest/gtest.h>

#include <vector>

#include "base/base.h"
#include "effects/effects.h"
#include "raster/raster.h"
#include "sequencer/sequencer.h"
#include "support.h"

namespace
{

// Every drawn pixel of every glyph lit, in a colour that tells its cell row
// apart, so a copied pixel shows which band row it came from.
SDL_Surface* rowfont()
{
    SDL_Surface* s = makesurface(514, 192);
    for (int g = 0; g <= 90; g++)
        for (int y = 2; y < 32; y++)
            for (int x = 2; x < 31; x++)
                pixels(s)[(g / 16 * 32 + y) * 514 + g % 16 * 32 + x] = Uint16(0x100 * y + g + 1);
    return s;
}

bool blank(SDL_Surface* s, int from, int to)
{
    for (int p = from; p < to; p++)
        if (pixels(s)[p])
            return false;
    return true;
}

class Scrollers : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        setupscreen();
        resetclock();
        saved = backfont;
        backfont = rowfont();
    }
    void TearDown() override
    {
        SDL_FreeSurface(backfont);
        backfont = saved;
        resetclock();
    }
    SDL_Surface* saved;
};

TEST_F(Scrollers, FirstTextAppearsOnTheSeventeenthTick)
{
    fakepos = 7, fakerow = 1; // demotime 897, the scene's first row
    for (int tick = 1; tick <= 17; tick++) {
        render(); // one tick a call
        fakenow += 50;
        ASSERT_EQ(ao, Scene::scrollers);
        ASSERT_EQ(scrlpos1, 350 - 2 * tick);
        if (tick < 17) {
            ASSERT_TRUE(blank(screen, 0, 76800)) << "tick " << tick;
        }
    }
    // Columns 318 and 319: the first drawn columns of "R".
    for (int y = 0; y < 240; y++)
        for (int x = 0; x < 320; x++)
            if (pixels(screen)[y * 320 + x]) {
                ASSERT_GE(x, 318) << y;
            }
    EXPECT_NE(pixels(screen)[(scrl1[318] + 2) * 320 + 318], 0);
}

TEST_F(Scrollers, UpperLineWinsWhereLinesCross)
{
    // Every line across the whole screen. Lines 2 and 3 cross over much of
    // the width, lines 1 and 2 only at its right edge.
    scrlpos1 = -30, scrlpos2 = -130, scrlpos3 = -830;
    drawscrollers();
    const Uint16* band = pixels(tempbuff);
    const int* wave[3] = {scrl1, scrl2, scrl3};
    int crossings = 0;
    for (int line = 0; line < 2; line++)
        for (int x = 0; x < 320; x++) {
            const int *up = wave[line], *down = wave[line + 1];
            for (int y = down[x]; y < up[x] + 32; y++) {
                Uint16 upper = band[(y - up[x] + 32 * line) * 320 + x];
                Uint16 lower = band[(y - down[x] + 32 * (line + 1)) * 320 + x];
                if (upper && lower) {
                    crossings++;
                    ASSERT_EQ(pixels(screen)[y * 320 + x], upper) << x << ", " << y;
                }
            }
        }
    EXPECT_GT(crossings, 100);
}

TEST_F(Scrollers, BandsFollowTheirWaves)
{
    scrlpos1 = -30, scrlpos2 = -130, scrlpos3 = -830; // every line on screen
    drawscrollers();
    const Uint16* band = pixels(tempbuff);
    // Line 3's pixels land where no other line reaches, or under line 2.
    for (int x = 0; x < 320; x++)
        for (int r = 0; r < 32; r++) {
            Uint16 c = band[(r + 64) * 320 + x];
            int y = scrl3[x] + r;
            if (c && y >= scrl2[x] + 32) {
                ASSERT_EQ(pixels(screen)[y * 320 + x], c) << x << ", " << y;
            }
        }
    // Nothing outside the rows the waves can reach.
    EXPECT_TRUE(blank(screen, 0, 31 * 320));
    EXPECT_TRUE(blank(screen, 191 * 320, 76800));
}

// Reads a line back from its band: each glyph is brought to column 0 in
// turn and told by its colour, until the band is empty there.
std::string readline(int line)
{
    std::string text;
    int pen = 0;
    for (;;) {
        scrlpos1 = 5000, scrlpos2 = 5000, scrlpos3 = 5000; // all off screen
        int* pos[3] = {&scrlpos1, &scrlpos2, &scrlpos3};
        const int shift[3] = {0, 100, 700};
        *pos[line] = -pen - shift[line];
        drawscrollers();
        Uint16 c = pixels(tempbuff)[(32 * line + 2) * 320 + 2];
        if (!c || text.size() > 40)
            return text;
        int g = (c & 0xFF) - 1;
        text += char(g + 32);
        pen += backfontwidth[g];
    }
}

TEST_F(Scrollers, LinesSayTheirWords)
{
    EXPECT_EQ(readline(0), "REMEMBER KIDS... ");
    EXPECT_EQ(readline(1), "RELEASING UNFINISHED CRAP");
    EXPECT_EQ(readline(2), "IS BAD !");
}

TEST_F(Scrollers, BandsAreRebuiltEachFrameAndTheRestKept)
{
    for (int p = 0; p < 76800; p++)
        pixels(tempbuff)[p] = 0x7777;
    scrlpos1 = scrlpos2 = scrlpos3 = 2000; // every line off the right edge
    drawscrollers();
    EXPECT_TRUE(blank(tempbuff, 0, 96 * 320));
    EXPECT_TRUE(blank(screen, 0, 76800)) << "nothing left from an earlier frame";
    EXPECT_EQ(pixels(tempbuff)[96 * 320], 0x7777);
    EXPECT_EQ(pixels(tempbuff)[76799], 0x7777);
}

} // namespace
