// A ray-traced still life for the lens and the rotozoomer: mirror and
// coloured balls over a chequered floor running to a cloudy horizon. The
// chequers, the reflections and the clouds give fine structure everywhere,
// so that magnifying or turning the picture is plain to see.
#include <cmath>
#include <optional>

#include "dither.h"
#include "noise.h"
#include "pictures.h"
#include "vec3.h"

namespace
{

struct Ball {
    Vec3 c;
    double r;
    Col paint;
    double mirror; // share of reflected light
};

const Ball balls[] = {
    {{0.0, 1.3, 3.2}, 1.3, rgb(230, 235, 245), 0.85},   // the chrome one
    {{-2.6, 0.8, 2.2}, 0.8, rgb(230, 30, 40), 0.3},     // red
    {{2.5, 0.9, 2.0}, 0.9, rgb(40, 90, 240), 0.3},      // blue
    {{-1.3, 0.45, 0.6}, 0.45, rgb(250, 200, 20), 0.25}, // yellow
    {{1.4, 0.5, 0.4}, 0.5, rgb(40, 200, 80), 0.25},     // green
    {{4.5, 1.2, 6.5}, 1.2, rgb(220, 60, 220), 0.35},    // magenta, far right
    {{-4.8, 1.0, 7.0}, 1.0, rgb(255, 130, 20), 0.35},   // orange, far left
};

const Vec3 sun = unit({-0.5, 0.75, -0.45});

struct Hit {
    double t;
    int ball; // -1 for the floor
};

std::optional<Hit> trace(Vec3 o, Vec3 d)
{
    std::optional<Hit> best;
    for (int i = 0; i < int(std::size(balls)); i++) {
        Vec3 oc = o - balls[i].c;
        double b = dot(oc, d), c = dot(oc, oc) - balls[i].r * balls[i].r;
        double disc = b * b - c;
        if (disc < 0)
            continue;
        double t = -b - std::sqrt(disc);
        if (t > 1e-4 && (!best || t < best->t))
            best = Hit{t, i};
    }
    if (d.y < -1e-6) {
        double t = -o.y / d.y;
        if (t > 1e-4 && (!best || t < best->t))
            best = Hit{t, -1};
    }
    return best;
}

Col sky(Vec3 d)
{
    double up = std::max(0.0, d.y);
    Col c = mix(rgb(255, 215, 190), rgb(40, 90, 200), std::pow(up, 0.5));
    // Clouds on a far ceiling.
    if (d.y > 0.02) {
        double t = 30 / d.y;
        double x = d.x * t, z = d.z * t;
        double n = fbm(x / 18, z / 18, 77, 5);
        double cloud = smooth(0.5, 0.75, n) * smooth(0.02, 0.2, d.y);
        c = mix(c, rgb(255, 250, 245), cloud * 0.85);
    }
    double s = std::max(0.0, dot(d, sun));
    c = c + rgb(255, 230, 180) * (std::pow(s, 400) * 2 + std::pow(s, 12) * 0.25);
    return c;
}

// Chequers of four colours; their contrast fades with distance, where the
// samples can no longer tell them apart.
Col floorpaint(Vec3 p, double dist)
{
    int i = int(std::floor(p.x / 0.75)), j = int(std::floor(p.z / 0.75));
    static const Col tiles[4] = {rgb(250, 245, 235), rgb(30, 30, 40), rgb(230, 60, 80),
                                 rgb(40, 120, 230)};
    bool odd = (i + j) & 1;
    Col c = odd ? tiles[1 + ((i / 2 + j / 2) & 1) * (1 + ((j >> 2) & 1))] : tiles[0];
    Col avg = rgb(150, 110, 120);
    return mix(c, avg, smooth(10, 60, dist));
}

Col shade(Vec3 o, Vec3 d, int depth)
{
    std::optional<Hit> h = trace(o, d);
    if (!h)
        return sky(d);
    Vec3 p = o + d * h->t;
    Vec3 n;
    Col base;
    double mirror;
    if (h->ball < 0) {
        n = {0, 1, 0};
        base = floorpaint(p, h->t);
        mirror = 0.25;
    } else {
        const Ball& b = balls[h->ball];
        n = unit(p - b.c);
        base = b.paint;
        mirror = b.mirror;
    }
    bool lit = !trace(p + n * 1e-3, sun);
    double diffuse = lit ? std::max(0.0, dot(n, sun)) : 0;
    Col c = base * (0.3 + 0.75 * diffuse);
    Vec3 r = d - n * (2 * dot(d, n));
    if (depth < 4)
        c = mix(c, shade(p + n * 1e-3, r, depth + 1), mirror);
    if (lit && h->ball >= 0)
        c = c + Col{1, 0.95, 0.85} * (std::pow(std::max(0.0, dot(r, sun)), 60) * 1.2);
    // Haze towards the horizon.
    return mix(c, rgb(250, 210, 190), smooth(12, 70, h->t) * 0.8);
}

} // namespace

Image mirvpicture()
{
    const int W = 320, H = 240, S = 3;
    Canvas cv(W, H, S);
    Vec3 eye{0, 2.2, -5.5};
    Vec3 fwd = unit({0, -0.2, 1}), right{1, 0, 0};
    Vec3 up{0, fwd.z, -fwd.y};
    cv.each([&](Vec p) {
        double u = (p.x - W / 2.0) / H * 1.1, v = (H / 2.0 - p.y) / H * 1.1;
        return shade(eye, unit(fwd + right * u + up * v), 0);
    });
    return diffused(cv.resolve());
}
