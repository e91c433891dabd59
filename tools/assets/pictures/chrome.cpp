#include "chrome.h"

#include <algorithm>

Ramp chromesky()
{
    return {{{0.00, rgb(40, 60, 140)},
             {0.30, rgb(120, 170, 235)},
             {0.50, rgb(245, 248, 255)},
             {0.51, rgb(60, 35, 30)},
             {0.62, rgb(120, 70, 40)},
             {0.85, rgb(235, 170, 100)},
             {1.00, rgb(255, 235, 200)}}};
}

Fill chrome(const Lettering& l, const Metal& m)
{
    double top = l.y0, height = l.y1 - l.y0;
    return [&l, m, top, height](Vec p, double d) {
        double e = 0.3;
        Vec g{l.at(p + Vec{e, 0}) - l.at(p - Vec{e, 0}), l.at(p + Vec{0, e}) - l.at(p - Vec{0, e})};
        double gl = len(g);
        g = gl > 1e-9 ? g * (1 / gl) : Vec{0, 0};
        // Quarter-round edge: steep at the outline, flat once `bevel` inside.
        double t = clamp01(-d / m.bevel);
        double tilt = std::sqrt(1 - t * t) * (1 - t * 0.3);
        double nx = g.x * tilt, ny = g.y * tilt, nz = std::sqrt(std::max(0.0, 1 - tilt * tilt));
        double v = (p.y - top) / height + ny * m.bend + nx * m.bend * 0.3;
        Col c = m.env(v);
        // Light from the upper left, seen head on.
        double lx = -0.45, ly = -0.6, lz = 0.66;
        double hx = lx, hy = ly, hz = lz + 1, hl = std::sqrt(hx * hx + hy * hy + hz * hz);
        double highlight = std::max(0.0, (nx * hx + ny * hy + nz * hz) / hl);
        for (int i = 0; i < 4; i++) // a tight highlight: the 16th power
            highlight *= highlight;
        double shade = 0.75 + 0.25 * std::max(0.0, nx * lx + ny * ly + nz * lz);
        return mix(c * shade, m.glint, clamp01(highlight * highlight * 1.2));
    };
}
