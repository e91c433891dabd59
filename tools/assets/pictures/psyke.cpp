// The rings' backdrop: a rainbow spiral whirling out of the middle, warped
// by a slow plasma and cut by black op-art bands, darker at the centre where
// the rings turn.
#include <cmath>

#include "dither.h"
#include "noise.h"
#include "pictures.h"

namespace
{

Col hue(double h)
{
    h = (h - std::floor(h)) * 6;
    double r = clamp01(std::abs(h - 3) - 1), g = clamp01(2 - std::abs(h - 2)),
           b = clamp01(2 - std::abs(h - 4));
    return {r, g, b};
}

} // namespace

Image psykepicture()
{
    const int W = 320, H = 240, S = 3;
    const double tau = 6.283185307179586;
    Canvas cv(W, H, S);
    cv.each([&](Vec p) {
        Vec q = p - Vec{160, 120};
        double r = len(q) + 1, a = std::atan2(q.y, q.x);
        double plasma = std::sin(p.x / 23) + std::sin(p.y / 17 + p.x / 41) +
                        std::sin(len(p - Vec{40, 200}) / 19) + 2 * fbm(p.x / 60, p.y / 60, 3, 3);
        // Arms of a spiral: the phase turns with the angle and the log of the
        // radius, so the arms keep their shape as they widen.
        double arms = a * 7 + std::log(r) * 9 + plasma * 0.9;
        double band = std::sin(arms);
        Col c = hue(r / 140 - a / tau + plasma * 0.08);
        // Bright arms, deep arms, and a black rim between them.
        double deep = smooth(-0.1, -0.35, band);
        c = c * (1 - 0.7 * deep);
        c = c * (1 - 0.95 * smooth(0.1, 0.0, std::abs(band + 0.22)));
        // A second rhythm, rings running out of the middle, faint.
        c = c * (0.82 + 0.18 * std::sin(r / 3.5 - plasma * 2));
        double middle = std::exp(-(r * r) / (2 * 90 * 90));
        return c * (1 - 0.45 * middle);
    });
    return diffused(cv.resolve());
}
