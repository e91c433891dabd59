// The car mesh: counts, fixed rows, extents and the shape of its surface.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "scene3d/scene3d.h"

namespace
{

constexpr int nvert = 127, nbody = 121, nface = 238, ntvert = 288;

int64_t coord(int v, int a) { return vertdelorean[3 * v + a]; }

// (b - a) x (c - a) of face f, in steps squared.
std::vector<int64_t> facenormal(int f)
{
    const unsigned* c = facedelorean + 3 * f;
    int64_t d1[3], d2[3];
    for (int a = 0; a < 3; a++) {
        d1[a] = coord(c[1], a) - coord(c[0], a);
        d2[a] = coord(c[2], a) - coord(c[0], a);
    }
    return {d1[1] * d2[2] - d1[2] * d2[1], d1[2] * d2[0] - d1[0] * d2[2],
            d1[0] * d2[1] - d1[1] * d2[0]};
}

} // namespace

TEST(Delorean, FirstRowsAreTheCarsOwn)
{
    const int vert[9] = {-10016, -4052, 1143, 1180, -3911, 319, 11679, -3935, 937};
    const unsigned face[9] = {38, 41, 42, 106, 80, 81, 80, 106, 5};
    const int tvert[9] = {15879, 58195, 0, 17458, 19726, 0, 1966, 19687, 0};
    const unsigned tface[9] = {41, 46, 47, 284, 82, 85, 82, 284, 5};
    for (int i = 0; i < 9; i++) {
        EXPECT_EQ(vertdelorean[i], vert[i]) << i;
        EXPECT_EQ(facedelorean[i], face[i]) << i;
        EXPECT_EQ(tvertdelorean[i], tvert[i]) << i;
        EXPECT_EQ(tfacedelorean[i], tface[i]) << i;
    }
}

TEST(Delorean, LightPointsAreFixedAndNoFaceUsesThem)
{
    const int lights[6][3] = {{-11012, 4468, 2694},  {-11006, -2108, 2694}, {-11011, 3401, 2690},
                              {-11006, -3259, 2690}, {12049, 3475, 3004},   {12048, -2130, 3003}};
    for (int i = 0; i < 6; i++)
        for (int a = 0; a < 3; a++)
            EXPECT_EQ(coord(nbody + i, a), lights[i][a]) << "light " << i;
    std::vector<int> used(nvert, 0);
    for (int i = 0; i < 3 * nface; i++) {
        ASSERT_LT(facedelorean[i], unsigned(nvert));
        used[facedelorean[i]]++;
    }
    for (int v = 0; v < nbody; v++)
        EXPECT_GT(used[v], 0) << "body vertex " << v << " is used by no face";
    for (int v = nbody; v < nvert; v++)
        EXPECT_EQ(used[v], 0) << "light point " << v << " is used by a face";
}

TEST(Delorean, ExtentsAndReach)
{
    int64_t lo[3] = {INT64_MAX, INT64_MAX, INT64_MAX}, hi[3] = {INT64_MIN, INT64_MIN, INT64_MIN};
    for (int v = 0; v < nvert; v++)
        for (int a = 0; a < 3; a++)
            lo[a] = std::min(lo[a], coord(v, a)), hi[a] = std::max(hi[a], coord(v, a));
    EXPECT_EQ(lo[0], -11012);
    EXPECT_EQ(hi[0], 12049);
    EXPECT_EQ(lo[1], -5948);
    EXPECT_EQ(hi[1], 7318);
    EXPECT_EQ(lo[2], 163);
    EXPECT_EQ(hi[2], 5439);
    // The body alone reaches the width and the height; the lamps stand
    // proud of the nose and the tail, where their flares belong.
    int64_t blo[3] = {INT64_MAX, INT64_MAX, INT64_MAX}, bhi[3] = {INT64_MIN, INT64_MIN, INT64_MIN};
    for (int v = 0; v < nbody; v++)
        for (int a = 0; a < 3; a++)
            blo[a] = std::min(blo[a], coord(v, a)), bhi[a] = std::max(bhi[a], coord(v, a));
    EXPECT_EQ(blo[1], -5948);
    EXPECT_EQ(bhi[1], 7318);
    EXPECT_EQ(blo[2], 163);
    EXPECT_EQ(bhi[2], 5439);
    for (int v = nbody; v < nbody + 4; v++)
        EXPECT_LT(coord(v, 0), blo[0]) << "headlamp " << v << " is buried in the nose";
    for (int v = nbody + 4; v < nvert; v++)
        EXPECT_GT(coord(v, 0), bhi[0]) << "tail lamp " << v << " is buried in the tail";
    // Within 13344 steps of the origin: the projection cannot overflow and
    // the nearest eye (92 units, 23552 steps) stays well outside.
    for (int v = 0; v < nvert; v++) {
        int64_t r2 =
            coord(v, 0) * coord(v, 0) + coord(v, 1) * coord(v, 1) + coord(v, 2) * coord(v, 2);
        EXPECT_LE(r2, int64_t(13344) * 13344) << "vertex " << v;
    }
}

