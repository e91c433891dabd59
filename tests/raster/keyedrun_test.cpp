// Runs of a picture laid over the target where they are not the key.
#include <gtest/gtest.h>

#include <array>
#include <random>

#include "raster/raster.h"

namespace
{

// Each way this processor runs lays what a pixel-by-pixel copy with a
// branch lays, for runs of every length up to a few vectors, at every
// alignment, with keys scattered alone and in stretches, and leaves the
// pixels past the run alone.
TEST(Keyedrun, EveryPathAsThePlainCopy)
{
    const raster::Keyedpath fastest = raster::keyedruns;
    int ran = 0;
    for (raster::Keyedpath path : {raster::Keyedpath::blocks, raster::Keyedpath::lanes}) {
        if (!raster::runs(path))
            continue;
        ran++;
        raster::keyedruns = path;
        std::mt19937 rng(16);
        std::array<Uint16, 200> from, to, want;
        for (int round = 0; round < 3000; round++) {
            Uint16 key = round % 2 ? 0xFFFF : 0;
            for (int i = 0; i < 200;) {
                bool keyed = rng() % 2;
                for (int n = 1 + int(rng() % (round % 3 ? 12 : 2)); n > 0 && i < 200; n--, i++)
                    from[i] = keyed ? key : Uint16(1 + rng() % 0xFFFE);
            }
            for (Uint16& p : to)
                p = Uint16(rng());
            int at = int(rng() % 40), n = round % 150;
            want = to;
            for (int i = at; i < at + n; i++)
                if (from[i] != key)
                    want[i] = from[i];
            raster::keyedrun(to.data() + at, from.data() + at, n, key);
            ASSERT_EQ(to, want) << "path " << int(path) << ", round " << round;
        }
    }
    raster::keyedruns = fastest;
    EXPECT_TRUE(raster::runs(fastest));
    EXPECT_GE(ran, 1);
}

} // namespace
