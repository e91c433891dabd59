// Generates the interlinked rings mesh, src/scene3d/torus.cpp: two tori of
// 16 x 12 vertices, their faces, and a texture layout that keeps the
// mesh's fixed row counts and first rows.
//
//   mkrings > src/scene3d/torus.cpp      writes the tables
//   mkrings --check src/scene3d/torus.cpp  exits 1 unless the file is what
//                                          this program writes
//
// The build compiles it but does not run it: the tables are committed
// source, and the program's own checks (first rows, counts, ranges) say
// whether a change kept the mesh's data model.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "mkrings.h"

using namespace rings;

namespace
{

// --- Vertices and faces ---------------------------------------------------

std::vector<int> makevertices()
{
    std::vector<int> v;
    for (int t = 0; t < 2; t++)
        for (int r = 0; r < sections; r++)
            for (int k = 0; k < tubesteps; k++) {
                Vec3 p = point(t, ringangle(r), tubeangle(k));
                v.insert(v.end(),
                         {int(std::lround(p.x)), int(std::lround(p.y)), int(std::lround(p.z))});
            }
    v.insert(v.end(), {0, 0, 0});
    return v;
}

std::vector<int> makefaces()
{
    std::vector<int> f;
    for (int i = 0; i < facecount; i++) {
        Corner c[3];
        facecorners(i, c);
        for (Corner x : c)
            f.push_back(vertexof(x));
    }
    f.insert(f.end(), {0, 0, 0});
    return f;
}

// --- Texture layout --------------------------------------------------------
//
// Each torus is cut along the tube lines k = 1 and k = 7 into two bands: U
// (steps 1 to 7, over the top and into the hole) and L (steps 7 to 13,
// under and round the outside). Each band is cut into pieces of whole
// sections, and each piece is laid flat like a little map: tube steps go
// down the picture, sections across it, and every level of vertices is as
// wide as the ring is long at that tube angle, centred on the piece's
// middle. So a piece keeps its true proportions to a few percent, and U and
// L pieces, wide at opposite ends, nest side by side.
//
// Positions are in picture texels, x to the right and y down the picture
// (the rasteriser reads v upwards: v = 256 - y).

constexpr double scale = 375; // table steps per texel: about a texel a pixel
constexpr double gap = 3;     // texels between pieces, room for sampling slop
constexpr double umax = 63563 / 256.0, vmax = 63569 / 256.0; // the layout's extent

double levelwidth(int k)
{
    return 2 * (ringradius + tuberadius * std::cos(tubeangle(k))) * std::sin(pi / sections);
}
const double tubestep = 2 * tuberadius * std::sin(pi / tubesteps);

struct Piece {
    int t, r0, n, k0;              // torus, first section, sections, first tube step (1 or 7)
    double su = scale, sv = scale; // table steps per texel across and down
    double x = 0, y = 0;           // middle of the top level
    int first = 0;                 // first texture vertex, before renumbering

