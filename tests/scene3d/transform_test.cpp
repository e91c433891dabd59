// calcpoints: the exact pixels of the rotations and the projection, and
// the eye inside the rings after a skip back.
#include <gtest/gtest.h>

#include "base/base.h"
#include "scene3d/scene3d.h"
#include "support.h"

namespace
{

void pose(int x, int y, int ox, int oy, int oz)
{
    setupscreen();
    xr = x, yr = y, offsetx = ox, offsety = oy, offsetz = oz;
}

struct Projected {
    int rz, kx, ky;
    bool operator==(const Projected&) const = default;
};
std::ostream& operator<<(std::ostream& o, const Projected& p)
{
    return o << "rz " << p.rz << " kx " << p.kx << " ky " << p.ky;
}

Projected project(int x, int y, int z)
{
    const int v[3] = {x, y, z};
    calcpoints(v, 1);
    return {rz[0], kx[0], ky[0]};
}

} // namespace

// Sines 0, cosines 255: the shifts floor (-1033260 >> 8 is -4037) and the
// divisions truncate (-30301.8 becomes -30301).
TEST(Calcpoints, WorkedExample)
{
    pose(314, 314, 160, 120, -100);
    ASSERT_EQ(sini[314], 0);
    ASSERT_EQ(kosi[314], 255);
    EXPECT_EQ(project(-10016, -4052, 1143), (Projected{-16, 41, 133}));
}

TEST(Calcpoints, OriginLandsOnTheOffsets)
{
    pose(123, 456, 160, 180, -100);
    EXPECT_EQ(project(0, 0, 0), (Projected{0, 160, 180}));
}

// Sines 0, cosines -256: A = -Z, B = -Y, P = -X, Q = Y. For (512, 1024, 256)
// at offsetz -100, D = 26624: kx = (-1260 + 40960) >> 8 and
// ky = (-630 + 30720) >> 8.
TEST(Calcpoints, AtIndexZeroYIsDepthAndZIsUp)
{
    pose(0, 0, 160, 120, -100);
    EXPECT_EQ(project(512, 1024, 256), (Projected{4, 155, 117}));
    EXPECT_EQ(project(0, 0, 2560).ky, 94);  // +z goes up the screen
    EXPECT_EQ(project(2560, 0, 0).kx, 134); // +x goes left
}

TEST(Calcpoints, WritesOnlyTheVerticesItIsGiven)
{
    pose(314, 314, 160, 120, -100);
    const int v[6] = {256, 0, 0, 0, 0, 0};
    rz[1] = kx[1] = ky[1] = 77;
    calcpoints(v, 0);
    EXPECT_EQ(rz[1], 77);
    calcpoints(v, 1);
    EXPECT_EQ(kx[1], 77);
    EXPECT_EQ(ky[1], 77);
    EXPECT_EQ(rz[1], 77);
}

// Skipping back from the rings into the car's windows leaves the rings on
// screen with the eye at -100, inside them: points at the eye's depth and
// behind it must not stop the program.
TEST(Calcpoints, DepthZeroCountsAsOne)
{
    pose(0, 0, 160, 120, -100);
    // Q = -25600 puts the point in the eye plane: D = 1, and P = -256 lands
    // at (-256 * 65536 + 40960) >> 8.
    EXPECT_EQ(project(256, -25600, 0), (Projected{-100, -65376, 120}));
}

TEST(Calcpoints, NegativeDepthMirrorsThroughTheEye)
{
    pose(0, 0, 160, 120, -100);
    // D = -25600: the point left of the axis (P = -256) lands right of it,
    // (655 + 40960) >> 8.
    EXPECT_EQ(project(256, -51200, 0), (Projected{-200, 162, 120}));
}

// With D = 1 the quotient alone nearly fills 32 bits; the sum with the
// offset is formed wide and the shift brings it back.
TEST(Calcpoints, QuotientAndOffsetSumPastThirtyTwoBits)
{
    pose(0, 0, 4000, -4000, -100);
    Projected p = project(-32760, -25600, -32760);
    EXPECT_EQ(p.kx, int((32760LL * 65536 + 256 * 4000) >> 8));
    EXPECT_EQ(p.ky, int((32760LL * 65536 - 256 * 4000) >> 8));
}

// Both sines non-zero, so every product of both rotations counts and a sign
// turned the wrong way shows. Worked out by hand from the table values
// (sini/kosi 129/221 at 367, -232/106 at 200; -215/-138 at 100, 245/-72 at
// 500), each product floored on its own, the quotients truncated. For
// (-10016, -4052, 1143) at 367/200: A = 252 - 1308 = -1056,
// B = -3498 - 576 = -4074, P = -4148 + 3692 = -456, Q = -1687 - 9077 = -10764,
// D = 14836, kx = (-2014 + 40960) >> 8, ky = (-4664 + 30720) >> 8.
TEST(Calcpoints, BothRotationsAtOnce)
{
    struct Case {
        int xr, yr, x, y, z;
        Projected want;
    };
    const Case cases[] = {
        {367, 200, -10016, -4052, 1143, {-43, 152, 101}},
        {367, 200, 5000, 3000, -2000, {23, 150, 118}},
        {100, 500, -10016, -4052, 1143, {33, 203, 140}},
        {100, 500, 5000, 3000, -2000, {-16, 106, 103}},
    };
    for (const Case& c : cases) {
        pose(c.xr, c.yr, 160, 120, -100);
        EXPECT_EQ(project(c.x, c.y, c.z), c.want) << c.xr << "/" << c.yr << " " << c.x;
    }
}
