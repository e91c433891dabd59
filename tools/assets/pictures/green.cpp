// Deep green space for the car to fly in through: a dim nebula, stars and
// the edge of a planet below, all kept dark so the car stands out.
#include <cmath>

#include "dither.h"
#include "noise.h"
#include "pictures.h"
#include "shapes.h"

Image greenpicture()
{
    const int W = 320, H = 240, S = 2;
    const double horizon = 168; // the planet's highest point
    const double radius = 900;
    const Vec planet{110, horizon + radius};
    Canvas cv(W, H, S);
    cv.each([&](Vec p) {
        Col c = mix(rgb(0, 8, 4), rgb(4, 34, 18), smooth(0, horizon, p.y));
        // Clouds of gas, thicker towards the middle band.
        double n = fbm(p.x / 70, p.y / 50, 7, 5);
        double wisps = fbm(p.x / 25 + n * 2, p.y / 18, 9, 4);
        double gas = smooth(0.45, 0.8, n) * (0.6 + 0.8 * wisps);
        c = c + rgb(30, 110, 60) * (0.35 * gas) +
            rgb(90, 160, 40) * (0.12 * smooth(0.6, 0.9, wisps));
        // A planet's limb across the bottom, lit from the upper left, with a
        // thin bright atmosphere.
        double r = len(p - planet) - radius;
        if (r < 0) {
            double lat = (p.y - horizon) / 70, lon = (p.x - 160) / 320;
            double bands = fbm(lon * 6 + lat * 1.5, lat * 12, 31, 5);
            double light = clamp01(0.9 - (p.x - 60) / 300 - lat * 0.4);
            c = mix(rgb(2, 16, 8), rgb(40, 110, 50), bands * light * 0.9);
            c = c + rgb(60, 200, 100) * (0.5 * std::exp(r / 4) * (0.3 + light));
        } else {
            c = c + rgb(60, 220, 120) * (0.55 * std::exp(-r / 5));
        }
        return c;
    });
    stars(cv, 4242, 260, rgb(170, 255, 190),
          [&](Vec p) { return len(p - planet) > radius + 3 ? 0.8 : 0; });
    return diffused(cv.resolve());
}
