// The group's name in chrome over a dark, starry backdrop with a glow behind
// the letters and their mirror image on a glossy floor.
#include <cmath>

#include "chrome.h"
#include "dither.h"
#include "noise.h"
#include "pictures.h"
#include "shapes.h"

Image logopicture()
{
    const int W = 320, H = 240, S = 4;
    Canvas cv(W, H, S);
    Type type{"DejaVuSans-Bold.ttf", 50, 0.92, 0.18, -2};
    Lettering name = setline(type, "QUORVAST", {160, 104}, W, H, S);
    Shape letters = name.shape();
    // The horizon of the glossy floor the name stands on.
    const double floor = name.y1 + 4;

    Ramp sky{{{0.0, rgb(2, 2, 12)}, {0.7, rgb(20, 12, 56)}, {1.0, rgb(60, 24, 96)}}};
    cv.each([&](Vec p) {
        Col c = p.y < floor ? sky(p.y / floor) : rgb(4, 3, 14);
        // A thin glowing horizon.
        c = c + rgb(200, 90, 255) * (0.8 * std::exp(-std::abs(p.y - floor) * 0.9));
        // A soft violet glow behind the name.
        double gx = (p.x - 160) / 150, gy = (p.y - 100) / 60;
        c = c + rgb(70, 40, 140) * (0.6 * std::exp(-(gx * gx + gy * gy)));
        if (p.y > floor) {
            double fade = std::exp(-(60 / (p.y - floor + 1.5)) * 0.35);
            c = c + rgb(40, 110, 220) * (floorgrid(p, floor, 60, 40) * fade * 0.55);
        }
        return c;
    });
    stars(cv, 1988, 160, rgb(220, 230, 255),
          [&](Vec p) { return p.y < floor - 4 ? 1 - p.y / floor * 0.6 : 0; });

    // Its reflection: the letters flipped about the floor line, fading.
    Shape mirrored{[&](Vec p) {
                       return name.at({p.x, 2 * floor - p.y});
                   },
                   name.x0, floor, name.x1, 2 * floor - name.y0};
    cv.glaze(
        mirrored,
        [&](Vec p, double) { return mix(rgb(120, 150, 230), rgb(40, 30, 90), (p.y - floor) / 40); },
        [&](Vec p, double) { return 0.45 * std::exp(-(p.y - floor) / 14); });

    // A drop shadow, soft-edged.
    Shape shadow{[&](Vec p) {
                     return name.at(p - Vec{5, 6}) - 3;
                 },
                 name.x0, name.y0, name.x1 + 9, name.y1 + 10};
    cv.glaze(shadow, flat({0, 0, 0}), [](Vec, double d) { return 0.75 * smooth(0, -4, d); });

    // A dark rim and then the metal.
    cv.paint(grow(letters, 1.6), flat(rgb(10, 12, 40)));
    Metal metal{chromesky(), 4.5};
    cv.paint(letters, chrome(name, metal));

    sparkle(cv, {name.x0 + 14, name.y0 + 4}, 14, 0.95);
    sparkle(cv, {name.x1 - 40, name.y0 + 3}, 10, 0.85);
    sparkle(cv, {200, name.y1 - 6}, 8, 0.7);
    return diffused(cv.resolve());
}
