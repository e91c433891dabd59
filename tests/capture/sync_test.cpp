// Picture against sound: where the scenes change in the video, measured from
// the instant the capture's own sound reaches position 1.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "capturerun.h"

namespace
{

// The score ends a reversed cymbal exactly on row 0 of position 1, where the
// first kick starts: the bright noise stops at once. Returns the first
// millisecond after which the high frequencies (the difference of
// neighbouring samples) of each of the next 10 ms keep under a quarter of
// their level in the 20 ms before, searched from `fromms`.
int cymbalcut(const std::vector<int16_t>& pcm, int fromms, int toms)
{
    auto energy = [&](int ms) {
        long a = ms * 441L / 10, b = (ms + 1) * 441L / 10;
        double e = 0;
        for (long i = a; i < b && 2 * i + 1 < long(pcm.size()); i++) {
            double d = (pcm[2 * i] + pcm[2 * i + 1] - pcm[2 * i - 2] - pcm[2 * i - 1]) / 2.0;
            e += d * d;
        }
        return e;
    };
    for (int t = fromms; t < toms; t++) {
        double before = 0, after = 0;
        for (int i = 1; i <= 20; i++)
            before += energy(t - i) / 20;
        for (int i = 0; i < 10; i++)
            after = std::max(after, energy(t + i));
        if (after < before / 4)
            return t;
    }
    return -1;
}

// The video frame that first shows a scene the timeline starts `rows` rows
// (of 60 ms) after `instant`: the demo looks at the song at every 50 ms tick
// of its clock, and frame K stands at K / 60 s.
long firstframe(int instant, int rows)
{
    int reached = instant + rows * 60;
    int tick = (reached + 49) / 50 * 50;
    return (tick * 60L + 999) / 1000;
}

} // namespace

TEST(CaptureSync, ScenesChangeOnTheFrameTheSoundSays)
{
    Scratch s;
    RunResult r = capture(s.dir, "--quiet --to 2 --scale 1 opening.mkv");
    ASSERT_EQ(r.status, 0) << r.err;

    // The sound reaches position 1 where its 128 rows of 60 ms put it.
    int position1 = cymbalcut(decodeaudio(s.dir / "opening.mkv"), 7000, 8500);
    EXPECT_NEAR(position1, 7680, 2);

    // The logo shows from row 1 of position 1 (demotime 129), the car flies
    // in from row 111 (demotime 239); the logo holds still in between.
    std::vector<uint8_t> logo, previous;
    long k = 0, logoat = -1, carat = -1;
    eachframe(s.dir / "opening.mkv", 320, 240, [&](const uint8_t* rgb) {
        std::vector<uint8_t> frame(rgb, rgb + 320 * 240 * 3);
        if (k >= 7000 * 60 / 1000 && logoat < 0 && !previous.empty() && frame != previous) {
            logoat = k;
            logo = frame;
        }
        if (logoat >= 0 && carat < 0 && frame != logo)
            carat = k;
        previous = frame;
        k++;
    });
    EXPECT_NEAR(logoat, firstframe(position1, 1), 1);
    EXPECT_NEAR(carat, firstframe(position1, 111), 1);
}
