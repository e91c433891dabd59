// The timed words and the closing scene: which window shows what, in which
// order, over which picture. A synthetic back font paints every glyph as a
// solid block of its own colour, so each word can be told on the screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "raster/raster.h"
#include "sequencer/sequencer.h"
#include "support.h"

namespace
{

const Uint16 scene = 0x5555; // what lies under the texts
Uint16 glyphcolour(int g) { return Uint16(0x1000 + g); }

// Glyph g: its drawn area (columns 2..30, rows 2..31) in its own colour.
SDL_Surface* blockfont()
{
    SDL_Surface* s = makesurface(514, 192);
    for (int g = 0; g <= 90; g++)
        for (int y = 2; y < 32; y++)
            for (int x = 2; x < 31; x++)
                pixels(s)[(g / 16 * 32 + y) * 514 + g % 16 * 32 + x] = glyphcolour(g);
    return s;
}

// White, but for a black and a coloured pixel on its own row, and one more
// pixel at `spot`.
SDL_Surface* keyed(int row, Uint16 colour, int spot)
{
    SDL_Surface* s = makesurface(320, 240);
    for (int p = 0; p < 76800; p++)
        pixels(s)[p] = 0xFFFF;
    pixels(s)[row * 320] = 0;
    pixels(s)[row * 320 + 1] = colour;
    pixels(s)[spot] = colour;
    return s;
}

// One thing the screen should show, in order: a picture, or a word.
struct Step {
    SDL_Surface** picture;
    int x, y;
    const char* text;
};

// The screen the steps should leave over the plain scene.
std::vector<Uint16> expected(const std::vector<Step>& steps, Uint16 under = scene)
{
    std::vector<Uint16> v(76800, under);
    for (const Step& s : steps) {
        if (s.picture) {
            const Uint16* p = pixels(*s.picture);
            for (int i = 0; i < 76800; i++)
                if (p[i] != 0xFFFF)
                    v[i] = p[i];
            continue;
        }
        int pen = s.x;
        for (const char* c = s.text; *c; c++) {
            int g = *c - 32;
            for (int y = s.y + 2; y < s.y + 32; y++)
                for (int x = pen + 2; x < pen + backfontwidth[g]; x++)
                    if (x >= 0 && x < 320 && y >= 0 && y < 240)
                        v[y * 320 + x] = glyphcolour(g);
            pen += backfontwidth[g];
        }
    }
    return v;
}

std::vector<Uint16> shown() { return std::vector<Uint16>(pixels(screen), pixels(screen) + 76800); }

class TimedTexts : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        setupscreen();
        saved[0] = backfont, saved[1] = afro, saved[2] = sidekick;
        backfont = blockfont();
        afro = keyed(0, 0x1234, 1);
        // Inside the third letter of a word at (20, 90).
        sidekick = keyed(1, 0x4321, 95 * 320 + 20 + 2 * 31 + 5);
        savedao = ao, saveddemotime = demotime;
        ao = Scene::none, clearr = 0;
    }
    void TearDown() override
    {
        SDL_FreeSurface(backfont);
        SDL_FreeSurface(afro);
        SDL_FreeSurface(sidekick);
        backfont = saved[0], afro = saved[1], sidekick = saved[2];
        ao = savedao, demotime = saveddemotime;
    }

    // The whole drawing pass over the plain scene at d.
    std::vector<Uint16> at(int d)
    {
        demotime = d;
        for (int p = 0; p < 76800; p++)
            pixels(screen)[p] = scene;
        drawframe();
        return shown();
    }

    SDL_Surface* saved[3];
    Scene savedao;
    int saveddemotime;
};

