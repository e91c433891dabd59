// Builds the car mesh `delorean` and writes its four tables as C++ source:
//
//   mkcar src/scene3d/delorean.cpp
//   mkcar --check src/scene3d/delorean.cpp   (fails unless the file is its output)
//
// The body is lofted through twelve stations from the nose (-x) to the tail
// (+x). Each station is a ring of eight points, on four lines that run the
// length of the car on either side: the bottom of the skirt (low), the crease
// along the flank where the car is widest (crease), the shoulder under the
// windows (shoulder) and the edge of bonnet, roof and deck (roof). Quads join
// neighbouring rings, a fan round a centre point closes the nose and a strip
// closes the tail. Each wheel replaces the skirt quad between the two
// stations at the ends of its arch by a half-octagon tyre hanging from the
// crease. Six light points follow the body; no face uses them.
//
// Texture charts are planar projections of groups of faces, placed into the
// rectangles of carlayout.h. The painter bakes the texture from the same
// tables, so where a chart edge runs does not show.
//
// The numbering of vertices, faces and texture vertices is chosen so that the
// first rows of the tables are the ones the car has always had.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <numeric>
#include <set>
#include <string>
#include <vector>

#include "carlayout.h"
#include "carshape.h"
#include "vec3.h"

namespace
{

struct Mesh {
    std::vector<std::array<int, 3>> vert;
    std::vector<std::array<int, 3>> face;
    std::vector<int> chart;        // chart of each face
    std::vector<std::string> name; // of each vertex, for the comments
};

// Index of the point of station s on a line and side (-1 left, 1 right).
int ringindex(int s, Line l, int side) { return s * 8 + (side < 0 ? l : 7 - l); }

Vec3 pos(const Mesh& m, int v)
{
    return {double(m.vert[v][0]), double(m.vert[v][1]), double(m.vert[v][2])};
}

const char* linename[4] = {"low", "crease", "shoulder", "roof"};

void buildbody(Mesh& m)
{
    // Rings: left side bottom to top, then right side top to bottom.
    for (int s = 0; s < 12; s++)
        for (int k = 0; k < 8; k++) {
            int side = k < 4 ? -1 : 1;
            int l = k < 4 ? k : 7 - k;
            const Station& st = stations[s];
            int x = l >= shoulder ? st.xup : st.xlow;
            m.vert.push_back({x, midy + side * st.line[l][0], st.line[l][1]});
            m.name.push_back("station " + std::to_string(s) + " " + linename[l] +
                             (side < 0 ? " left" : " right"));
        }
    // Centre of the nose face.
    int nose = int(m.vert.size());
    m.vert.push_back({-10950, midy, 2150});
    m.name.push_back("centre of the nose");
    for (const Wheel& w : wheels) {
        const char* where = w.x < 0 ? "front" : "rear";
        for (int outer = 1; outer >= 0; outer--)
            for (int a = 225; a <= 315; a += 45) {
                double r = a * M_PI / 180;
                int half = outer ? stations[w.sa].line[crease][0] : stations[w.sa].line[low][0];
                m.vert.push_back({int(std::lround(w.x + wheelr * std::cos(r))),
                                  midy + w.side * half,
                                  int(std::lround(wheelz + wheelr * std::sin(r)))});
                m.name.push_back(std::string(where) + (w.side < 0 ? " left" : " right") +
                                 " tyre, " + (outer ? "outer " : "inner ") + std::to_string(a));
            }
    }
    for (int i = 0; i < 6; i++) {
        m.vert.push_back({lights[i][0], lights[i][1], lights[i][2]});
        m.name.push_back(i < 4 ? "headlamp" : "tail lamp");
    }

    // Which chart a band quad belongs to: segment k joins ring points k and
    // k + 1; s is the band's first station.
    auto bandchart = [](int s, int k) -> int {
        // The greenhouse: side windows and C pillars from the windscreen to
        // the rear arch.
        bool cabin = s >= 4 && s <= 7;
        switch (k) {
        case 0:
            return skirtleft;
        case 1:
            return bodyleft;
        case 2:
            return cabin ? windowleft : s < 4 ? bonnet : deck;
        case 3:
            return s == 4 ? windscreen : s < 4 ? bonnet : s < 7 ? roof : deck;
        case 4:
            return cabin ? windowright : s < 4 ? bonnet : deck;
        case 5:
            return bodyright;
        case 6:
            return skirtright;
        default:
            return under;
        }
    };
    auto isfootprint = [](int s, int k) {
        for (const Wheel& w : wheels)
            if (s == w.sa && k == (w.side < 0 ? 0 : 6))
                return true;
        return false;
    };
    // Band quads; the diagonal is the one that keeps the surface convex, which
    // encloses the larger volume.
    for (int s = 0; s + 1 < 12; s++)
        for (int k = 0; k < 8; k++) {
            if (isfootprint(s, k))
                continue;
            int a = s * 8 + k, b = s * 8 + (k + 1) % 8, c = b + 8, d = a + 8;
            Vec3 pa = pos(m, a), pb = pos(m, b), pc = pos(m, c), pd = pos(m, d);
            // Signed volume of the tetrahedron: positive when d lies on the
            // side of (a, b, c) that the ring order makes outward.
            double t = dot(cross(pb - pa, pc - pa), pd - pa);
            int ch = bandchart(s, k);
            if (t > 0) {
                m.face.push_back({a, b, c});
                m.face.push_back({a, c, d});
            } else {
                m.face.push_back({a, b, d});
                m.face.push_back({b, c, d});
            }
            m.chart.push_back(ch);
            m.chart.push_back(ch);
        }
    // Nose: a fan round its centre, split at the crease into the lamp panel
    // and the bumper below it.
    for (int k = 0; k < 8; k++) {
        m.face.push_back({nose, (k + 1) % 8, k});
        m.chart.push_back(k >= 1 && k <= 5 ? lamps : bumper);
    }
    // Tail: a strip across, bottom to top.
    {
        int t = 11 * 8;
        for (int l = 0; l < 3; l++) {
            int al = t + l, ar = t + 7 - l, bl = t + l + 1, br = t + 6 - l;
            m.face.push_back({al, ar, br});
            m.face.push_back({al, br, bl});
            m.chart.push_back(tail);
            m.chart.push_back(tail);
        }
    }
    // Wheels.
    for (int i = 0; i < 4; i++) {
        const Wheel& w = wheels[i];
        int ca = ringindex(w.sa, crease, w.side), cb = ringindex(w.sb, crease, w.side);
        int la = ringindex(w.sa, low, w.side), lb = ringindex(w.sb, low, w.side);
        int p = nose + 1 + 6 * i, q = p + 3;
        int outer[5] = {ca, p, p + 1, p + 2, cb}, inner[5] = {la, q, q + 1, q + 2, lb};
        for (int j = 1; j < 4; j++) {
            m.face.push_back({outer[0], outer[j], outer[j + 1]});
            m.chart.push_back(wheelfl + i);
            m.face.push_back({inner[0], inner[j + 1], inner[j]});
            m.chart.push_back(innerfl + i);
        }
        for (int j = 0; j < 4; j++) {
            m.face.push_back({outer[j], inner[j], inner[j + 1]});
            m.face.push_back({outer[j], inner[j + 1], outer[j + 1]});
            m.chart.push_back(treadfl + i);
            m.chart.push_back(treadfl + i);
        }
    }
}

[[noreturn]] void fail(const std::string& what)
{
    fprintf(stderr, "mkcar: %s\n", what.c_str());
    exit(1);
}

// Turns every face the same way as its neighbours (a breadth-first walk over
// shared edges), then the whole surface outwards.
void orient(Mesh& m)
{
    int nf = int(m.face.size());
    std::map<std::pair<int, int>, std::vector<int>> edgefaces;
    for (int f = 0; f < nf; f++)
        for (int k = 0; k < 3; k++) {
            int a = m.face[f][k], b = m.face[f][(k + 1) % 3];
            edgefaces[{std::min(a, b), std::max(a, b)}].push_back(f);
        }
    for (auto& [e, fs] : edgefaces)
        if (fs.size() != 2)
            fail("edge " + std::to_string(e.first) + "-" + std::to_string(e.second) + " has " +
                 std::to_string(fs.size()) + " faces");
    auto hasdirected = [&](int f, int a, int b) {
        for (int k = 0; k < 3; k++)
            if (m.face[f][k] == a && m.face[f][(k + 1) % 3] == b)
                return true;
        return false;
    };
    std::vector<int> done(nf, 0);
    std::vector<int> queue = {0};
    done[0] = 1;
    for (size_t qi = 0; qi < queue.size(); qi++) {
        int f = queue[qi];
        for (int k = 0; k < 3; k++) {
            int a = m.face[f][k], b = m.face[f][(k + 1) % 3];
            for (int g : edgefaces[{std::min(a, b), std::max(a, b)}]) {
                if (g == f || done[g])
                    continue;
                if (hasdirected(g, a, b))
                    std::swap(m.face[g][1], m.face[g][2]);
                done[g] = 1;
                queue.push_back(g);
            }
        }
    }
    if (std::count(done.begin(), done.end(), 0))
        fail("the surface is not connected");
    double vol = 0;
    for (auto& f : m.face)
        vol += dot(pos(m, f[0]), cross(pos(m, f[1]), pos(m, f[2])));
    if (vol < 0)
        for (auto& f : m.face)
            std::swap(f[1], f[2]);
}

// Texture vertices: one per (chart, vertex) pair, projected by the chart's
// axes and fitted into its rectangle.
struct Texture {
    std::vector<std::array<double, 2>> tv; // texels
    std::vector<std::array<int, 3>> tface;
    std::vector<int> tvchart;
    double density[chartcount]; // steps of the car per texel
};

Texture unfold(const Mesh& m)
{
    Texture t;
    t.tface.resize(m.face.size());
    for (int c = 0; c < chartcount; c++) {
        std::vector<int> faces;
        for (size_t f = 0; f < m.face.size(); f++)
            if (m.chart[f] == c)
                faces.push_back(int(f));
        if (faces.empty())
            continue;
        // The two axes of the projection.
        Vec3 eu{1, 0, 0}, ev{0, 0, 1};
        Vec3 normal{0, 0, 0};
        for (int f : faces) {
            Vec3 a = pos(m, m.face[f][0]), b = pos(m, m.face[f][1]), d = pos(m, m.face[f][2]);
            normal = normal + cross(b - a, d - a);
        }
        normal = unit(normal);
        Panel p = carcharts[c].panel;
        std::map<int, double> arc; // treads: distance along the tyre
        if (p == Panel::top || p == Panel::under) {
            ev = {0, 1, 0};
        } else if (p == Panel::front || p == Panel::back) {
            eu = {0, 1, 0};
        } else if (p == Panel::glass || p == Panel::skirt) {
            // Across the glass or the skirt, perpendicular to its length.
            Vec3 along = c == windscreen ? Vec3{0, 1, 0} : Vec3{1, 0, 0};
            eu = along;
            ev = unit(cross(normal, along));
        } else if (p == Panel::tread) {
            ev = {0, 1, 0};
            int w = c - treadfl;
            int ring = 8 * 12 + 1 + 6 * w;
            const Wheel& wh = wheels[w];
            int path[5] = {ringindex(wh.sa, crease, wh.side), ring, ring + 1, ring + 2,
                           ringindex(wh.sb, crease, wh.side)};
            int inpath[5] = {ringindex(wh.sa, low, wh.side), ring + 3, ring + 4, ring + 5,
                             ringindex(wh.sb, low, wh.side)};
            double s = 0;
            for (int j = 0; j < 5; j++) {
                if (j) {
                    Vec3 d = pos(m, path[j]) - pos(m, path[j - 1]);
                    s += std::sqrt(d.x * d.x + d.z * d.z);
                }
                arc[path[j]] = s;
                arc[inpath[j]] = s;
            }
        }
        std::map<int, int> local; // vertex -> texture vertex
        for (int f : faces)
            for (int k = 0; k < 3; k++)
                local.emplace(m.face[f][k], 0);
        int first = int(t.tv.size());
        double umin = 1e9, umax = -1e9, vmin = 1e9, vmax = -1e9;
        for (auto& [v, tvi] : local) {
            Vec3 q = pos(m, v);
            double u = p == Panel::tread ? arc[v] : dot(q, eu), vv = dot(q, ev);
            tvi = int(t.tv.size());
            t.tv.push_back({u, vv});
            t.tvchart.push_back(c);
            umin = std::min(umin, u), umax = std::max(umax, u);
            vmin = std::min(vmin, vv), vmax = std::max(vmax, vv);
        }
        const Chartrect& r = carcharts[c];
        double scale = std::min((r.u1 - r.u0) / (umax - umin), (r.v1 - r.v0) / (vmax - vmin));
        t.density[c] = 1 / scale;
        for (size_t i = first; i < t.tv.size(); i++) {
            t.tv[i][0] = r.u0 + (t.tv[i][0] - umin) * scale;
            t.tv[i][1] = r.v0 + (t.tv[i][1] - vmin) * scale;
        }
        for (int f : faces)
            for (int k = 0; k < 3; k++)
                t.tface[f][k] = local[m.face[f][k]];
    }
    return t;
}

// Stretches the texture coordinates so that they span 1966 to 63569 on both
// axes (7.68 to 248.32 texels), and moves the three texture vertices that
// the first rows name onto their values.
struct Special {
    int chart;
    int vertex;
    int u, v;
};

std::vector<std::array<int, 3>> quantise(const Mesh& m, const Texture& t,
                                         const std::vector<Special>& specials,
                                         std::vector<int>& snapped)
{
    double lo[2] = {1e9, 1e9}, hi[2] = {-1e9, -1e9};
    for (auto& p : t.tv)
        for (int a = 0; a < 2; a++)
            lo[a] = std::min(lo[a], p[a]), hi[a] = std::max(hi[a], p[a]);
    std::vector<std::array<int, 3>> q;
    for (auto& p : t.tv) {
        std::array<int, 3> r{0, 0, 0};
        for (int a = 0; a < 2; a++)
            r[a] = int(std::lround(1966 + (p[a] - lo[a]) * (63569 - 1966) / (hi[a] - lo[a])));
        q.push_back(r);
    }
    for (const Special& s : specials) {
        int found = -1;
        for (size_t f = 0; f < m.face.size() && found < 0; f++)
            for (int k = 0; k < 3; k++)
                if (m.chart[f] == s.chart && m.face[f][k] == s.vertex)
                    found = t.tface[f][k];
        if (found < 0)
            fail("no texture vertex for " + m.name[s.vertex]);
        double du = (q[found][0] - s.u) / 256.0, dv = (q[found][1] - s.v) / 256.0;
        if (std::hypot(du, dv) > 1.5)
            fail("the layout puts " + m.name[s.vertex] + " " + std::to_string(std::hypot(du, dv)) +
                 " texels from its place");
        q[found] = {s.u, s.v, 0};
        snapped.push_back(found);
    }
    return q;
}

// No texture triangle may turn over: the painter finds every texel's face.
void checkfolds(const Mesh& m, const Texture& t, const std::vector<std::array<int, 3>>& q)
{
    std::vector<int> sign(chartcount, 0);
    for (size_t f = 0; f < m.face.size(); f++) {
        auto& a = q[t.tface[f][0]];
        auto& b = q[t.tface[f][1]];
        auto& c = q[t.tface[f][2]];
        double area = double(b[0] - a[0]) * (c[1] - a[1]) - double(c[0] - a[0]) * (b[1] - a[1]);
        int sg = area > 0 ? 1 : -1;
        if (std::abs(area) < 256.0 * 256 * 0.5 || (sign[m.chart[f]] && sign[m.chart[f]] != sg))
            fail("texture face " + std::to_string(f) + " of " + std::to_string(m.chart[f]) +
                 " is degenerate or turned over");
        sign[m.chart[f]] = sg;
    }
}

const char* chartname[chartcount] = {"left flank",
                                     "right flank",
                                     "left skirt",
                                     "right skirt",
                                     "front left tyre",
                                     "front right tyre",
                                     "rear left tyre",
                                     "rear right tyre",
                                     "bonnet",
                                     "roof",
                                     "louvres and deck",
                                     "windscreen",
                                     "left window",
                                     "right window",
                                     "floor",
                                     "lamp panel",
                                     "bumper",
                                     "tail",
                                     "front left tread",
                                     "front right tread",
                                     "rear left tread",
                                     "rear right tread",
                                     "front left tyre, inside",
                                     "front right tyre, inside",
                                     "rear left tyre, inside",
                                     "rear right tyre, inside"};

// Charts keep apart: no texel centre lies in two texture faces, and texels
// of different charts are at least three texels apart, room for the painter
// to bleed each chart's colours outwards.
void checkspacing(const Mesh& m, const Texture& t, const std::vector<std::array<int, 3>>& q)
{
    std::vector<int> owner(65536, -1);
    for (size_t f = 0; f < m.face.size(); f++) {
        double u[3], v[3];
        for (int k = 0; k < 3; k++)
            u[k] = q[t.tface[f][k]][0] / 256.0, v[k] = q[t.tface[f][k]][1] / 256.0;
        double det = (u[1] - u[0]) * (v[2] - v[0]) - (u[2] - u[0]) * (v[1] - v[0]);
        for (int k = 0; k < 256; k++)
            for (int c = 0; c < 256; c++) {
                double uc = c + 0.5, vc = k + 0.5;
                double b1 = ((uc - u[0]) * (v[2] - v[0]) - (u[2] - u[0]) * (vc - v[0])) / det;
                double b2 = ((u[1] - u[0]) * (vc - v[0]) - (uc - u[0]) * (v[1] - v[0])) / det;
                if (b1 <= 0 || b2 <= 0 || b1 + b2 >= 1)
                    continue;
                if (owner[k * 256 + c] >= 0)
                    fail("texture faces " + std::to_string(owner[k * 256 + c]) + " and " +
                         std::to_string(f) + " overlap");
                owner[k * 256 + c] = int(f);
            }
    }
    for (int k = 0; k < 256; k++)
        for (int c = 0; c < 256; c++) {
            int o = owner[k * 256 + c];
            if (o < 0)
                continue;
            for (int dk = -3; dk <= 3; dk++)
                for (int dc = -3; dc <= 3; dc++) {
                    int kk = k + dk, cc = c + dc;
                    if (kk < 0 || cc < 0 || kk > 255 || cc > 255)
                        continue;
                    int p = owner[kk * 256 + cc];
                    if (p >= 0 && m.chart[p] != m.chart[o])
                        fail(std::string("charts ") + chartname[m.chart[o]] + " and " +
                             chartname[m.chart[p]] + " come too close");
                }
        }
}

// The numbering: given labels first, then everything else in the order it
// was built.
std::vector<int> numbering(int n, const std::map<int, int>& given)
{
    std::vector<int> label(n, -1);
    std::vector<char> taken(n, 0);
    for (auto [from, to] : given) {
        if (label[from] >= 0 || taken[to])
            fail("two labels collide");
        label[from] = to;
        taken[to] = 1;
    }
    int next = 0;
    for (int i = 0; i < n; i++) {
        if (label[i] >= 0)
            continue;
        while (taken[next])
            next++;
        label[i] = next;
        taken[next] = 1;
    }
    return label;
}

// printf into a string.
template <typename... A> void say(std::string& out, const char* format, A... args)
{
    char line[1024];
    int n = snprintf(line, sizeof line, format, args...);
    if (n < 0 || n >= int(sizeof line))
        fail("a line of the tables is too long");
    out.append(line, size_t(n));
}

std::string source(const Mesh& m, const Texture& t, const std::vector<std::array<int, 3>>& q,
                   const std::vector<int>& snapped, int f0, int f1, int f2)
{
    // Face rows 1 and 2 share an edge: row 1 runs a -> b over it, row 2 b -> a.
    auto rotateto = [](std::array<int, 3> f, int first) {
        while (f[0] != first)
            f = {f[1], f[2], f[0]};
        return f;
    };
    int a = -1, b = -1;
    for (int k = 0; k < 3 && a < 0; k++)
        for (int j = 0; j < 3; j++)
            if (m.face[f1][k] == m.face[f2][(j + 1) % 3] &&
                m.face[f1][(k + 1) % 3] == m.face[f2][j])
                a = m.face[f1][k], b = m.face[f1][(k + 1) % 3];
    if (a < 0)
        fail("face rows 1 and 2 do not meet");
    auto corner = [&](int f, int v) {
        for (int k = 0; k < 3; k++)
            if (m.face[f][k] == v)
                return k;
        fail("no such corner");
    };
    std::array<int, 3> r1 = rotateto(m.face[f1], a), r2 = rotateto(m.face[f2], b);
    int ka1 = corner(f1, a), kb1 = corner(f1, b), kc1 = corner(f1, r1[2]);
    int ka2 = corner(f2, a), kb2 = corner(f2, b), kc2 = corner(f2, r2[2]);
    if (t.tface[f1][ka1] != t.tface[f2][ka2] || t.tface[f1][kb1] != t.tface[f2][kb2])
        fail("a texture seam runs between face rows 1 and 2");

    std::map<int, int> gv = {{ringindex(1, low, -1), 0},
                             {ringindex(6, low, -1), 1},
                             {ringindex(10, low, -1), 2},
                             {m.face[f0][0], 38},
                             {m.face[f0][1], 41},
                             {m.face[f0][2], 42},
                             {a, 106},
                             {b, 80},
                             {r1[2], 81},
                             {r2[2], 5}};
    std::map<int, int> gt = {{snapped[0], 0},         {snapped[1], 1},
                             {snapped[2], 2},         {t.tface[f0][0], 41},
                             {t.tface[f0][1], 46},    {t.tface[f0][2], 47},
                             {t.tface[f1][ka1], 284}, {t.tface[f1][kb1], 82},
                             {t.tface[f1][kc1], 85},  {t.tface[f2][kc2], 5}};
    std::vector<int> vl = numbering(int(m.vert.size()), gv);
    std::vector<int> tl = numbering(int(q.size()), gt);
    std::vector<int> fl = numbering(int(m.face.size()), {{f0, 0}, {f1, 1}, {f2, 2}});
    // Rows of faces, rotated so that the given corners come first.
    std::vector<std::array<int, 3>> frow(m.face.size()), trow(m.face.size());
    for (size_t f = 0; f < m.face.size(); f++) {
        int first = int(f) == f1 ? ka1 : int(f) == f2 ? kb2 : 0;
        for (int k = 0; k < 3; k++) {
            frow[fl[f]][k] = vl[m.face[f][(first + k) % 3]];
            trow[fl[f]][k] = tl[t.tface[f][(first + k) % 3]];
        }
    }
    std::vector<int> vinv(vl.size()), tinv(tl.size()), finv(fl.size());
    for (size_t i = 0; i < vl.size(); i++)
        vinv[vl[i]] = int(i);
    for (size_t i = 0; i < tl.size(); i++)
        tinv[tl[i]] = int(i);
    for (size_t i = 0; i < fl.size(); i++)
        finv[fl[i]] = int(i);

    std::string out;
    say(out, "// The car `delorean`: 121 body vertices and six light points, 238 faces, 288\n"
             "// texture vertices. Written by tools/meshes/mkcar, which says how the car is\n"
             "// built: change that and run it again rather than editing this file.\n"
             "#include \"scene3d/scene3d.h\"\n\n"
             "// clang-format off\n\n"
             "// x, y, z: 256 steps to the unit, x from nose to tail, z up.\n"
             "const int vertdelorean[127 * 3] = {\n");
    for (size_t i = 0; i < vinv.size(); i++) {
        auto& v = m.vert[vinv[i]];
        say(out, "    %6d, %6d, %5d, // %zu: %s\n", v[0], v[1], v[2], i, m.name[vinv[i]].c_str());
    }
    say(out, "};\n\n// Corners counter-clockwise seen from outside.\n"
             "const unsigned facedelorean[238 * 3] = {\n");
    for (size_t i = 0; i < frow.size(); i++)
        say(out, "    %3d, %3d, %3d, // %zu: %s\n", frow[i][0], frow[i][1], frow[i][2], i,
            chartname[m.chart[finv[i]]]);
    say(out, "};\n\n// u, v, w: 256 to a texel, v upwards from the bottom of the picture.\n"
             "const int tvertdelorean[288 * 3] = {\n");
    for (size_t i = 0; i < tinv.size(); i++)
        say(out, "    %5d, %5d, 0, // %zu: %s\n", q[tinv[i]][0], q[tinv[i]][1], i,
            chartname[t.tvchart[tinv[i]]]);
    say(out, "};\n\n// The texture vertices of each face's corners, in the same order.\n"
             "const unsigned tfacedelorean[238 * 3] = {\n");
    for (size_t i = 0; i < trow.size(); i++)
        say(out, "    %3d, %3d, %3d, // %zu\n", trow[i][0], trow[i][1], trow[i][2], i);
    say(out, "};\n\n// clang-format on\n");
    return out;
}

void check(const Mesh& m, const Texture& t)
{
    if (m.vert.size() != 127 || m.face.size() != 238 || t.tv.size() != 288)
        fail("counts: " + std::to_string(m.vert.size()) + " vertices, " +
             std::to_string(m.face.size()) + " faces, " + std::to_string(t.tv.size()) +
             " texture vertices");
    for (int v = 0; v < 121; v++) {
        Vec3 p = pos(m, v);
        if (std::sqrt(dot(p, p)) > 13344)
            fail("vertex " + m.name[v] + " lies too far from the origin");
    }
}

} // namespace

