// The opening of the drawing pass: the clear and the full-screen pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "runtime/runtime.h"
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
    const std::pair<int, SDL_Surface*> scenes[] = {
        {-101, quorvastlogo}, {-106, logo1988}, {-104, greenbg}};
    for (auto [code, picture] : scenes) {
        memset(screen->pixels, 0x55, 76800 * 2);
        ao = code;
        drawbackgrounds();
        EXPECT_TRUE(showswhole(picture)) << code;
    }
}

TEST_F(Backgrounds, ClearOnlyWhenAsked)
{
    ao = -5;
    pixels(screen)[76799] = 7;
    clearr = 0;
    drawbackgrounds();
    EXPECT_EQ(pixels(screen)[76799], 7);
    clearr = 1;
    drawbackgrounds();
    EXPECT_EQ(pixels(screen)[76799], 0);
}

TEST_F(Backgrounds, WarpScrollsFiftyPixelsATick)
{
    ao = -105;
    framepierr = 1;
    drawbackgrounds();
    const Uint16* s = pixels(screen);
    const Uint16* w = pixels(warpbg);
    for (int y = 0; y < 240; y += 17) {
        EXPECT_EQ(s[y * 320 + 50], w[y * 256 + 0]);
        EXPECT_EQ(s[y * 320 + 0], w[y * 256 + 206]);
        EXPECT_EQ(s[y * 320 + 305], w[y * 256 + 255]);
        EXPECT_EQ(s[y * 320 + 306], w[y * 256 + 0]); // the picture repeats
    }
    framepierr = 256 + 1; // a whole turn of 50 x 256 pixels is no move
    drawbackgrounds();
    EXPECT_EQ(s[50], w[0]);
    // framepierr wraps after 3.4 years of ticks; only its low 8 bits count.
    std::vector<Uint16> at255(s, s + 76800);
    framepierr = 255;
    drawbackgrounds();
    at255.assign(s, s + 76800);
    for (int f : {2147483647, -1, -2147483647 - 1 + 255}) {
        framepierr = f;
        drawbackgrounds();
        EXPECT_TRUE(std::equal(at255.begin(), at255.end(), s)) << f;
    }
}