    double left(int l) const { return -n / 2.0 * levelwidth(k0 + l) / su; }
    double colx(int j, int l) const { return x + (j - n / 2.0) * levelwidth(k0 + l) / su; }
    double levely(int l) const { return y + l * tubestep / sv; }
    double height() const { return levely(6) - y; }
    double halfwidth() const
    {
        double w = 0;
        for (int l = 0; l <= 6; l++)
            w = std::max(w, -left(l));
        return w;
    }
};

struct Box {
    double x0, y0, x1, y1;
};
Box bounds(const Piece& p)
{
    return {p.x - p.halfwidth(), p.y, p.x + p.halfwidth(), p.y + p.height()};
}

// The first rows of the table fix two pieces. Face 0 and 1 lie in piece A
// (band L of section 0), whose corner of vertex 0 sits at (37440, 25133).
// Faces 2 and 3 lie in piece B (band U of section 0), whose corners of
// vertices 1 and 2 sit at (6199, 49053) and (6337, 48077): those two rows
// also fix B's scale, about half the others'.
constexpr double a0u = 37440, a0v = 25133, b1u = 6199, b1v = 49053, b2u = 6337, b2v = 48077;

Piece pinneda()
{
    Piece a{0, 0, 1, 7};
    a.x = a0u / 256 - a.left(5), a.y = 256 - a0v / 256 - 5 * tubestep / a.sv;
    return a;
}

Piece pinnedb()
{
    Piece b{0, 0, 1, 1};
    b.su = (levelwidth(1) - levelwidth(2)) / 2 / ((b2u - b1u) / 256);
    b.sv = tubestep / ((b1v - b2v) / 256);
    b.x = b1u / 256 - b.left(0), b.y = 256 - b1v / 256;
    return b;
}

// The pieces that flow into rows: torus 0 in single sections (like B), torus
// 1 in pairs; torus 1's last four L sections make one piece, which brings
// the count to the mesh's 777 texture vertices.
std::vector<Piece> flowpieces()
{
    std::vector<Piece> p;
    for (int r = 1; r < sections; r++)
        p.insert(p.end(), {{0, r, 1, 1}, {0, r, 1, 7}});
    for (int r = 0; r < sections; r += 2) {
        p.push_back({1, r, 2, 1});
        if (r < 12)
            p.push_back({1, r, 2, 7});
    }
    p.push_back({1, 12, 4, 7});
    return p;
}

// Five rows of pieces fill the picture from the top of the layout to its
// bottom; the row of A is where A's pinned corner puts it, the others are
// spread evenly around it.
std::vector<double> rowtops(const Piece& a)
{
    double h = Piece{0, 0, 1, 1}.height();
    double top0 = 256 - vmax, top2 = a.y, top4 = 256 - h;
    return {top0, (top0 + top2) / 2, top2, (top2 + top4) / 2, top4};
}

// Lays the pieces left to right along the rows. A piece goes as far left as
// its profile allows against the one before it (level by level, since the
// outlines are straight between levels) and against the pinned pieces, and
// starts a new row when it would pass the right edge. Full rows free of
// pinned pieces are then spread to the full width.
bool flow(std::vector<Piece>& pieces, const std::vector<Piece>& pinned)
{
    std::vector<double> tops = rowtops(pinned[1]);
    std::vector<std::vector<Piece*>> rows(tops.size());
    std::vector<bool> blocked(tops.size());
    size_t row = 0;
    const Piece* prev = nullptr;
    for (Piece& p : pieces) {
        for (;;) {
            if (row == tops.size())
                return false;
            p.y = tops[row];
            p.x = p.halfwidth(); // a row starts at the left edge
            if (prev) {
                double x = -1e9;
                for (int l = 0; l <= 6; l++)
                    x = std::max(x, prev->x - prev->left(l) - p.left(l) + gap);
                p.x = x;
            }
            for (const Piece& q : pinned) {
                Box b = bounds(q), me = bounds(p);
                if (b.y0 < me.y1 && b.y1 > me.y0 && me.x0 < b.x1 + gap && me.x1 > b.x0 - gap) {
                    p.x = b.x1 + gap + p.halfwidth();
                    blocked[row] = true;
                }
            }
            if (bounds(p).x1 <= umax)
                break;
            row++, prev = nullptr;
        }
        rows[row].push_back(&p);
        prev = &p;
    }
    for (size_t i = 0; i + 1 < rows.size(); i++) {
        if (blocked[i] || rows[i].size() < 2 || !rows[i + 1].size())
            continue;
        double spare = umax - bounds(*rows[i].back()).x1;
        for (size_t j = 0; j < rows[i].size(); j++)
            rows[i][j]->x += spare * j / (rows[i].size() - 1);
    }
    return true;
}

struct Layout {
    std::vector<int> tvert, tface;
};

// Numbers the texture vertices piece by piece, column by column; the eight
// corners of faces 0 to 3 then take the numbers the table's first rows give
// them, and the others keep their order in the numbers left.
Layout makelayout()
{
    std::vector<Piece> pinned = {pinnedb(), pinneda()};
    std::vector<Piece> flowing = flowpieces();
    if (!flow(flowing, pinned)) {
        fprintf(stderr, "mkrings: the pieces do not fit the texture\n");
        exit(1);
    }
    std::vector<Piece> all = pinned;
    all.insert(all.end(), flowing.begin(), flowing.end());
    int count = 0;
    for (Piece& p : all) {
        p.first = count;
        count += (p.n + 1) * 7;
    }

    auto natural = [&](const Piece& p, int j, int l) { return p.first + j * 7 + l; };
    const Piece &b = all[0], &a = all[1];
    const std::pair<int, int> fixed[] = {{natural(a, 0, 5), 0},   {natural(b, 0, 0), 1},
                                         {natural(b, 0, 1), 2},   {natural(a, 0, 6), 12},
                                         {natural(b, 1, 0), 13},  {natural(b, 1, 1), 14},
                                         {natural(a, 1, 5), 180}, {natural(a, 1, 6), 524}};
    std::vector<int> number(count, -1);
    std::vector<bool> taken(count);
    for (auto [from, to] : fixed)
        number[from] = to, taken[to] = true;
    for (int i = 0, next = 0; i < count; i++) {
        if (number[i] >= 0)
            continue;
        while (taken[next])
            next++;
        number[i] = next++;
    }

    Layout out;
    out.tvert.assign(3 * (count + 1), 0);
    for (const Piece& p : all)
        for (int j = 0; j <= p.n; j++)
            for (int l = 0; l <= 6; l++) {
                int i = number[natural(p, j, l)];
                out.tvert[3 * i] = int(std::lround(p.colx(j, l) * 256));
                out.tvert[3 * i + 1] = int(std::lround((256 - p.levely(l)) * 256));
            }

    for (int f = 0; f < facecount; f++) {
        Corner c[3];
        facecorners(f, c);
        int k0 = c[0].k >= 1 && c[0].k <= 6 ? 1 : 7;
        const Piece* home = nullptr;
        for (const Piece& p : all)
            if (p.t == c[0].t && p.k0 == k0 && c[0].r >= p.r0 && c[0].r < p.r0 + p.n)
                home = &p;
        for (Corner x : c) {
            int l = x.k - k0 + (x.k < k0 ? tubesteps : 0);
            out.tface.push_back(number[natural(*home, x.r - home->r0, l)]);
        }
    }
    out.tface.insert(out.tface.end(), {0, 0, 0});
    return out;
}

// --- Output ------------------------------------------------------------------

void table(std::string& out, const char* decl, const std::vector<int>& rows)
{
    out += decl;
    out += " = {\n";
    char buf[64];
    for (size_t i = 0; i < rows.size(); i += 3) {
        if (i % 12 == 0)
            out += "   ";
        snprintf(buf, sizeof buf, " %6d, %6d, %6d,", rows[i], rows[i + 1], rows[i + 2]);
        out += buf;
        if (i % 12 == 9 || i + 3 == rows.size())
            out += "\n";
    }
    out += "};\n";
}

// The rows the mesh's data model states, and its counts and ranges.
bool selfcheck(const std::vector<int>& v, const std::vector<int>& f, const Layout& t)
{
    const int vrows[] = {490, 18945, 0, 490, 18261, 2553, 490, 16392, 4421};
    const int frows[] = {0, 13, 12, 0, 1, 13, 1, 14, 13, 1, 2, 14};
    const int trows[] = {37440, 25133, 0, 6199, 49053, 0, 6337, 48077, 0};
    const int tfrows[] = {0, 524, 180, 0, 12, 524, 1, 14, 13, 1, 2, 14};
    bool ok = std::equal(vrows, vrows + 9, v.begin()) && std::equal(frows, frows + 12, f.begin()) &&
              std::equal(trows, trows + 9, t.tvert.begin()) &&
              std::equal(tfrows, tfrows + 12, t.tface.begin());
    ok = ok && v.size() == 385 * 3 && f.size() == 769 * 3 && t.tvert.size() == 778 * 3 &&
         t.tface.size() == 769 * 3;
    int umin = 1 << 30, umaxv = 0, vmin = 1 << 30, vmaxv = 0;
    for (size_t i = 0; i + 3 < t.tvert.size(); i += 3) {
        umin = std::min(umin, t.tvert[i]), umaxv = std::max(umaxv, t.tvert[i]);
        vmin = std::min(vmin, t.tvert[i + 1]), vmaxv = std::max(vmaxv, t.tvert[i + 1]);
    }
    ok = ok && umin == 0 && umaxv == 63563 && vmin == 0 && vmaxv == 63569;
    if (!ok)
        fprintf(stderr,
                "mkrings: the tables miss a stated row, count or range "
                "(u %d..%d, v %d..%d)\n",
                umin, umaxv, vmin, vmaxv);
    return ok;
}

std::string source()
{
    std::vector<int> v = makevertices(), f = makefaces();
    Layout t = makelayout();
    if (!selfcheck(v, f, t))
        exit(1);
    std::string out = "// The interlinked rings: two tori of 16 sections by 12 tube steps, their\n"
                      "// faces and texture layout. Written by tools/meshes/mkrings; regenerate\n"
                      "// rather than edit (mkrings > src/scene3d/torus.cpp).\n"
                      "#include \"scene3d/scene3d.h\"\n\n"
                      "// clang-format off\n";
    table(out, "const int vert2torus[385 * 3]", v);
    table(out, "const unsigned face2torus[769 * 3]", f);
    table(out, "const int tvert2torus[778 * 3]", t.tvert);
    table(out, "const unsigned tface2torus[769 * 3]", t.tface);
    out += "// clang-format on\n";
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    std::string text = source();
    if (argc == 3 && std::string(argv[1]) == "--check") {
        std::ifstream in(argv[2]);
        std::stringstream committed;
        committed << in.rdbuf();
        if (committed.str() != text) {
            fprintf(stderr, "mkrings: %s is not what mkrings writes\n", argv[2]);
            return 1;
        }
        return 0;
    }
    if (argc != 1) {
        fprintf(stderr, "usage: mkrings [--check FILE]\n");
        return 2;
    }
    fputs(text.c_str(), stdout);
    return 0;
}
