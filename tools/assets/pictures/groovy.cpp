// The twister's backdrop in 70s colours: chocolate brown with flowing
// ribbons of cream, mustard, rust and avocado above and below, and pink
// flower-power daisies across the middle. It keeps clear of the bar's own
// orange-to-blue ramp, so the bar stands out.
#include <cmath>

#include "dither.h"
#include "noise.h"
#include "pictures.h"
#include "shapes.h"

namespace
{

// Ribbons: parallel stripes that follow one wave.
void ribbons(Canvas& cv, double y0, double amp, double phase, bool flip)
{
    const Col stripes[] = {rgb(236, 214, 160), rgb(200, 150, 40), rgb(176, 72, 30),
                           rgb(110, 120, 36)};
    auto wave = [=](double x) {
        return y0 + amp * std::sin(x / 52 + phase) + amp * 0.4 * std::sin(x / 23 + phase * 2);
    };
    for (int k = 0; k < 4; k++) {
        double off = (flip ? 3 - k : k) * 11 - 16.5;
        Shape band{[=](Vec p) { return std::abs(p.y - wave(p.x) - off) - 4.5; }, -2,
                   y0 - amp * 1.5 - 30, 322, y0 + amp * 1.5 + 30};
        cv.paint(
            band,
            [&, k](Vec p, double d) {
                // A soft shine along each stripe's upper edge.
                double shine = smooth(-4.5, -1.5, -d) * smooth(0, -4.5, p.y - wave(p.x) - off);
                return stripes[k] * (0.9 + 0.2 * shine);
            },
            1.2, rgb(40, 18, 12));
    }
}

void daisy(Canvas& cv, Vec c, double r, double turn, Col petal)
{
    for (int i = 0; i < 8; i++) {
        double a = turn + i * 6.283185307179586 / 8;
        Vec dir{std::cos(a), std::sin(a)};
        cv.paint(
            ellipse(c + dir * (r * 0.62), r * 0.42, r * 0.2, a),
            [&](Vec, double d) { return petal * (0.8 + 0.2 * clamp01(-d / (r * 0.15))); },
            r * 0.06 + 0.6, rgb(40, 14, 20));
    }
    cv.paint(
        circle(c, r * 0.3),
        [&](Vec p, double) {
            double t = len(p - c - Vec{-r * 0.08, -r * 0.08}) / (r * 0.3);
            return mix(rgb(250, 200, 60), rgb(190, 90, 20), t);
        },
        r * 0.06 + 0.6, rgb(40, 14, 20));
}

} // namespace

Image groovypicture()
{
    const int W = 320, H = 240, S = 3;
    Canvas cv(W, H, S);
    // Brown with a faint pattern of rings, like a 70s wallpaper print.
    cv.each([](Vec p) {
        double gx = std::fmod(p.x + 400, 40) - 20, gy = std::fmod(p.y + 400, 40) - 20;
        double ring = std::abs(std::sin(len({gx, gy}) / 2.6));
        return mix(rgb(56, 26, 18), rgb(74, 36, 24), smooth(0.7, 1.0, ring));
    });
    Rng rng(1970);
    // Daisies across the middle band, in muted pinks and mauves.
    const Col petals[] = {rgb(214, 110, 150), rgb(180, 90, 170), rgb(226, 150, 170)};
    for (int i = 0; i < 22; i++) {
        Vec c{rng.range(-10, 330), rng.range(68, 180)};
        daisy(cv, c, rng.range(8, 17), rng.range(0, 1), petals[rng.below(3)] * 0.85);
    }
    ribbons(cv, 28, 12, 0.3, false);
    ribbons(cv, 214, 10, 2.1, true);
    return diffused(cv.resolve());
}
