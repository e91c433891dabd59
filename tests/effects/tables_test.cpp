// The start-up tables of the effects: lens map, ring bitmap, motion paths,
// twister ramp, faces and waves.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "base/base.h"
#include "effects/effects.h"
#include "support.h"

namespace
{

class EffectTables : public ::testing::Test
{
  protected:
    void SetUp() override { setupscreen(); }
};

// Source offset from the lens centre that the map gives for screen offset
// (x, y) from it.
struct offset {
    int x, y;
    bool operator==(const offset&) const = default;
};
offset lensat(int x, int y)
{
    int e = lens[(y + 64) * 128 + (x + 64)];
    return {e % 128 - 64, e / 128 - 64};
}

TEST_F(EffectTables, LensSamples)
{
    EXPECT_EQ(lensat(0, 0), (offset{0, 0}));
    EXPECT_EQ(lensat(10, 0), (offset{3, 0}));
    EXPECT_EQ(lensat(-10, 0), (offset{-3, 0}));
    EXPECT_EQ(lensat(58, 0), (offset{51, 0}));
    EXPECT_EQ(lensat(59, 0), (offset{59, 0}));
    EXPECT_EQ(lensat(41, 41), (offset{36, 36}));
    EXPECT_EQ(lensat(3, 4), (offset{1, 1}));
    EXPECT_EQ(lens[0], 0);
    EXPECT_EQ(lens[8256], 8256);
    EXPECT_EQ(lens[16383], 16383);
}

// Outside the rim every pixel shows itself; inside, the map only pulls
// towards the centre, symmetrically (the division truncates toward zero).
TEST_F(EffectTables, LensIdentityOutsideRimAndPullsInwardInside)
{
    for (int y = -64; y < 64; y++)
        for (int x = -64; x < 64; x++) {
            offset s = lensat(x, y);
            ASSERT_GE(lens[(y + 64) * 128 + x + 64], 0);
            ASSERT_LE(lens[(y + 64) * 128 + x + 64], 16383);
            if (x * x + y * y >= 3481) {
                ASSERT_EQ(s, (offset{x, y})) << x << "," << y;
                continue;
            }
            ASSERT_LE(std::abs(s.x), std::abs(x));
            ASSERT_LE(std::abs(s.y), std::abs(y));
            ASSERT_TRUE(s.x * x >= 0 && s.y * y >= 0);
            if (x > -64 && y > -64) {
                ASSERT_EQ(lensat(-x, -y), (offset{-s.x, -s.y})) << x << "," << y;
            }
        }
}

TEST_F(EffectTables, RingBitmapFollowsTheRuleEverywhere)
{
    for (int y = 0; y < 512; y++)
        for (int x = 0; x < 512; x++) {
            int dx = x - 256, dy = y - 256;
            int dist = static_cast<int>(std::floor(std::sqrt(double(dx * dx + dy * dy))));
            ASSERT_EQ(interf[y * 512 + x], dist % 16 >= 8 ? 1 : 0) << x << "," << y;
        }
}

TEST_F(EffectTables, RingBitmapCentreFirstRingAndBorders)
{
    EXPECT_EQ(interf[256 * 512 + 256], 0);
    for (int d = 8; d <= 15; d++) {
        EXPECT_EQ(interf[256 * 512 + 256 + d], 1) << d;
        EXPECT_EQ(interf[(256 - d) * 512 + 256], 1) << d;
    }
    EXPECT_EQ(interf[256 * 512 + 256 + 16], 0);
    // Row 0 and column 0 have no mirror image at 512 to take their values
    // from: (0, 0) is at distance 362, 362 mod 16 = 10.
    EXPECT_EQ(interf[0], 1);
    EXPECT_EQ(interf[256], 0);       // (256, 0): 256 mod 16 = 0
    EXPECT_EQ(interf[256 * 512], 0); // (0, 256)
}

TEST_F(EffectTables, MotionPaths)
{
    EXPECT_EQ(px0[0], 2);
    EXPECT_EQ(py0[0], 0);
    EXPECT_EQ(px1[0], -59);
    int lo0 = 99, hi0 = -99, lo1 = 99, hi1 = -99, lo2 = 99, hi2 = -99;
    for (int i = 0; i < 157; i++) {
        lo0 = std::min(lo0, px0[i]), hi0 = std::max(hi0, px0[i]);
        lo1 = std::min(lo1, py0[i]), hi1 = std::max(hi1, py0[i]);
    }
    for (int i = 0; i < 105; i++)
        lo2 = std::min(lo2, px1[i]), hi2 = std::max(hi2, px1[i]);
    EXPECT_EQ(lo0, -29);
    EXPECT_EQ(hi0, 29);
    EXPECT_EQ(lo1, 0);
    EXPECT_EQ(hi1, 59);
    EXPECT_EQ(lo2, -59);
    EXPECT_EQ(hi2, 59);
}

// The interference scene reads 320 x 240 cells at each window's offset
// without clipping: every pair of path indices must keep both windows in
// the bitmap (157 and 105 are coprime, so the timeline reaches every pair).
TEST_F(EffectTables, InterferenceWindowsStayInsideTheBitmap)
{
    for (int a1 = 0; a1 < 157; a1++)
        for (int a2 = 0; a2 < 105; a2++) {
            int wx1 = px0[a1] - px1[a2] + 90, wy1 = px0[a1] - py0[a1] + 130;
            int wx2 = px0[a1] + px1[a2] + 100, wy2 = 2 * py0[a1] + 122;
            for (int w : {wx1, wy1, wx2, wy2})
                ASSERT_GE(w, 0);
            ASSERT_LE(wx1 + 319, 511);
            ASSERT_LE(wx2 + 319, 511);
            ASSERT_LE(wy1 + 239, 511);
            ASSERT_LE(wy2 + 239, 511);
        }
}

TEST_F(EffectTables, TwisterRampAndRows)
{
    EXPECT_EQ(textr[0], 0xF361);
    EXPECT_EQ(textr[1], 0xEB42);
    EXPECT_EQ(textr[31], 0x719F);
    EXPECT_EQ(textr[32], 0x719E);
    EXPECT_EQ(textr[62], 0xEB60);
    EXPECT_EQ(textr[63], 0xF360);
    for (int i = 0; i < 320; i++)
        ASSERT_EQ(twmult[i], i * 320);
}

TEST_F(EffectTables, TwisterFaceEntries)
{
    auto rows = [](int a) { return std::array<int, 3>{ty1[a], ty2[a], ty3[a]}; };
    // The second row of a face's ramp index is its step per row: 62 ramp
    // steps over the face's exact height (1.3694 and 1.3863 at angle 0;
    // 1285 and 181 where a face is nearly edge-on).
    EXPECT_EQ(rows(0), (std::array<int, 3>{0, 45, 90}));
    EXPECT_EQ(txd1[256], 1);
    EXPECT_EQ(txd2[256], 1);
    EXPECT_EQ(txd1[2 * 256], 2);
    EXPECT_EQ(txd1[45 * 256], 61);
    EXPECT_EQ(rows(127), (std::array<int, 3>{13, 77, 77}));
    EXPECT_NEAR(txd2[256 + 127], 1285, 1);
    EXPECT_EQ(rows(128), (std::array<int, 3>{13, 13, 77}));
    EXPECT_NEAR(txd1[256 + 128], 181, 1);
    EXPECT_EQ(rows(255), (std::array<int, 3>{0, 45, 90}));
}

// The twister draws rows ty1..ty2-1 and ty2..ty3-1 of every angle and looks
// their colours up through txd1/txd2: the faces must fit the ramp index
// table and every index they reach must lie in the 64-colour ramp.
TEST_F(EffectTables, TwisterFacesStayInsideTheirTables)
{
    for (int a = 0; a < 256; a++) {
        ASSERT_GE(ty1[a], 0);
        ASSERT_LE(ty1[a], 13);
        ASSERT_LE(ty1[a], ty2[a]);
        ASSERT_LE(ty2[a], ty3[a]);
        ASSERT_GE(ty3[a], 77);
        ASSERT_LE(ty3[a], 90);
        ASSERT_LE(ty2[a] - ty1[a], 64);
        ASSERT_LE(ty3[a] - ty2[a], 64);
        for (int k = 0; k < ty2[a] - ty1[a]; k++)
            ASSERT_TRUE(txd1[k * 256 + a] >= 0 && txd1[k * 256 + a] <= 61) << a << " " << k;
        for (int k = 0; k < ty3[a] - ty2[a]; k++)
            ASSERT_TRUE(txd2[k * 256 + a] >= 0 && txd2[k * 256 + a] <= 61) << a << " " << k;
        EXPECT_EQ(txd1[a], 0);
        EXPECT_EQ(txd2[a], 0);
        for (int k = 1; k <= 64; k++) // the index never runs backwards down a face
            ASSERT_GE(txd1[k * 256 + a], txd1[(k - 1) * 256 + a]);
    }
}

TEST_F(EffectTables, TwistWaves)
{
    EXPECT_EQ((std::array<int, 4>{tws1[0], tws1[1], tws1[2], tws1[3]}),
              (std::array<int, 4>{-100, -123, -144, -164}));
    EXPECT_EQ((std::array<int, 4>{tws2[0], tws2[1], tws2[2], tws2[3]}),
              (std::array<int, 4>{134, 117, 100, 85}));
    EXPECT_EQ(*std::min_element(tws1, tws1 + 126), -268);
    EXPECT_EQ(*std::max_element(tws1, tws1 + 126), 1268);
    EXPECT_EQ(*std::min_element(tws2, tws2 + 90), 5);
    EXPECT_EQ(*std::max_element(tws2, tws2 + 90), 655);
}

} // namespace
