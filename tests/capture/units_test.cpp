// The capture's small parts: its command line, the upscale and the progress
// line.
#include <gtest/gtest.h>

#include <vector>

#include "options.h"
#include "progress.h"
#include "upscale.h"

namespace
{

std::string parse(std::vector<const char*> args, Options* o)
{
    args.insert(args.begin(), "demo-capture");
    return parseoptions(static_cast<int>(args.size()), const_cast<char**>(args.data()), o);
}

} // namespace

TEST(CaptureOptions, DefaultsAndValues)
{
    Options o;
    EXPECT_EQ(parse({"out.mp4"}, &o), "");
    EXPECT_EQ(o.fps, 60);
    EXPECT_EQ(o.scale, 3);
    EXPECT_FALSE(o.setoffset);
    EXPECT_EQ(o.to, -1);

    Options p;
    EXPECT_EQ(parse({"--fps", "30", "--scale", "1", "--offset", "-16", "--from", "1", "--to", "3",
                     "--quiet", "--script", "s.txt", "--dir", "run", "x.mkv"},
                    &p),
              "");
    EXPECT_EQ(p.fps, 30);
    EXPECT_EQ(p.scale, 1);
    EXPECT_EQ(p.offset, -16);
    EXPECT_TRUE(p.setoffset);
    EXPECT_EQ(p.from, 1);
    EXPECT_EQ(p.to, 3);
    EXPECT_TRUE(p.quiet);
    EXPECT_EQ(p.script, "s.txt");
    EXPECT_EQ(p.dir, "run");
    EXPECT_EQ(p.out, "x.mkv");
}

TEST(CaptureOptions, BadValuesNameTheOption)
{
    struct Case {
        std::vector<const char*> args;
        const char* starts;
    } cases[] = {
        {{"--fps", "0", "a.mp4"}, "--fps takes"},
        {{"--fps", "3x", "a.mp4"}, "--fps takes"},
        {{"--scale", "", "a.mp4"}, "--scale takes"},
        {{"a.mp4", "--to"}, "--to takes"},
        {{"--from", "-1", "a.mp4"}, "--from takes"},
        {{"--bogus", "a.mp4"}, "unknown option"},
        {{"--script"}, "--script takes"},
        {{"--quiet"}, "no OUT"},
        {{"a.mp4", "b.mp4"}, "one OUT"},
        {{"--from", "3", "--to", "3", "a.mp4"}, "--to must"},
    };
    for (const Case& c : cases) {
        Options o;
        std::string err = parse(c.args, &o);
        EXPECT_EQ(err.rfind(c.starts, 0), 0u) << err;
    }
}

// Each screen pixel becomes a square of scale x scale; the channels widen by
// repeating their top bits, and the bytes past a row's width stay as they were.
TEST(CaptureUpscale, SquaresOfWidenedPixels)
{
    std::vector<uint16_t> screen(SCREEN_W * SCREEN_H, 0);
    screen[0] = 0xFFFF;
    screen[1] = (0x10 << 11) | (0x21 << 5) | 0x01; // r 10000, g 100001, b 00001
    screen[SCREEN_W * SCREEN_H - 1] = 0xF800;
    const int scale = 2, stride = SCREEN_W * scale * 4 + 8;
    std::vector<uint8_t> out(static_cast<size_t>(stride) * SCREEN_H * scale, 0xAA);
    upscale(screen.data(), scale, out.data(), stride);

    auto px = [&](int x, int y) { return &out[static_cast<size_t>(y) * stride + x * 4]; };
    for (int y = 0; y < 2; y++)
        for (int x = 0; x < 2; x++) {
            EXPECT_EQ(std::vector<uint8_t>(px(x, y), px(x, y) + 4),
                      (std::vector<uint8_t>{255, 255, 255, 0}));
            EXPECT_EQ(std::vector<uint8_t>(px(2 + x, y), px(2 + x, y) + 4),
                      (std::vector<uint8_t>{0x08, 0x86, 0x84, 0}));
        }
    EXPECT_EQ(px(4, 0)[0], 0);
    const uint8_t* last = px(SCREEN_W * scale - 1, SCREEN_H * scale - 1);
    EXPECT_EQ(std::vector<uint8_t>(last, last + 4), (std::vector<uint8_t>{0, 0, 255, 0}));
    EXPECT_EQ(px(SCREEN_W * scale, 0)[0], 0xAA); // padding untouched
    EXPECT_EQ(px(SCREEN_W * scale, SCREEN_H * scale - 1)[7], 0xAA);
}

TEST(CaptureProgress, LineShowsWhereAndHowFast)
{
    ProgressPoint p{0.5, 12, 64, 2.3, 75};
    EXPECT_EQ(progressline(p, false), "position 12 row  64   50%  2.3x real time  1:15 left");
    std::string bar = progressline(p, true);
    EXPECT_EQ(bar.substr(0, 26), "[############............]");
    p.fraction = 1.2; // rows past the estimate never overfill the bar
    EXPECT_EQ(progressline(p, true).substr(0, 26), "[########################]");
}
