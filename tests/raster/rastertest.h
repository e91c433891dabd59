// Helpers of the rasteriser tests: a texture whose texels name themselves, a
// screen to read back, and straightforward reference drawings over a canvas
// larger than the screen.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/base.h"
#include "raster/raster.h"
#include "support.h"

// In a namespace of their own: other test files of the suite share the link.
namespace rastertest
{

// A surface freed when it goes out of scope.
using Surface = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;
inline Surface owned(SDL_Surface* s) { return Surface(s, SDL_FreeSurface); }

// A 256 x 256 texture whose texel i holds the value i, so a drawn pixel tells
// which texel it took.
SDL_Surface* identitytexture();

inline Uint16 at(int x, int y) { return pixels(screen)[y * 320 + x]; }

// How many screen pixels are not 0; which columns of row y are not 0; the
// columns from to to.
int drawn();
std::vector<int> columns(int y);
std::vector<int> range(int from, int to);

// Places corners 0, 1 and 2 for the triangles below, which name their
// corners by number so that a test can pass them in any order.
void setcorners(int x1, int y1, int x2, int y2, int x3, int y3);
void textured(int i1, int i2, int i3, long u1, long v1, long u2, long v2, long u3, long v3,
              const SDL_Surface* texture);
void filled(int i1, int i2, int i3, int g, int b);
void gouraud(int i1, int i2, int i3, int g1, int b1, int g2, int b2, int g3, int b3);

// Pixels over columns x0 to x0 + w - 1 and rows y0 to y0 + h - 1; -1 marks a
// pixel never written.
struct Canvas {
    int64_t x0, y0, w, h;
    std::vector<int> px;

    Canvas(int64_t x0, int64_t y0, int64_t w, int64_t h)
        : x0(x0), y0(y0), w(w), h(h), px(size_t(w * h), -1)
    {
    }
    bool inside(int64_t x, int64_t y) const
    {
        return x >= x0 && x < x0 + w && y >= y0 && y < y0 + h;
    }
    void put(int64_t x, int64_t y, int v)
    {
        if (inside(x, y))
            px[size_t((y - y0) * w + x - x0)] = v;
    }
    int get(int64_t x, int64_t y) const { return px[size_t((y - y0) * w + x - x0)]; }
    // How many written pixels lie off the 320 x 240 screen.
    int offscreen() const;
};

// The screen against the canvas: every screen pixel holds what the canvas has
// there, 0 where the canvas was not written. Returns the first difference as
// text, or "".
std::string comparescreen(const Canvas& c);

// The textured triangle drawn by its rules, all in 64-bit integers, every row
// and pixel stepped one by one, into the canvas.
void reftextured(Canvas& c, const int64_t x[3], const int64_t y[3], const int64_t u[3],
                 const int64_t v[3], const Uint16* tex);

} // namespace rastertest
