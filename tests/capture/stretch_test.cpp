// Lossless captures of stretches of the song against demo-replay running the
// capture's own script, and their sound against libmikmod's mix.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "capturerun.h"

namespace
{

std::vector<uint16_t> readraw(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
    std::vector<uint16_t> px(bytes.size() / 2);
    for (size_t i = 0; i < px.size(); i++)
        px[i] = static_cast<uint8_t>(bytes[2 * i]) | static_cast<uint8_t>(bytes[2 * i + 1]) << 8;
    return px;
}

// Every decoded frame, taken back to 320 x 240, must be the frame the
// replayer saves for it, and every scale x scale square one colour.
// Returns how many frames there were.
long expectreplayed(const Scratch& s, const std::string& video, int scale,
                    const std::string& replayargs)
{
    long saves = 0;
    for (const std::string& line : readlines(s.dir / "run.txt"))
        saves += line.rfind("save frame-", 0) == 0;
    RunResult r = replay(s.dir, replayargs + " run.txt");
    EXPECT_EQ(r.status, 0) << r.err;

    const int w = 320 * scale;
    long k = 0, badframes = 0;
    long n = eachframe(s.dir / video, w, 240 * scale, [&](const uint8_t* rgb) {
        char name[32];
        snprintf(name, sizeof name, "frame-%06ld.raw", k++);
        std::vector<uint16_t> want = readraw(s.dir / name);
        bool same = want.size() == 320 * 240;
        for (int y = 0; same && y < 240 * scale; y++)
            for (int x = 0; same && x < w; x++) {
                uint8_t px[3];
                widen(want[(y / scale) * 320 + x / scale], px);
                same = memcmp(px, rgb + (static_cast<size_t>(y) * w + x) * 3, 3) == 0;
            }
        badframes += !same;
        if (!same && badframes <= 3)
            ADD_FAILURE() << "video frame " << k - 1 << " is not " << name;
    });
    EXPECT_EQ(n, saves);
    EXPECT_EQ(badframes, 0);
    return n;
}

constexpr long rate = 44100;

} // namespace

// From position 1 to 3: the logo, the car's fly-in and its first wobbles.
TEST(CaptureStretch, FramesAreTheReplayersAndSoundIsLibmikmodsMix)
{
    Scratch s;
    RunResult r = capture(s.dir, "--quiet --from 1 --to 3 --scale 2 --fps 30 --script run.txt "
                                 "stretch.mkv");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_FALSE(fs::exists(s.dir / "stretch.mkv.part"));
    long frames = expectreplayed(s, "stretch.mkv", 2, "");

    // Position 0 is 128 rows of 60 ms (speed 3, tempo 125 in the module), so
    // the stretch starts 7.68 s into the song; from row 112 of position 1 to
    // row 31 of position 2 the rows last 80 ms, as the car lands.
    const long ms = 112 * 60 + 48 * 80 + 96 * 60;
    const long start = 7680 * rate / 1000, length = ms * rate / 1000;
    EXPECT_NEAR(frames, ms * 30 / 1000.0, 1);
    std::vector<int16_t> got = decodeaudio(s.dir / "stretch.mkv");
    std::vector<int16_t> mix = referencemix();
    ASSERT_EQ(got.size(), size_t(length * 2));
    ASSERT_GE(mix.size(), size_t((start + length) * 2));
    // mikrender pulls the mixer in blocks of 512 sample frames, the capture
    // one millisecond (44 or 45) at a time: the samples are the same.
    long differ = 0, first = -1;
    for (long i = 0; i < length * 2; i++)
        if (got[i] != mix[start * 2 + i]) {
            differ++;
            if (first < 0)
                first = i / 2;
        }
    EXPECT_EQ(differ, 0) << "first difference at sample frame " << first;
}

// The ARM build's timeline, 16 rows behind the song: the frames are the
// ones the replayer draws with the same offset, and not the x86 build's.
TEST(CaptureStretch, OffsetCapturesTheArmTimeline)
{
    Scratch s;
    RunResult r = capture(s.dir, "--quiet --offset -16 --from 1 --to 2 --scale 1 --fps 20 "
                                 "--script run.txt arm.mkv");
    ASSERT_EQ(r.status, 0) << r.err;
    expectreplayed(s, "arm.mkv", 1, "--offset -16");

    // Row 1 of position 1 shows the logo on x86; on ARM the screen is still blank.
    std::vector<std::string> script = readlines(s.dir / "run.txt");
    std::ofstream(s.dir / "x86.txt") << "render 7750 1 1\nsave x86.raw\n";
    ASSERT_EQ(replay(s.dir, "--offset 0 x86.txt").status, 0);
    std::vector<uint16_t> x86 = readraw(s.dir / "x86.raw");
    // At 20 frames a second the video frame after the render at 7750 ms
    // shows it.
    bool found = false;
    for (size_t i = 0; i + 1 < script.size(); i++)
        if (script[i] == "render 7750 1 1" && script[i + 1].rfind("save ", 0) == 0) {
            std::string save = script[i + 1].substr(5);
            EXPECT_NE(readraw(s.dir / save), x86) << save;
            found = true;
        }
    EXPECT_TRUE(found);
}
