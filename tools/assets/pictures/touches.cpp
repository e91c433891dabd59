// Sparkles, stars and grid floors, shared by several pictures.
#include <algorithm>
#include <cmath>

#include "noise.h"
#include "pictures.h"
#include "shapes.h"

void sparkle(Canvas& cv, Vec c, double size, double strength, Col tint)
{
    Shape box{[](Vec) { return -1.0; }, c.x - size, c.y - size, c.x + size, c.y + size};
    cv.glaze(box, flat(tint), [=](Vec p, double) {
        double dx = std::abs(p.x - c.x) / size, dy = std::abs(p.y - c.y) / size;
        double rays =
            std::max(0.0, 1 - dx) * std::exp(-dy * 40) + std::max(0.0, 1 - dy) * std::exp(-dx * 40);
        double core = std::exp(-(dx * dx + dy * dy) * 60);
        return strength * std::min(1.0, rays * 0.9 + core);
    });
}

void stars(Canvas& cv, unsigned seed, int n, Col tint, const std::function<double(Vec)>& mask)
{
    Rng rng(seed);
    for (int i = 0; i < n; i++) {
        Vec p{rng.range(0, cv.w), rng.range(0, cv.h)};
        double b = rng.uniform();
        b = b * b * b;
        double m = mask(p);
        if (m <= 0)
            continue;
        double r = 0.45 + 0.9 * b;
        Shape dot = circle(p, r + 1.2);
        double strength = (0.35 + 0.65 * b) * m;
        cv.glaze(dot, flat(tint), [=](Vec q, double) {
            double d = len(q - p);
            return strength * std::exp(-d * d / (r * r));
        });
        if (b > 0.6)
            sparkle(cv, p, 3 + 5 * b, 0.6 * m, tint);
    }
}

double floorgrid(Vec p, double horizon, double height, double cell)
{
    // z: the distance of the floor point seen at row p.y; u: its position
    // across, in squares.
    double z = height / (p.y - horizon + 1.5);
    double u = (p.x - 160) * z / cell;
    double du = std::abs(u - std::round(u)), dz = std::abs(z - std::round(z));
    // How far the lines move per screen pixel, to keep their width in pixels.
    double wu = du / (z / cell * 1.2), wz = dz / (z * z / height * 1.1);
    return std::max(smooth(1.0, 0.3, wu), smooth(1.0, 0.3, wz));
}
