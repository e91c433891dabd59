// The opening of the drawing pass: the clear and the full-screen pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>
#include <random>

#include "sequencer/sequencer.h"
#include "support.h"

namespace
{

struct Backgrounds : ::testing::Test {
    void SetUp() override
    {
        setupscreen();
        resetclock();
        ASSERT_EQ(loadrunpictures(), "");
    }
};

bool showswhole(SDL_Surface* picture)
{
    const Uint16* s = pixels(screen);
    const Uint16* p = pixels(picture);
    for (int i = 0; i < 76800; i++)
        if (s[i] != p[i])
            return false;
    return true;
}

} // namespace

TEST_F(Backgrounds, EachSceneShowsItsPicture)
{
    for (SDL_Surface* picture : {quorvastlogo, logo1988, greenbg}) {
        memset(screen->pixels, 0x55, 76800 * 2);
        copyscreen(picture);
        EXPECT_TRUE(showswhole(picture));
    }
}

// The pass clears only when the timeline asks.
TEST_F(Backgrounds, ClearOnlyWhenAsked)
{
    for (int clear : {0, 1}) {
        memset(screen->pixels, 0x55, 76800 * 2);
        resetclock();
        ao = Scene::blank, clearr = clear;
        drawframe();
        EXPECT_EQ(pixels(screen)[76799], clear ? 0 : 0x5555);
    }
}

TEST_F(Backgrounds, WarpScrollsFiftyPixelsATick)
{
    drawwarp(1);
    const Uint16* s = pixels(screen);
    const Uint16* w = pixels(warpbg);
    for (int y = 0; y < 240; y += 17) {
        EXPECT_EQ(s[y * 320 + 50], w[y * 256 + 0]);
        EXPECT_EQ(s[y * 320 + 0], w[y * 256 + 206]);
        EXPECT_EQ(s[y * 320 + 305], w[y * 256 + 255]);
        EXPECT_EQ(s[y * 320 + 306], w[y * 256 + 0]); // the picture repeats
    }
    drawwarp(256 + 1); // a whole turn of 50 x 256 pixels is no move
    EXPECT_EQ(s[50], w[0]);
    // framepierr wraps after 3.4 years of ticks; only its low 8 bits count.
    drawwarp(255);
    std::vector<Uint16> at255(s, s + 76800);
    for (int ticks : {2147483647, -1, -2147483647 - 1 + 255}) {
        drawwarp(ticks);
        EXPECT_TRUE(std::equal(at255.begin(), at255.end(), s)) << ticks;
    }
}

// Row copies against the picture read pixel by pixel, at random ticks over
// a random picture, the wrap of the tick count included.
TEST_F(Backgrounds, WarpIsThePictureReadPixelByPixel)
{
    std::mt19937 rng(50);
    SDL_Surface* saved = warpbg;
    warpbg = makesurface(256, 240);
    for (int i = 0; i < 256 * 240; i++)
        pixels(warpbg)[i] = Uint16(rng());
    const int edges[] = {0, 1, 5, 6, -1, 2147483647, -2147483647 - 1};
    for (int round = 0; round < 300; round++) {
        int ticks = round < 7 ? edges[round] : int(rng());
        drawwarp(ticks);
        unsigned shift = 50u * unsigned(ticks);
        for (int y = 0; y < 240; y++)
            for (int x = 0; x < 320; x++)
                ASSERT_EQ(pixels(screen)[y * 320 + x],
                          pixels(warpbg)[y * 256 + ((unsigned(x) - shift) & 255)])
                    << "ticks " << ticks << " at " << x << "," << y;
    }
    SDL_FreeSurface(warpbg);
    warpbg = saved;
}