TEST_F(TimedTexts, EachWindowShowsItsPictureAndWords)
{
    const Step A{&afro, 0, 0, nullptr}, S{&sidekick, 0, 0, nullptr};
    struct Case {
        int d;
        std::vector<Step> steps;
    } cases[] = {
        {400, {}},
        {401, {A, {nullptr, 155, 100, "LETS"}, {nullptr, 155, 140, "GO !"}}},
        {450, {A, {nullptr, 155, 100, "LETS"}, {nullptr, 155, 140, "GO !"}}},
        {451, {}},
        {455, {}},
        {461, {S, {nullptr, 20, 90, "YEAH"}}},
        {510, {S, {nullptr, 20, 90, "YEAH"}}},
        {511, {}},
        {1501, {A, {nullptr, 135, 100, "I FEEL"}, {nullptr, 145, 140, "SICK"}}},
        {1570, {A, {nullptr, 135, 100, "I FEEL"}, {nullptr, 145, 140, "SICK"}}},
        {1571, {}},
        {1601, {S, {nullptr, 10, 90, "ME TOO"}}},
        {1660, {S, {nullptr, 10, 90, "ME TOO"}}},
        {2201, {A, {nullptr, 155, 100, "THATS"}, {nullptr, 155, 140, "NICE"}}},
        {2260, {}},
        {2340, {S, {nullptr, 20, 90, "CUTE"}, {nullptr, 30, 125, "ONE"}}},
        {2600, {}},
        {2601, {S, {nullptr, 20, 90, "WHOAH"}}},
        {2700, {S, {nullptr, 20, 90, "WHOAH"}}},
        // Both rows, the later over the earlier: its picture covers part of
        // "WHOAH", and "3D" is written over the rest.
        {2710,
         {S, {nullptr, 20, 90, "WHOAH"}, S, {nullptr, 20, 90, "3D"}, {nullptr, 10, 125, "SHIT"}}},
        {2720,
         {S, {nullptr, 20, 90, "WHOAH"}, S, {nullptr, 20, 90, "3D"}, {nullptr, 10, 125, "SHIT"}}},
        {2721, {S, {nullptr, 20, 90, "3D"}, {nullptr, 10, 125, "SHIT"}}},
        {2821, {}},
        {3001, {A, {nullptr, 95, 160, "TWISTED"}}},
        {3130, {S, {nullptr, 20, 90, "LIKE"}, {nullptr, 10, 125, "SISTER"}}},
        {3131, {}},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(at(c.d) == expected(c.steps)) << "d = " << c.d;
}

TEST_F(TimedTexts, KeyedOverlayShowsTheSceneThroughWhiteOnly)
{
    at(401);
    EXPECT_EQ(pixels(screen)[0], 0) << "black is drawn";
    EXPECT_EQ(pixels(screen)[1], 0x1234);
    EXPECT_EQ(pixels(screen)[2], scene) << "white shows the scene";
}

// Against the plain overlay, pixel by pixel with a branch, over random
// screens and pictures keyed in runs of every length, down to single pixels.
TEST(KeyedOverlay, SameAsThePlainOverlay)
{
    setupscreen();
    std::mt19937 rng(400);
    SDL_Surface* picture = makesurface(320, 240);
    std::vector<Uint16> want(76800);
    for (int round = 0; round < 40; round++) {
        for (int p = 0; p < 76800;) {
            bool key = rng() % 2;
            for (int n = 1 + int(rng() % (round % 4 ? 40 : 2)); n > 0 && p < 76800; n--, p++)
                pixels(picture)[p] = key ? 0xFFFF : Uint16(rng() % 0xFFFF);
        }
        for (int p = 0; p < 76800; p++)
            want[p] = pixels(screen)[p] = Uint16(rng());
        for (int p = 0; p < 76800; p++)
            if (pixels(picture)[p] != 0xFFFF)
                want[p] = pixels(picture)[p];
        overlaykeyed(picture);
        ASSERT_TRUE(std::equal(want.begin(), want.end(), pixels(screen))) << "round " << round;
    }
    SDL_FreeSurface(picture);
}

// The demo's own pictures are laid only over the columns of each row that
// are not all key: the same screen as the whole overlay, for both of them,
// over random screens.
TEST(KeyedOverlay, DemoPicturesOnlyWhereTheyAreNotKey)
{
    setupscreen();
    ASSERT_EQ(loadrunpictures(), "");
    std::mt19937 rng(2790);
    std::vector<Uint16> want(76800);
    for (SDL_Surface* picture : {afro, sidekick})
        for (int round = 0; round < 4; round++) {
            for (int p = 0; p < 76800; p++) {
                want[p] = pixels(screen)[p] = Uint16(rng());
                if (pixels(picture)[p] != 0xFFFF)
                    want[p] = pixels(picture)[p];
            }
            overlaykeyed(picture);
            ASSERT_TRUE(std::equal(want.begin(), want.end(), pixels(screen)));
        }
}

TEST_F(TimedTexts, GroupsDrawInTheirOwnStep)
{
    // The words over the car belong to the first step, the later ones to
    // the last step of the frame, after the effects.
    demotime = 401;
    drawtexts2();
    EXPECT_TRUE(shown() == std::vector<Uint16>(76800, 0));
    demotime = 1501;
    drawtexts1();
    EXPECT_TRUE(shown() == std::vector<Uint16>(76800, 0));
}

TEST_F(TimedTexts, ClosingSceneShowsOnlySorryWhateverWasThere)
{
    ao = Scene::closing;
    clearr = 0;
    for (int d : {3300, 401}) {
        EXPECT_TRUE(at(d) == expected({{nullptr, 80, 90, "SORRY"}}, 0)) << "d = " << d;
    }
}

// The generated font through the whole frame: on the closing scene nothing
// but the word is lit, whatever the screen held before.
TEST(ClosingScene, RealFrameShowsNothingButSorry)
{
    setupscreen();
    ASSERT_EQ(loadrunpictures(), "");
    resetclock();
    for (int p = 0; p < 76800; p++)
        pixels(screen)[p] = Uint16(p * 2654435761u >> 16);
    fakepos = 25, fakerow = 100; // demotime 3300
    render();
    ASSERT_EQ(ao, Scene::closing);
    int lit = 0;
    for (int y = 0; y < 240; y++)
        for (int x = 0; x < 320; x++) {
            bool inword = x >= 82 && x < 80 + 5 * 31 && y >= 92 && y < 122;
            if (!inword) {
                ASSERT_EQ(pixels(screen)[y * 320 + x], 0) << x << ", " << y;
            }
            lit += pixels(screen)[y * 320 + x] != 0;
        }
    EXPECT_GT(lit, 5 * 200);
    resetclock();
}

} // namespace
