// The generated scene pictures: their shapes, the keyed overlays' clear
// boxes and clean figures, the warp picture's wrap, and byte-for-byte
// repeatable generation.
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/base.h"
#include "support.h"

namespace
{

const Uint16 key = 0xFFFF;

class Pictures : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        setupscreen();
        ASSERT_EQ(loadrunpictures(), "");
    }
};

Uint16 at(SDL_Surface* s, int x, int y) { return pixels(s)[y * s->w + x]; }

// Near-white: what a figure pixel must never be, since it would read as
// (or next to) the key. RGB565 levels of at least 30, 60, 30.
bool nearwhite(Uint16 v) { return v >> 11 >= 30 && (v >> 5 & 63) >= 60 && (v & 31) >= 30; }

struct Box {
    int x0, y0, x1, y1; // inclusive
};

// The cells a text of the back font covers at (x, y): 32 rows, 31 columns
// a letter, 15 for "!", "1" and "I".
Box textbox(int x, int y, const std::string& text)
{
    int w = 0;
    for (char c : text)
        w += c == '!' || c == '1' || c == 'I' ? 15 : 31;
    return {x, y, std::min(319, x + w - 1), y + 31};
}

// Lists the boxes' pixels that are not the key.
std::string covered(SDL_Surface* s, const std::vector<Box>& boxes)
{
    std::string bad;
    for (Box b : boxes)
        for (int y = b.y0; y <= b.y1; y++)
            for (int x = b.x0; x <= b.x1; x++)
                if (at(s, x, y) != key && bad.size() < 200)
                    bad += "(" + std::to_string(x) + "," + std::to_string(y) + ") ";
    return bad;
}

// The 4-connected regions of key pixels that do not reach the picture's
// edge, holes inside the figure: their sizes and first pixels.
struct Hole {
    int n, x, y;
};
std::vector<Hole> enclosedkeys(SDL_Surface* s)
{
    std::vector<Hole> holes;
    std::vector<int> seen(size_t(s->w) * s->h, 0), stack;
    for (int start = 0; start < s->w * s->h; start++) {
        if (seen[start] || pixels(s)[start] != key)
            continue;
        int n = 0;
        bool edge = false;
        stack.push_back(start);
        seen[start] = 1;
        while (!stack.empty()) {
            int p = stack.back(), x = p % s->w, y = p / s->w;
            stack.pop_back();
            n++;
            edge |= x == 0 || y == 0 || x == s->w - 1 || y == s->h - 1;
            const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
            for (auto [nx, ny] : next) {
                int q = ny * s->w + nx;
                if (nx >= 0 && ny >= 0 && nx < s->w && ny < s->h && !seen[q] &&
                    pixels(s)[q] == key) {
                    seen[q] = 1;
                    stack.push_back(q);
                }
            }
        }
        if (!edge)
            holes.push_back({n, start % s->w, start / s->w});
    }
    return holes;
}

// Checks one overlay's figure: a real figure, no near-white pixel in it,
// no pinhole of key inside it; `side` tells where most of it stands.
void checkfigure(SDL_Surface* s, bool left)
{
    int figure = 0, onside = 0, pale = 0;
    for (int y = 0; y < 240; y++)
        for (int x = 0; x < 320; x++) {
            Uint16 v = at(s, x, y);
            if (v == key)
                continue;
            figure++;
            onside += left ? x < 160 : x >= 160;
            pale += nearwhite(v);
        }
    EXPECT_GT(figure, 76800 / 10) << "the figure is too small to read";
    EXPECT_GT(onside, figure * 9 / 10) << "the figure is not on its side";
    EXPECT_EQ(pale, 0) << "near-white pixels inside the figure";
    for (Hole h : enclosedkeys(s))
        EXPECT_GE(h.n, 64) << "a stray key region of " << h.n << " pixels inside the figure at ("
                           << h.x << "," << h.y << ")";
}

std::string slurp(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

const char* const names[] = {"zellogo",    "1988",   "green", "sinitausta", "mirvroto",
                             "psykedelik", "groovy", "afro",  "sidekick"};

} // namespace

TEST_F(Pictures, AfroLeavesHisWordsOnTheScene)
{
    std::vector<Box> boxes{
        {130, 95, 319, 175},        {90, 155, 319, 195},         textbox(155, 100, "LETS"),
        textbox(155, 140, "GO !"),  textbox(135, 100, "I FEEL"), textbox(145, 140, "SICK"),
        textbox(155, 100, "THATS"), textbox(155, 140, "NICE"),   textbox(95, 160, "TWISTED")};
    EXPECT_EQ(covered(afro, boxes), "");
    checkfigure(afro, true);
}

