// Flat and Gouraud triangle fillers. Colours are packed as
// (r << 16) | (g << 8) | b and the pixel keeps the low 16 bits, so g lands
// in the upper byte, b in the lower and r falls away.
#include <algorithm>
#include <cstdint>

#include "raster/raster.h"
#include "raster/triangle.h"
#include "runtime/runtime.h"

namespace
{

Uint16* row(int y) { return static_cast<Uint16*>(screen->pixels) + ymult[y]; }

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

void drawhorizline(int x1, int x2, int y, int, int g, int b)
{
    if (y < 0 || y > 239)
        return;
    if (x2 < x1)
        std::swap(x1, x2);
    Uint16 c = Uint16((unsigned(g) << 8) | unsigned(b));
    Uint16* dst = row(y);
    for (int x = std::max(x1, 0), end = std::min(x2, 320); x < end; x++)
        dst[x] = c;
}

// No back-face test: both windings fill. Rows y1 to y3 are all drawn, row y2
// twice; each row's ends are worked out afresh, so rows off the screen are
// simply not visited.
void drawfillvect(int i1, int i2, int i3, int r, int g, int b)
{
    Point p1{kx[i1], ky[i1]}, p2{kx[i2], ky[i2]}, p3{kx[i3], ky[i3]};
    raster::sortcorners(p1, p2, p3);
    int64_t s12 = slope(p2.x - p1.x, p2.y - p1.y);
    int64_t s23 = slope(p3.x - p2.x, p3.y - p2.y);
    int64_t s31 = slope(p1.x - p3.x, p1.y - p3.y);
    for (int64_t y = std::max<int64_t>(p1.y, 0); y <= std::min<int64_t>(p2.y, 239); y++)
        drawhorizline(column(p1.x, y - p1.y, s12), column(p1.x, y - p1.y, s31), int(y), r, g, b);
    for (int64_t y = std::max<int64_t>(p2.y, 0); y <= std::min<int64_t>(p3.y, 239); y++)
        drawhorizline(column(p2.x, y - p2.y, s23), column(p1.x, y - p1.y, s31), int(y), r, g, b);
}

// The ends are not exchanged: a span given right to left is drawn from x1
// down to x2 inclusive, all in the first end's colour. Red never reaches the
// 16-bit pixel, so only g and b are interpolated.
void drawgourline(int x1, int y, long, long g1, long b1, int x2, long, long g2, long b2)
{
    Uint16* dst = row(y);
    uint32_t g = uint32_t(g1), b = uint32_t(b1);
    if (x1 >= x2) {
        for (int x = std::max(x2, 0), end = std::min(x1, 319); x <= end; x++)
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
    for (int64_t end = std::min<int64_t>(x2, 320); x < end; x++) {
        dst[x] = gourpixel(g, b);
        g += dg;
        b += db;
    }
}

// The textured triangle's walk with the colour in place of the texture
// coordinates; the same faces are culled.
void drawgouraudvect(int i1, int i2, int i3, int, int g1, int b1, int, int g2, int b2, int, int g3,
                     int b3)
{
    if (raster::facesaway(i1, i2, i3))
        return;
    // Red would be walked like the others but never shows: only g and b go.
    using Corner = raster::Corner<2>;
    auto corner = [](int i, int g, int b) {
        return Corner{
            int64_t(kx[i]) * 256, int64_t(ky[i]) * 256, {uint32_t(g) * 256, uint32_t(b) * 256}};
    };
    auto span = [](int row, int xa, const uint32_t* a, int xb, const uint32_t* b) {
        drawgourline(xa, row, 0, int32_t(a[0]), int32_t(a[1]), xb, 0, int32_t(b[0]), int32_t(b[1]));
    };
    raster::scantriangle(corner(i1, g1, b1), corner(i2, g2, b2), corner(i3, g3, b3), span);
}