int main(int argc, char** argv)
{
    bool checking = argc == 3 && std::string(argv[1]) == "--check";
    if (argc != 2 && !checking) {
        fprintf(stderr, "usage: mkcar OUTPUT.cpp\n       mkcar --check TABLES.cpp\n");
        return 2;
    }
    Mesh m;
    buildbody(m);
    orient(m);
    Texture t = unfold(m);
    check(m, t);
    // The texture vertices that the first rows name: the crease at the nose
    // and at the rear end of the front arch on the left flank, and the front
    // right corner of the roof.
    std::vector<Special> specials = {{roof, ringindex(5, roofline, 1), 15879, 58195},
                                     {bodyleft, ringindex(3, crease, -1), 17458, 19726},
                                     {bodyleft, ringindex(0, crease, -1), 1966, 19687}};
    std::vector<int> snapped;
    std::vector<std::array<int, 3>> q = quantise(m, t, specials, snapped);
    checkfolds(m, t, q);
    checkspacing(m, t, q);
    // Face rows 0 to 2: a face of the windscreen, and the two faces of a quad
    // on the right flank in the middle of the door.
    auto bandface = [&](int s, int k, int which) {
        int a = s * 8 + k, b = s * 8 + (k + 1) % 8;
        int n = 0;
        for (size_t f = 0; f < m.face.size(); f++) {
            std::set<int> c(m.face[f].begin(), m.face[f].end());
            int hits = int(c.count(a) + c.count(b) + c.count(a + 8) + c.count(b + 8));
            if (hits == 3 && n++ == which)
                return int(f);
        }
        fail("no such band face");
    };
    std::string text =
        source(m, t, q, snapped, bandface(4, 3, 0), bandface(5, 5, 0), bandface(5, 5, 1));
    std::string path = argv[argc - 1];
    if (checking) {
        // The committed tables must be what the generator makes today.
        std::string old;
        if (FILE* in = fopen(path.c_str(), "rb")) {
            char buf[4096];
            for (size_t n; (n = fread(buf, 1, sizeof buf, in)) > 0;)
                old.append(buf, n);
            fclose(in);
        }
        if (old != text)
            fail(path + " is not the generator's output: run mkcar " + path);
        return 0;
    }
    FILE* out = fopen(path.c_str(), "wb");
    if (!out || fwrite(text.data(), 1, text.size(), out) != text.size() || fclose(out))
        fail("cannot write " + path);
    for (int c = 0; c < chartcount; c++)
        printf("%-26s %5.1f steps a texel\n", chartname[c], t.density[c]);
    return 0;
}
