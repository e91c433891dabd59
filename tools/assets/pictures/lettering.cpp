#include "lettering.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace
{

const char* fontdir = "/usr/share/fonts/truetype/dejavu/";

[[noreturn]] void fail(const std::string& why)
{
    fprintf(stderr, "mkpictures: %s\n", why.c_str());
    exit(1);
}

// One line of coverage (0..255) in a buffer of its own, with the inked box.
struct Ink {
    int w, h;
    std::vector<uint8_t> v;
    int x0, y0, x1, y1;
};

Ink render(const Type& t, const std::string& text, int s)
{
    FT_Library lib;
    FT_Face face;
    std::string path = std::string(fontdir) + t.font;
    if (FT_Init_FreeType(&lib) || FT_New_Face(lib, path.c_str(), 0, &face))
        fail("cannot open the font " + path);
    FT_Set_Pixel_Sizes(face, 0, FT_UInt(t.height * s));
    FT_Matrix m{FT_Fixed(t.widen * 65536), FT_Fixed(t.slant * 65536), 0, 65536};
    FT_Set_Transform(face, &m, nullptr);

    int pad = int(t.height * s), base = int(t.height * s * 1.2);
    Ink ink{int(t.height * s * (text.size() + 2) * 1.5), int(t.height * s * 1.8), {}, 0, 0, 0, 0};
    ink.v.assign(size_t(ink.w) * ink.h, 0);
    ink.x0 = ink.w, ink.y0 = ink.h, ink.x1 = 0, ink.y1 = 0;
    double pen = pad;
    for (char ch : text) {
        if (FT_Load_Char(face, FT_ULong(ch), FT_LOAD_RENDER | FT_LOAD_NO_HINTING))
            fail(std::string("cannot render the letter ") + ch);
        FT_GlyphSlot g = face->glyph;
        int ox = int(pen) + g->bitmap_left, oy = base - g->bitmap_top;
        // Letters may touch or overlap; keep the stronger coverage.
        for (unsigned r = 0; r < g->bitmap.rows; r++)
            for (unsigned c = 0; c < g->bitmap.width; c++) {
                int x = ox + int(c), y = oy + int(r);
                uint8_t a = g->bitmap.buffer[r * g->bitmap.pitch + c];
                if (a == 0 || x < 0 || y < 0 || x >= ink.w || y >= ink.h)
                    continue;
                uint8_t& dst = ink.v[size_t(y) * ink.w + x];
                dst = std::max(dst, a);
                ink.x0 = std::min(ink.x0, x), ink.y0 = std::min(ink.y0, y);
                ink.x1 = std::max(ink.x1, x + 1), ink.y1 = std::max(ink.y1, y + 1);
            }
        pen += g->advance.x / 64.0 + t.tracking * s;
    }
    FT_Done_Face(face);
    FT_Done_FreeType(lib);
    return ink;
}

// Squared distance to the nearest set cell along one line (Felzenszwalb and
// Huttenlocher's lower envelope of parabolas); f holds 0 at set cells and a
// large value elsewhere.
void envelope(std::vector<double>& f, int n, std::vector<double>& d, std::vector<int>& v,
              std::vector<double>& z)
{
    int k = 0;
    v[0] = 0;
    z[0] = -std::numeric_limits<double>::infinity();
    z[1] = std::numeric_limits<double>::infinity();
    for (int q = 1; q < n; q++) {
        auto cut = [&](int p) { return ((f[q] + q * q) - (f[p] + p * p)) / (2.0 * q - 2.0 * p); };
        double sq = cut(v[k]);
        while (sq <= z[k])
            sq = cut(v[--k]);
        k++;
        v[k] = q;
        z[k] = sq;
        z[k + 1] = std::numeric_limits<double>::infinity();
    }
    k = 0;
    for (int q = 0; q < n; q++) {
        while (z[k + 1] < q)
            k++;
        d[q] = (q - v[k]) * (q - v[k]) + f[v[k]];
    }
}

// Euclidean distance (in cells) from every cell to the nearest cell where
// `set` holds.
std::vector<double> distance(const std::vector<bool>& set, int w, int h)
{
    const double far = 1e12;
    std::vector<double> g(size_t(w) * h);
    int n = std::max(w, h);
    std::vector<double> f(n), d(n), z(n + 1);
    std::vector<int> v(n);
    for (int x = 0; x < w; x++) {
        for (int y = 0; y < h; y++)
            f[y] = set[size_t(y) * w + x] ? 0 : far;
        envelope(f, h, d, v, z);
        for (int y = 0; y < h; y++)
            g[size_t(y) * w + x] = d[y];
    }
    for (int y = 0; y < h; y++) {
        for (int x = 0; x < w; x++)
            f[x] = g[size_t(y) * w + x];
        envelope(f, w, d, v, z);
        for (int x = 0; x < w; x++)
            g[size_t(y) * w + x] = std::sqrt(d[x]);
    }
    return g;
}

} // namespace

double Lettering::at(Vec p) const
{
    double fx = std::clamp(p.x * s - 0.5, 0.0, w * s - 1.001);
    double fy = std::clamp(p.y * s - 0.5, 0.0, h * s - 1.001);
    int ix = int(fx), iy = int(fy), sw = w * s;
    double tx = fx - ix, ty = fy - iy;
    const float* r0 = &dist[size_t(iy) * sw + ix];
    const float* r1 = r0 + sw;
    return (r0[0] * (1 - tx) + r0[1] * tx) * (1 - ty) + (r1[0] * (1 - tx) + r1[1] * tx) * ty;
}

Shape Lettering::shape() const
{
    return {[this](Vec p) { return at(p); }, x0, y0, x1, y1};
}

Lettering setline(const Type& t, const std::string& text, Vec centre, int w, int h, int s)
{
    Ink ink = render(t, text, s);
    int sw = w * s, sh = h * s;
    // Sample offset that puts the centre of the inked box on `centre`.
    int dx = int(std::lround(centre.x * s - (ink.x0 + ink.x1) / 2.0));
    int dy = int(std::lround(centre.y * s - (ink.y0 + ink.y1) / 2.0));
    std::vector<bool> in(size_t(sw) * sh, false), out(size_t(sw) * sh, true);
    for (int y = ink.y0; y < ink.y1; y++)
        for (int x = ink.x0; x < ink.x1; x++) {
            int X = x + dx, Y = y + dy;
            if (X < 0 || Y < 0 || X >= sw || Y >= sh || ink.v[size_t(y) * ink.w + x] < 128)
                continue;
            in[size_t(Y) * sw + X] = true;
            out[size_t(Y) * sw + X] = false;
        }
    std::vector<double> toin = distance(in, sw, sh), toout = distance(out, sw, sh);
    Lettering l{w,
                h,
                s,
                std::vector<float>(size_t(sw) * sh),
                (ink.x0 + dx) / double(s),
                (ink.y0 + dy) / double(s),
                (ink.x1 + dx) / double(s),
                (ink.y1 + dy) / double(s)};
    // Half a sample puts the zero on the boundary between inked and bare cells.
    for (size_t k = 0; k < l.dist.size(); k++)
        l.dist[k] = float((in[k] ? 0.5 - toout[k] : toin[k] - 0.5) / s);
    return l;
}
