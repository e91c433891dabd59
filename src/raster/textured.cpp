// Texture-mapped triangles: affine mapping of a 256 x 256 texture, no
// lighting, no depth, every texel hit copied as it is.
#include <algorithm>
#include <cstdint>

#include "base/base.h"
#include "raster/quotient.h"
#include "raster/raster.h"
#include "raster/triangle.h"

namespace
{

// One row of texels from column x1 to x2 of the row that starts at `dst`.
// Texture coordinates are taken as 32-bit words whatever the width of long,
// so both builds draw the same pixels. A triangle's rows are drawn here
// directly, so that its few pixels a row cost no call.
[[gnu::always_inline]] inline void texturespan(Uint16* dst, const Uint16* tex, int x1, int32_t u1,
                                               int32_t v1, int x2, int32_t u2, int32_t v2)
{
    if (x1 > x2) {
        std::swap(x1, x2);
        std::swap(u1, u2);
        std::swap(v1, v2);
    }
    // The ends are interpolated values: as 32-bit signed numbers they are
    // exact, and so is their difference in 64 bits. Dividing by the width
    // gives the same quotient as the texel x 256 over pixel x 256 ratio.
    int64_t width = int64_t(x2) - x1;
    uint32_t u = uint32_t(u1), v = uint32_t(v1), du = 0, dv = 0;
    if (width > 0) {
        du = uint32_t(raster::quotient(int64_t(u2) - u1, width));
        dv = uint32_t(raster::quotient(int64_t(v2) - v1, width));
    }
    // Equal ends still draw their one pixel. Columns left of the screen are
    // stepped over in one jump; the span stops at the right edge.
    int64_t end = std::min<int64_t>(std::max<int64_t>(x2, int64_t(x1) + 1), SCREEN_W);
    int64_t x = x1;
    if (x < 0) {
        uint32_t k = uint32_t(-x);
        u += k * du;
        v += k * dv;
        x = 0;
    }
    // The texel of (u, v) is ((u >> 8) - (v >> 8) * 256) mod 65536, that is
    // bits 8 to 23 of u less bits 8 to 15 of v where they stand. Only those
    // low bits take part, so both go in one word that one addition steps:
    // v's low 16 bits at the bottom, u from bit 25 up. A span has at most
    // 320 pixels, so the carries out of v, one a step at most, stay in the
    // nine bits between and never reach u.
    uint64_t uv = uint64_t(u) << 25 | (v & 0xFFFF), step = uint64_t(du) << 25 | (dv & 0xFFFF);
    for (Uint16 *p = dst + x, *stop = dst + end; p < stop; p++) {
        *p = tex[((uv >> 33) - (uv & 0xFF00)) & 0xFFFF];
        uv += step;
    }
}

} // namespace

void drawtextrvect(Corner2 c1, Corner2 c2, Corner2 c3, const SDL_Surface* texture,
                   SDL_Surface* target)
{
    if (raster::facesaway(c1, c2, c3))
        return;
    auto corner = [](const Corner2& c) {
        return raster::Corner<2>{
            int64_t(c.x) * 256, int64_t(c.y) * 256, {uint32_t(c.u), uint32_t(c.v)}};
    };
    const Uint16* tex = static_cast<const Uint16*>(texture->pixels);
    Uint16* dst = static_cast<Uint16*>(target->pixels);
    auto span = [tex, dst](int row, int xa, const uint32_t* a, int xb, const uint32_t* b) {
        texturespan(dst + ymult[row], tex, xa, int32_t(a[0]), int32_t(a[1]), xb, int32_t(b[0]),
                    int32_t(b[1]));
    };
    raster::scantriangle(corner(c1), corner(c2), corner(c3), span);
}

void drawtextrline(int x1, int y, long u1, long v1, int x2, long u2, long v2,
                   const SDL_Surface* texture, SDL_Surface* target)
{
    texturespan(static_cast<Uint16*>(target->pixels) + ymult[y],
                static_cast<const Uint16*>(texture->pixels), x1, int32_t(u1), int32_t(v1), x2,
                int32_t(u2), int32_t(v2));
}
