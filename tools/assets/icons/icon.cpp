// The program's icon: the logo's first letter in the same chrome, over the
// logo's violet sky, glow, horizon and grid floor, drawn for a square of
// any size rather than scaled down from the 320 x 240 picture, whose line of
// letters would shrink to a smear.
#include "icon.h"

#include <algorithm>
#include <cmath>

#include "chrome.h"
#include "lettering.h"
#include "pictures.h"
#include "shapes.h"

namespace
{

uint8_t eightbit(double v) { return uint8_t(std::lround(clamp01(v) * 255)); }

} // namespace

Image iconpicture(int size)
{
    const int S = 4;
    const double k = size / 64.0; // the design is drawn on a 64-pixel grid
    Canvas cv(size, size, S);
    Type type{"DejaVuSans-Bold.ttf", 50 * k, 0.92, 0.18, 0};
    Lettering q = setline(type, "Q", {32 * k, 29 * k}, size, size, S);
    const double floor = q.y1 + 2 * k;

    Ramp sky{{{0.0, rgb(2, 2, 12)}, {0.7, rgb(20, 12, 56)}, {1.0, rgb(60, 24, 96)}}};
    cv.each([&](Vec p) {
        Col c = p.y < floor ? sky(p.y / floor) : rgb(4, 3, 14);
        c = c + rgb(200, 90, 255) * (0.8 * std::exp(-std::abs(p.y - floor) / k * 0.9));
        double gx = (p.x - 32 * k) / (30 * k), gy = (p.y - 28 * k) / (24 * k);
        c = c + rgb(70, 40, 140) * (0.6 * std::exp(-(gx * gx + gy * gy)));
        if (p.y > floor) {
            double fade = std::exp(-(12 * k / (p.y - floor + 1.5)) * 0.35);
            c = c + rgb(40, 110, 220) * (floorgrid(p, floor, 12 * k, 8 * k) * fade * 0.55);
        }
        return c;
    });

    Shape letter = q.shape();
    Shape shadow{[&](Vec p) {
                     return q.at(p - Vec{1.5 * k, 2 * k}) - k;
                 },
                 q.x0, q.y0, q.x1 + 3 * k, q.y1 + 3 * k};
    cv.glaze(shadow, flat({0, 0, 0}), [&](Vec, double d) { return 0.75 * smooth(0, -k, d); });
    cv.paint(grow(letter, std::max(0.6, 0.5 * k)), flat(rgb(10, 12, 40)));
    Metal metal{chromesky(), std::max(1.0, 1.4 * k)};
    cv.paint(letter, chrome(q, metal));
    if (size >= 32)
        sparkle(cv, {q.x1 - 6 * k, q.y0 + 4 * k}, 5 * k, 0.9);

    // Full 8-bit colour: an icon is not converted to the screen's format.
    Canvas px = cv.resolve();
    Image out(size, size);
    for (int y = 0; y < size; y++)
        for (int x = 0; x < size; x++) {
            Col c = px.c[size_t(y) * size + x];
            out.set(x, y, {eightbit(c.r), eightbit(c.g), eightbit(c.b)});
        }
    return out;
}
