#include "dither.h"

#include <algorithm>
#include <cmath>

namespace
{

const int bayer8[8][8] = {
    {0, 32, 8, 40, 2, 34, 10, 42},  {48, 16, 56, 24, 50, 18, 58, 26},
    {12, 44, 4, 36, 14, 46, 6, 38}, {60, 28, 52, 20, 62, 30, 54, 22},
    {3, 35, 11, 43, 1, 33, 9, 41},  {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47, 7, 39, 13, 45, 5, 37}, {63, 31, 55, 23, 61, 29, 53, 21},
};

int orderedlevel(double v, int top, double threshold)
{
    return std::clamp(int(std::floor(clamp01(v) * top + threshold)), 0, top);
}

Rgb orderedpixel(Col c, int x, int y)
{
    double t = (bayer8[y & 7][x & 7] + 0.5) / 64;
    return {widen(orderedlevel(c.r, 31, t), 5), widen(orderedlevel(c.g, 63, t), 6),
            widen(orderedlevel(c.b, 31, t), 5)};
}

} // namespace

Image ordered(const Canvas& px)
{
    Image img(px.w, px.h);
    for (int y = 0; y < px.h; y++)
        for (int x = 0; x < px.w; x++)
            img.set(x, y, orderedpixel(px.c[size_t(y) * px.w + x], x, y));
    return img;
}

Image diffused(const Canvas& px)
{
    Image img(px.w, px.h);
    // Working values in levels, one row ahead for the spread error.
    std::vector<Col> cur(px.w), next(px.w);
    const Col top{31, 63, 31};
    for (int x = 0; x < px.w; x++) {
        Col c = px.c[x];
        cur[x] = Col{clamp01(c.r), clamp01(c.g), clamp01(c.b)} * top;
    }
    for (int y = 0; y < px.h; y++) {
        for (int x = 0; x < px.w; x++) {
            Col c = px.c[size_t(std::min(y + 1, px.h - 1)) * px.w + x];
            next[x] = Col{clamp01(c.r), clamp01(c.g), clamp01(c.b)} * top;
        }
        bool rtl = y & 1;
        for (int k = 0; k < px.w; k++) {
            int x = rtl ? px.w - 1 - k : k, dir = rtl ? -1 : 1;
            Col v = cur[x];
            int r = std::clamp(int(std::lround(v.r)), 0, 31);
            int g = std::clamp(int(std::lround(v.g)), 0, 63);
            int b = std::clamp(int(std::lround(v.b)), 0, 31);
            img.set(x, y, {widen(r, 5), widen(g, 6), widen(b, 5)});
            Col e{v.r - r, v.g - g, v.b - b};
            if (x + dir >= 0 && x + dir < px.w)
                cur[x + dir] = cur[x + dir] + e * (7 / 16.0);
            if (x - dir >= 0 && x - dir < px.w)
                next[x - dir] = next[x - dir] + e * (3 / 16.0);
            next[x] = next[x] + e * (5 / 16.0);
            if (x + dir >= 0 && x + dir < px.w)
                next[x + dir] = next[x + dir] + e * (1 / 16.0);
        }
        std::swap(cur, next);
    }
    return img;
}

Image keyed(const Canvas& px)
{
    // At 0.9 the ordered dither reaches at most level 28 of 31 (57 of 63).
    const double most = 0.9;
    Image img(px.w, px.h);
    for (int y = 0; y < px.h; y++)
        for (int x = 0; x < px.w; x++) {
            size_t k = size_t(y) * px.w + x;
            if (px.cover[k] < 0.5f) {
                img.set(x, y, {255, 255, 255});
                continue;
            }
            Col c = px.c[k];
            c = {std::min(c.r, most), std::min(c.g, most), std::min(c.b, most)};
            img.set(x, y, orderedpixel(c, x, y));
        }
    return img;
}