TEST(Delorean, TextureCoordinatesStayInTheirBand)
{
    std::vector<int> used(ntvert, 0);
    for (int i = 0; i < 3 * nface; i++) {
        ASSERT_LT(tfacedelorean[i], unsigned(ntvert));
        used[tfacedelorean[i]]++;
    }
    int lo[2] = {65536, 65536}, hi[2] = {-1, -1};
    for (int t = 0; t < ntvert; t++) {
        EXPECT_GT(used[t], 0) << "texture vertex " << t << " is used by no face";
        EXPECT_EQ(tvertdelorean[3 * t + 2], 0) << t;
        for (int a = 0; a < 2; a++) {
            lo[a] = std::min(lo[a], tvertdelorean[3 * t + a]);
            hi[a] = std::max(hi[a], tvertdelorean[3 * t + a]);
        }
    }
    for (int a = 0; a < 2; a++) {
        EXPECT_EQ(lo[a], 1966) << "axis " << a;
        EXPECT_EQ(hi[a], 63569) << "axis " << a;
    }
    // Every texture face covers some texture: a degenerate one would smear a
    // single texel over its face.
    for (int f = 0; f < nface; f++) {
        const unsigned* t = tfacedelorean + 3 * f;
        int64_t du1 = tvertdelorean[3 * t[1]] - tvertdelorean[3 * t[0]];
        int64_t dv1 = tvertdelorean[3 * t[1] + 1] - tvertdelorean[3 * t[0] + 1];
        int64_t du2 = tvertdelorean[3 * t[2]] - tvertdelorean[3 * t[0]];
        int64_t dv2 = tvertdelorean[3 * t[2] + 1] - tvertdelorean[3 * t[0] + 1];
        EXPECT_NE(du1 * dv2 - du2 * dv1, 0) << "texture face " << f;
    }
}

// Every edge is shared by exactly two faces that run over it in opposite
// directions: the surface is closed and consistently wound.
TEST(Delorean, BodyIsAClosedConsistentlyWoundSphere)
{
    std::map<std::pair<unsigned, unsigned>, int> directed;
    for (int f = 0; f < nface; f++) {
        const unsigned* c = facedelorean + 3 * f;
        ASSERT_TRUE(c[0] != c[1] && c[1] != c[2] && c[2] != c[0]) << "face " << f;
        for (int k = 0; k < 3; k++)
            directed[{c[k], c[(k + 1) % 3]}]++;
    }
    std::set<std::pair<unsigned, unsigned>> edges;
    for (auto& [e, n] : directed) {
        EXPECT_EQ(n, 1) << "edge " << e.first << "->" << e.second << " runs the same way twice";
        EXPECT_EQ(directed.count({e.second, e.first}), 1u)
            << "edge " << e.first << "->" << e.second << " has no face on its other side";
        edges.insert({std::min(e.first, e.second), std::max(e.first, e.second)});
    }
    EXPECT_EQ(edges.size(), 357u);
    EXPECT_EQ(nbody - int(edges.size()) + nface, 2); // Euler characteristic of a sphere

    // Round every vertex the faces form a single fan (no pinched points),
    // and every face can be reached from face 0 (one surface, not several).
    for (int v = 0; v < nbody; v++) {
        std::map<unsigned, unsigned> next; // the edge opposite v, in each face
        for (int f = 0; f < nface; f++)
            for (int k = 0; k < 3; k++)
                if (facedelorean[3 * f + k] == unsigned(v))
                    next[facedelorean[3 * f + (k + 1) % 3]] = facedelorean[3 * f + (k + 2) % 3];
        unsigned start = next.begin()->first, at = start;
        size_t steps = 0;
        do {
            ASSERT_TRUE(next.count(at)) << "vertex " << v;
            at = next[at];
            steps++;
        } while (at != start && steps <= next.size());
        EXPECT_EQ(steps, next.size()) << "vertex " << v << " joins more than one fan";
    }
    std::vector<std::vector<int>> byvertex(nbody);
    for (int f = 0; f < nface; f++)
        for (int k = 0; k < 3; k++)
            byvertex[facedelorean[3 * f + k]].push_back(f);
    std::vector<char> seen(nface, 0);
    std::vector<int> todo = {0};
    seen[0] = 1;
    while (!todo.empty()) {
        int f = todo.back();
        todo.pop_back();
        for (int k = 0; k < 3; k++)
            for (int g : byvertex[facedelorean[3 * f + k]])
                if (!seen[g])
                    seen[g] = 1, todo.push_back(g);
    }
    EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), nface);
}

