#include "rastertest.h"

#include <string>
#include <utility>

namespace rastertest
{

SDL_Surface* identitytexture()
{
    static SDL_Surface* t;
    if (!t) {
        t = makesurface(256, 256);
        for (int i = 0; i < 65536; i++)
            pixels(t)[i] = Uint16(i);
    }
    return t;
}

int drawn()
{
    int n = 0;
    for (int i = 0; i < 76800; i++)
        n += pixels(screen)[i] != 0;
    return n;
}

std::vector<int> columns(int y)
{
    std::vector<int> c;
    for (int x = 0; x < 320; x++)
        if (at(x, y))
            c.push_back(x);
    return c;
}

std::vector<int> range(int from, int to)
{
    std::vector<int> c;
    for (int x = from; x <= to; x++)
        c.push_back(x);
    return c;
}

namespace
{

Corner2 corner[3];

} // namespace

void setcorners(int x1, int y1, int x2, int y2, int x3, int y3)
{
    corner[0] = {x1, y1};
    corner[1] = {x2, y2};
    corner[2] = {x3, y3};
}

void textured(int i1, int i2, int i3, long u1, long v1, long u2, long v2, long u3, long v3,
              const SDL_Surface* texture)
{
    Corner2 c1 = corner[i1], c2 = corner[i2], c3 = corner[i3];
    c1.u = u1, c1.v = v1, c2.u = u2, c2.v = v2, c3.u = u3, c3.v = v3;
    drawtextrvect(c1, c2, c3, texture, screen);
}

void filled(int i1, int i2, int i3, int g, int b)
{
    drawfillvect(corner[i1], corner[i2], corner[i3], g, b, screen);
}

void gouraud(int i1, int i2, int i3, int g1, int b1, int g2, int b2, int g3, int b3)
{
    drawgouraudvect(corner[i1], corner[i2], corner[i3], g1, b1, g2, b2, g3, b3, screen);
}

int Canvas::offscreen() const
{
    int n = 0;
    for (int64_t y = y0; y < y0 + h; y++)
        for (int64_t x = x0; x < x0 + w; x++)
            if (get(x, y) >= 0 && (x < 0 || x > 319 || y < 0 || y > 239))
                n++;
    return n;
}

std::string comparescreen(const Canvas& c)
{
    for (int y = 0; y < 240; y++)
        for (int x = 0; x < 320; x++) {
            int want = c.inside(x, y) ? c.get(x, y) : -1;
            if (want < 0)
                want = 0;
            if (at(x, y) != want)
                return "pixel " + std::to_string(x) + "," + std::to_string(y) + " is " +
                       std::to_string(at(x, y)) + ", want " + std::to_string(want);
        }
    return "";
}

namespace
{

struct Point {
    int64_t x, y, u, v;
};

struct Slope {
    int64_t x, u, v;
};

Slope slope(const Point& j, const Point& k)
{
    int64_t d = k.y - j.y;
    if (d == 0)
        return {0, 0, 0};
    return {(k.x - j.x) * 256 / d, (k.u - j.u) * 256 / d, (k.v - j.v) * 256 / d};
}

void refspan(Canvas& c, int64_t y, int64_t x1, int64_t u1, int64_t v1, int64_t x2, int64_t u2,
             int64_t v2, const Uint16* tex)
{
    if (x1 > x2) {
        std::swap(x1, x2);
        std::swap(u1, u2);
        std::swap(v1, v2);
    }
    int64_t du = 0, dv = 0;
    if (x2 - x1 > 0) {
        du = (u2 - u1) * 256 / ((x2 - x1) * 256);
        dv = (v2 - v1) * 256 / ((x2 - x1) * 256);
    }
    int64_t last = x1 < x2 ? x2 - 1 : x1;
    for (int64_t x = x1; x <= last; x++, u1 += du, v1 += dv)
        c.put(x, y, tex[((u1 >> 8) - (v1 >> 8) * 256) & 0xFFFF]);
}

} // namespace

void reftextured(Canvas& c, const int64_t x[3], const int64_t y[3], const int64_t u[3],
                 const int64_t v[3], const Uint16* tex)
{
    if ((x[1] - x[0]) * (y[2] - y[0]) - (x[2] - x[0]) * (y[1] - y[0]) < 0)
        return;
    Point p[3];
    for (int k = 0; k < 3; k++)
        p[k] = {x[k] * 256, y[k] * 256, u[k], v[k]};
    for (int round = 0; round < 2; round++) {
        if (p[1].y < p[0].y)
            std::swap(p[0], p[1]);
        if (p[2].y < p[1].y)
            std::swap(p[1], p[2]);
        if (p[2].y < p[0].y)
            std::swap(p[0], p[2]);
    }
    Slope s12 = slope(p[0], p[1]), s13 = slope(p[0], p[2]), s23 = slope(p[1], p[2]);
    Point a = p[0], b = p[0];
    bool longa = s12.x > s13.x;
    Slope sa = longa ? s13 : s12, sb = longa ? s12 : s13;
    int64_t row = p[0].y;
    for (int half = 0; half < 2; half++) {
        for (; row < p[half + 1].y; row += 256) {
            // Only rows that can land on the canvas need their spans walked.
            if (row >> 8 >= c.y0 && row >> 8 < c.y0 + c.h)
                refspan(c, row >> 8, a.x >> 8, a.u, a.v, b.x >> 8, b.u, b.v, tex);
            a = {a.x + sa.x, 0, a.u + sa.u, a.v + sa.v};
            b = {b.x + sb.x, 0, b.u + sb.u, b.v + sb.v};
        }
        (longa ? b : a) = p[1];
        (longa ? sb : sa) = s23;
    }
}

} // namespace rastertest
