// The year in chrome over a striped sunset, dark mountains and a neon grid
// running to the horizon.
#include <cmath>

#include "chrome.h"
#include "dither.h"
#include "noise.h"
#include "pictures.h"
#include "shapes.h"

namespace
{

const double horizon = 150;

Col skyandfloor(Vec p)
{
    if (p.y < horizon) {
        Ramp sky{{{0.0, rgb(10, 4, 36)},
                  {0.45, rgb(60, 12, 90)},
                  {0.75, rgb(170, 30, 110)},
                  {1.0, rgb(255, 110, 70)}}};
        return sky(p.y / horizon);
    }
    // The floor: magenta lines on near-black, a haze at the horizon.
    double line = floorgrid(p, horizon, 80, 34);
    double haze = std::exp(-(p.y - horizon) / 10);
    Col c = mix(rgb(14, 2, 30), rgb(120, 20, 90), haze);
    return mix(c, rgb(255, 60, 200), line * (1 - 0.6 * haze));
}

// The sun: yellow to pink top to bottom, cut by bars that thicken downwards.
void sun(Canvas& cv)
{
    Vec c{160, 118};
    double r = 62;
    Shape disc = intersect(circle(c, r), rbox({160, 60}, 200, horizon - 60, 0));
    cv.glaze(grow(disc, 14), flat(rgb(255, 120, 90)), [&](Vec p, double) {
        double d = len(p - c) - r;
        return d < 0 ? 0 : 0.45 * std::exp(-d / 6);
    });
    Ramp face{{{0.0, rgb(255, 245, 120)}, {0.45, rgb(255, 160, 60)}, {1.0, rgb(255, 40, 130)}}};
    cv.paint(disc, [&](Vec p, double) {
        double t = (p.y - (c.y - r)) / (horizon - (c.y - r));
        // Gaps grow from nothing at the middle to wide at the horizon.
        double v = (p.y - c.y) / (horizon - c.y);
        if (v > 0) {
            double band = std::fmod(p.y - c.y, 9.0);
            if (band < 1 + 5 * v)
                return skyandfloor(p);
        }
        return face(t);
    });
}

void mountains(Canvas& cv)
{
    std::vector<Vec> ridge{{-2, horizon + 1}};
    for (int i = 0; i <= 64; i++) {
        double x = i * 5.0;
        // Two ranges, low in the middle where the sun sets.
        double side = std::abs(x - 160) / 160;
        double hgt = 6 + 30 * side * side * (0.6 + 0.7 * fbm(x / 40, 3, 17, 4));
        ridge.push_back({x, horizon - hgt});
    }
    ridge.push_back({322, horizon + 1});
    cv.paint(polygon(ridge), [](Vec p, double d) {
        // Rim light on the crest from the sun.
        return mix(rgb(20, 6, 40), rgb(150, 40, 120),
                   smooth(-2.0, 0.0, d) * (1 - std::abs(p.x - 160) / 220));
    });
}

} // namespace

Image retropicture()
{
    const int W = 320, H = 240, S = 4;
    Canvas cv(W, H, S);
    cv.each(skyandfloor);
    stars(cv, 88, 90, rgb(255, 220, 255), [](Vec p) { return p.y < 90 ? 1 - p.y / 90 : 0; });
    sun(cv);
    mountains(cv);

    Type type{"DejaVuSans-Bold.ttf", 96, 1.0, 0.16, 2};
    Lettering year = setline(type, "1988", {160, 80}, W, H, S);
    Shape digits = year.shape();
    // A neon rim glowing around the digits, then the metal.
    cv.glaze(grow(digits, 10), flat(rgb(40, 230, 255)), [](Vec, double d) {
        double e = d + 10; // distance outside the digits
        return e > 0 ? 0.55 * std::exp(-e / 3.5) : 0;
    });
    cv.paint(grow(digits, 2.0), flat(rgb(30, 220, 255)));
    cv.paint(grow(digits, 0.8), flat(rgb(20, 10, 50)));
    Ramp env{{{0.00, rgb(20, 30, 110)},
              {0.30, rgb(90, 160, 240)},
              {0.52, rgb(240, 250, 255)},
              {0.53, rgb(70, 20, 70)},
              {0.68, rgb(200, 50, 130)},
              {0.90, rgb(255, 170, 90)},
              {1.00, rgb(255, 240, 170)}}};
    cv.paint(digits, chrome(year, {env, 5.5}));
    sparkle(cv, {year.x0 + 30, year.y0 + 4}, 16, 1.0);
    sparkle(cv, {year.x1 - 20, year.y1 - 10}, 11, 0.8);
    return diffused(cv.resolve());
}
