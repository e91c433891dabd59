// The rings' tables against what the mesh promises: its stated rows, its
// zero rows, index and coordinate ranges, size, winding and a texture
// layout whose pieces never overlap.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "scene3d/scene3d.h"

namespace
{

struct V3 {
    double x, y, z;
};
V3 sub(V3 a, V3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
double dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
V3 cross(V3 a, V3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
V3 vertex(int i)
{
    return {double(vert2torus[3 * i]), double(vert2torus[3 * i + 1]),
            double(vert2torus[3 * i + 2])};
}

// The centre of the tube at the section of vertex i: the mean of the
// section's twelve vertices.
V3 sectioncentre(int i)
{
    int first = i / 12 * 12;
    V3 c{0, 0, 0};
    for (int k = 0; k < 12; k++)
        c = {c.x + vertex(first + k).x / 12, c.y + vertex(first + k).y / 12,
             c.z + vertex(first + k).z / 12};
    return c;
}

} // namespace

TEST(RingsMesh, StatedRows)
{
    const int v[] = {490, 18945, 0, 490, 18261, 2553, 490, 16392, 4421};
    const unsigned f[] = {0, 13, 12, 0, 1, 13, 1, 14, 13, 1, 2, 14};
    const int t[] = {37440, 25133, 0, 6199, 49053, 0, 6337, 48077, 0};
    const unsigned tf[] = {0, 524, 180, 0, 12, 524, 1, 14, 13, 1, 2, 14};
    EXPECT_TRUE(std::equal(v, v + 9, vert2torus));
    EXPECT_TRUE(std::equal(f, f + 12, face2torus));
    EXPECT_TRUE(std::equal(t, t + 9, tvert2torus));
    EXPECT_TRUE(std::equal(tf, tf + 12, tface2torus));
}

TEST(RingsMesh, ZeroRowsAndIndexRanges)
{
    for (int c = 0; c < 3; c++) {
        EXPECT_EQ(vert2torus[3 * 384 + c], 0);
        EXPECT_EQ(face2torus[3 * 768 + c], 0u);
        EXPECT_EQ(tvert2torus[3 * 777 + c], 0);
        EXPECT_EQ(tface2torus[3 * 768 + c], 0u);
    }
    std::vector<bool> used(778);
    for (int i = 0; i < 768 * 3; i++) {
        ASSERT_LT(face2torus[i], 384u);
        ASSERT_LT(tface2torus[i], 777u);
        used[tface2torus[i]] = true;
    }
    EXPECT_EQ(std::count(used.begin(), used.end(), true), 777);

    int umin = 1 << 30, umax = -1, vmin = 1 << 30, vmax = -1;
    for (int i = 0; i < 777; i++) {
        umin = std::min(umin, tvert2torus[3 * i]), umax = std::max(umax, tvert2torus[3 * i]);
        vmin = std::min(vmin, tvert2torus[3 * i + 1]),
        vmax = std::max(vmax, tvert2torus[3 * i + 1]);
        EXPECT_EQ(tvert2torus[3 * i + 2], 0);
    }
    EXPECT_EQ(umin, 0);
    EXPECT_EQ(umax, 63563);
    EXPECT_EQ(vmin, 0);
    EXPECT_EQ(vmax, 63569);
}

// Vertex 192 t + 12 r + k; two faces per (t, r, k) over the grid.
TEST(RingsMesh, FacesFollowTheGrid)
{
    for (int t = 0; t < 2; t++)
        for (int r = 0; r < 16; r++)
            for (int k = 0; k < 12; k++) {
                auto i = [&](int rr, int kk) {
                    return unsigned(192 * t + 12 * (rr % 16) + kk % 12);
                };
                const unsigned* f = &face2torus[6 * (192 * t + 12 * r + k)];
                const unsigned want[6] = {i(r, k), i(r + 1, k + 1), i(r + 1, k),
                                          i(r, k), i(r, k + 1),     i(r + 1, k + 1)};
                ASSERT_TRUE(std::equal(want, want + 6, f)) << t << " " << r << " " << k;
            }
}

// The projection's 32-bit products need every vertex within 32760 steps;
// the rings come close.
TEST(RingsMesh, Reach)
{
    double far = 0;
    for (int i = 0; i < 385; i++)
        far = std::max(far, std::sqrt(dot(vertex(i), vertex(i))));
    EXPECT_NEAR(far, 32192, 1);
    EXPECT_LT(far, 32760);
}

TEST(RingsMesh, WindingIsOutward)
{
    for (int f = 0; f < 768; f++) {
        const unsigned* c = &face2torus[3 * f];
        V3 a = vertex(c[0]), b = vertex(c[1]), d = vertex(c[2]);
        V3 n = cross(sub(b, a), sub(d, a));
        V3 mid{(a.x + b.x + d.x) / 3, (a.y + b.y + d.y) / 3, (a.z + b.z + d.z) / 3};
        V3 s0 = sectioncentre(c[0]), s1 = sectioncentre(c[1]), s2 = sectioncentre(c[2]);
        V3 axis{(s0.x + s1.x + s2.x) / 3, (s0.y + s1.y + s2.y) / 3, (s0.z + s1.z + s2.z) / 3};
        EXPECT_GT(dot(n, sub(mid, axis)), 0) << "face " << f;
    }
}

// Two faces sharing texels would show each other's picture. Every texture
// triangle is laid the same way round, and no sample point in quarter
// texels lies inside two of them.
TEST(RingsMesh, TexturePiecesDoNotOverlap)
{
    std::vector<unsigned char> hits(1024 * 1024);
    for (int f = 0; f < 768; f++) {
        double u[3], v[3];
        for (int c = 0; c < 3; c++) {
            u[c] = tvert2torus[3 * tface2torus[3 * f + c]] / 64.0;
            v[c] = tvert2torus[3 * tface2torus[3 * f + c] + 1] / 64.0;
        }
        double area = (u[1] - u[0]) * (v[2] - v[0]) - (u[2] - u[0]) * (v[1] - v[0]);
        ASSERT_GT(area, 1) << "face " << f;
        for (int y = int(std::min({v[0], v[1], v[2]})); y <= int(std::max({v[0], v[1], v[2]})); y++)
            for (int x = int(std::min({u[0], u[1], u[2]})); x <= int(std::max({u[0], u[1], u[2]}));
                 x++) {
                double px = x + 0.5, py = y + 0.5;
                bool inside = true;
                for (int e = 0; e < 3; e++) {
                    int g = (e + 1) % 3;
                    if ((u[g] - u[e]) * (py - v[e]) - (px - u[e]) * (v[g] - v[e]) <= 0)
                        inside = false;
                }
                if (inside) {
                    ASSERT_EQ(hits[y * 1024 + x]++, 0) << "face " << f << " at " << x << "," << y;
                }
            }
    }
}