TEST_F(Pictures, SidekickLeavesHisWordsOnTheScene)
{
    std::vector<Box> boxes{{0, 85, 199, 165},          textbox(20, 90, "YEAH"),
                           textbox(10, 90, "ME TOO"),  textbox(20, 90, "CUTE"),
                           textbox(30, 125, "ONE"),    textbox(20, 90, "LIKE"),
                           textbox(10, 125, "SISTER"), textbox(20, 90, "WHOAH"),
                           textbox(20, 90, "3D"),      textbox(10, 125, "SHIT")};
    EXPECT_EQ(covered(sidekick, boxes), "");
    checkfigure(sidekick, false);
}

// Scrolled 50 pixels a tick, the warp picture's column 255 meets column 0:
// the seam must be no rougher than any other pair of neighbouring columns.
TEST_F(Pictures, WarpPictureWrapsWithoutSeam)
{
    auto step = [](int a, int b) {
        long sum = 0;
        for (int y = 0; y < 240; y++) {
            Uint16 u = at(warpbg, a, y), v = at(warpbg, b, y);
            sum += std::abs((u >> 11) - (v >> 11)) + std::abs((u >> 5 & 63) - (v >> 5 & 63)) / 2 +
                   std::abs((u & 31) - (v & 31));
        }
        return sum;
    };
    long worst = 0;
    for (int x = 0; x < 255; x++)
        worst = std::max(worst, step(x, x + 1));
    EXPECT_LE(step(255, 0), worst);
    EXPECT_GT(worst, 0) << "no streaks at all";
}

// Every picture is real art, not a flat fill or a placeholder: each holds
// many colours.
TEST_F(Pictures, PicturesAreRichInColour)
{
    SDL_Surface* const all[] = {quorvastlogo, logo1988, greenbg, warpbg, mirv, psyke, groovy};
    for (SDL_Surface* s : all) {
        std::vector<bool> used(65536, false);
        int n = 0;
        for (int p = 0; p < s->w * 240; p++)
            n += !used[pixels(s)[p]], used[pixels(s)[p]] = true;
        EXPECT_GT(n, 300);
    }
}

TEST(PictureFiles, IndependentReadersAcceptThem)
{
    for (const char* name : names) {
        std::string path = std::string(DEMO_RUN_DIR) + "/data/" + name + ".png";
        EXPECT_EQ(runprogram("pngcheck -q " + path).status, 0) << path;
        EXPECT_EQ(runprogram("identify " + path).status, 0) << path;
    }
}

// Every channel is already a 5- or 6-bit level with its bits repeated, so
// the demo's conversion to RGB565 keeps exactly the dithered colours (an
// undithered 8-bit picture would band once its low bits were dropped).
TEST(PictureFiles, ChannelsSitOnRgb565Levels)
{
    auto level5 = [](Uint8 v) { return v == Uint8((v >> 3) << 3 | v >> 5); };
    auto level6 = [](Uint8 v) { return v == Uint8((v >> 2) << 2 | v >> 6); };
    for (const char* name : names) {
        std::string path = std::string(DEMO_RUN_DIR) + "/data/" + name + ".png";
        SDL_Surface* s = IMG_Load(path.c_str());
        ASSERT_NE(s, nullptr) << path;
        ASSERT_EQ(s->format->BytesPerPixel, 3) << path;
        int off = 0;
        for (int y = 0; y < s->h; y++)
            for (int x = 0; x < s->w; x++) {
                Uint8 r, g, b;
                Uint8* p = static_cast<Uint8*>(s->pixels) + y * s->pitch + x * 3;
                SDL_GetRGB(p[0] | p[1] << 8 | p[2] << 16, s->format, &r, &g, &b);
                off += !level5(r) || !level6(g) || !level5(b);
            }
        EXPECT_EQ(off, 0) << name;
        SDL_FreeSurface(s);
    }
}

// The generator, run again, writes the very same bytes.
TEST(PictureFiles, GenerationRepeatsByteForByte)
{
    std::string bin = DEMO_REPLAY_BIN;
    bin = bin.substr(0, bin.rfind('/')) + "/tools/assets/mkpictures";
    char dir[] = "/tmp/mkpicturesXXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    ASSERT_EQ(runprogram(bin + " " + dir).status, 0);
    for (const char* name : names) {
        std::string fresh = std::string(dir) + "/" + name + ".png";
        EXPECT_EQ(slurp(fresh), slurp(std::string(DEMO_RUN_DIR) + "/data/" + name + ".png"))
            << name;
        std::remove(fresh.c_str());
    }
    rmdir(dir);
}
