// Flat and Gouraud triangle fillers. A colour packed as (r << 16) | (g << 8)
// | b keeps only its low 16 bits in the pixel: g lands in the upper byte, b
// in the lower, and red falls away, so the fillers take none.
#include <algorithm>
#include <cstdint>

#include "base/base.h"
#include "raster/raster.h"
#include "raster/triangle.h"

namespace
{

Uint16* row(SDL_Surface* target, int y) { return static_cast<Uint16*>(target->pixels) + ymult[y]; }

// The low 16 bits of the packed colour of components with 8 fractional bits.
// Only bits 8 to 15 of g and 8 to 23 of b reach them.
Uint16 gourpixel(uint32_t g, uint32_t b) { return Uint16(((g >> 8) << 8) | (b >> 8)); }

// A flat edge's slope in 24.8 pixels per row; a flat edge has none.
int64_t slope(int64_t dx, int64_t dy) { return dy == 0 ? 0 : dx * 256 * 256 / (dy * 256); }

// The column reached after y rows down an edge of slope s (24.8) from x.
int column(int64_t x, int64_t y, int64_t s) { return int(x + ((y * 256 * s) >> 16)); }

struct Point {
    int64_t x, y;
};

} // namespace

void drawhorizline(int x1, int x2, int y, int g, int b, SDL_Surface* target)
{
    if (y < 0 || y >= SCREEN_H)
        return;
    if (x2 < x1)
        std::swap(x1, x2);
    Uint16 c = Uint16((unsigned(g) << 8) | unsigned(b));
    Uint16* dst = row(target, y);
    for (int x = std::max(x1, 0), end = std::min(x2, SCREEN_W); x < end; x++)
        dst[x] = c;
}

// No back-face test: both windings fill. Rows y1 to y3 are all drawn, row y2
// twice; each row's ends are worked out afresh, so rows off the screen are
// simply not visited.
void drawfillvect(Corner2 c1, Corner2 c2, Corner2 c3, int g, int b, SDL_Surface* target)
{
    Point p1{c1.x, c1.y}, p2{c2.x, c2.y}, p3{c3.x, c3.y};
    raster::sortcorners(p1, p2, p3);
    int64_t s12 = slope(p2.x - p1.x, p2.y - p1.y);
    int64_t s23 = slope(p3.x - p2.x, p3.y - p2.y);
    int64_t s31 = slope(p1.x - p3.x, p1.y - p3.y);
    for (int64_t y = std::max<int64_t>(p1.y, 0); y <= std::min<int64_t>(p2.y, SCREEN_H - 1); y++)
        drawhorizline(column(p1.x, y - p1.y, s12), column(p1.x, y - p1.y, s31), int(y), g, b,
                      target);
    for (int64_t y = std::max<int64_t>(p2.y, 0); y <= std::min<int64_t>(p3.y, SCREEN_H - 1); y++)
        drawhorizline(column(p2.x, y - p2.y, s23), column(p1.x, y - p1.y, s31), int(y), g, b,
                      target);
}

// The ends are not exchanged: a span given right to left is drawn from x1
// down to x2 inclusive, all in the first end's colour.
void drawgourline(int x1, int y, long g1, long b1, int x2, long g2, long b2, SDL_Surface* target)
{
    Uint16* dst = row(target, y);
    uint32_t g = uint32_t(g1), b = uint32_t(b1);
    if (x1 >= x2) {
        for (int x = std::max(x2, 0), end = std::min(x1, SCREEN_W - 1); x <= end; x++)
            dst[x] = gourpixel(g, b);
        return;
    }
    int64_t width = int64_t(x2) - x1;
    uint32_t dg = uint32_t((int64_t(int32_t(g2)) - int32_t(g1)) / width);
    uint32_t db = uint32_t((int64_t(int32_t(b2)) - int32_t(b1)) / width);
    int64_t x = x1;
    if (x < 0) {
        uint32_t k = uint32_t(-x);
        g += k * dg;
        b += k * db;
        x = 0;
    }
    // Per pixel: pack, store, step; columns right of the screen are not visited.
    for (int64_t end = std::min<int64_t>(x2, SCREEN_W); x < end; x++) {
        dst[x] = gourpixel(g, b);
        g += dg;
        b += db;
    }
}

// The textured triangle's walk with the colour in place of the texture
// coordinates; the same faces are culled.
void drawgouraudvect(Corner2 c1, Corner2 c2, Corner2 c3, int g1, int b1, int g2, int b2, int g3,
                     int b3, SDL_Surface* target)
{
    if (raster::facesaway(c1, c2, c3))
        return;
    auto corner = [](const Corner2& c, int g, int b) {
        return raster::Corner<2>{
            int64_t(c.x) * 256, int64_t(c.y) * 256, {uint32_t(g) * 256, uint32_t(b) * 256}};
    };
    auto span = [target](int row, int xa, const uint32_t* a, int xb, const uint32_t* b) {
        drawgourline(xa, row, int32_t(a[0]), int32_t(a[1]), xb, int32_t(b[0]), int32_t(b[1]),
                     target);
    };
    raster::scantriangle(corner(c1, g1, b1), corner(c2, g2, b2), corner(c3, g3, b3), span);
}