// Counter-clockwise seen from outside: the normals (b - a) x (c - a) point
// out, so the volume they enclose is positive, and no face is degenerate.
TEST(Delorean, FacesTurnOutwards)
{
    double volume6 = 0;
    for (int f = 0; f < nface; f++) {
        std::vector<int64_t> n = facenormal(f);
        EXPECT_TRUE(n[0] || n[1] || n[2]) << "face " << f << " has no area";
        const unsigned* c = facedelorean + 3 * f;
        volume6 += double(n[0]) * coord(c[0], 0) + double(n[1]) * coord(c[0], 1) +
                   double(n[2]) * coord(c[0], 2);
    }
    // The car's volume is most of its bounding box's (23061 x 13266 x 5276).
    double box = 23061.0 * 13266 * 5276;
    EXPECT_GT(volume6 / 6, 0.4 * box);
    EXPECT_LT(volume6 / 6, box);
    // The faces of the roof turn up, those of the nose face ahead (-x) and
    // those of the tail behind (+x): inward winding would turn them all.
    int right[3] = {0, 0, 0}, wrong[3] = {0, 0, 0};
    for (int f = 0; f < nface; f++) {
        std::vector<int64_t> n = facenormal(f);
        const unsigned* c = facedelorean + 3 * f;
        int64_t zmin = std::min({coord(c[0], 2), coord(c[1], 2), coord(c[2], 2)});
        int64_t xmin = std::min({coord(c[0], 0), coord(c[1], 0), coord(c[2], 0)});
        int64_t xmax = std::max({coord(c[0], 0), coord(c[1], 0), coord(c[2], 0)});
        if (zmin > 5000)
            (n[2] > 0 ? right : wrong)[0]++;
        if (xmax < -10800)
            (n[0] < 0 ? right : wrong)[1]++;
        if (xmin > 11900)
            (n[0] > 0 ? right : wrong)[2]++;
    }
    for (int i = 0; i < 3; i++) {
        EXPECT_GT(right[i], 0) << i;
        EXPECT_EQ(wrong[i], 0) << i;
    }
}

// No texel centre lies inside two texture faces: each face has texels of its
// own, and the painter can give every one the colour of its own point.
TEST(Delorean, TextureFacesDoNotOverlap)
{
    std::vector<int> owner(65536, -1);
    for (int f = 0; f < nface; f++) {
        int64_t u[3], v[3];
        for (int k = 0; k < 3; k++) {
            u[k] = tvertdelorean[3 * tfacedelorean[3 * f + k]];
            v[k] = tvertdelorean[3 * tfacedelorean[3 * f + k] + 1];
        }
        int64_t turn = (u[1] - u[0]) * (v[2] - v[0]) - (u[2] - u[0]) * (v[1] - v[0]) > 0 ? 1 : -1;
        int c0 = int(std::min({u[0], u[1], u[2]}) >> 8),
            c1 = int(std::max({u[0], u[1], u[2]}) >> 8);
        int k0 = int(std::min({v[0], v[1], v[2]}) >> 8),
            k1 = int(std::max({v[0], v[1], v[2]}) >> 8);
        for (int k = k0; k <= k1; k++)
            for (int c = c0; c <= c1; c++) {
                int64_t uc = c * 256 + 128, vc = k * 256 + 128;
                bool inside = true;
                for (int e = 0; e < 3; e++) {
                    int a = e, b = (e + 1) % 3;
                    int64_t side = (u[b] - u[a]) * (vc - v[a]) - (v[b] - v[a]) * (uc - u[a]);
                    inside = inside && side * turn > 0;
                }
                if (!inside)
                    continue;
                EXPECT_EQ(owner[k * 256 + c], -1)
                    << "texture faces " << owner[k * 256 + c] << " and " << f << " overlap";
                owner[k * 256 + c] = f;
            }
    }
}
