// The rings' texture, painted through the rings' own tables: every texel
// takes the point of the ring surface that the texture layout puts there,
// and that point is shaded as glazed enamel, a chequer of two colours per
// ring under a light that turns with the rings. The layout's pieces are
// painted a few texels beyond their edges, so that the rasteriser's
// sampling slop finds the same colours on either side of a seam.
#include <algorithm>
#include <cmath>
#include <vector>

#include "meshes/mkrings.h"
#include "scene3d/scene3d.h"
#include "textures.h"

namespace
{

using namespace rings;

struct Colour {
    double r, g, b;
};

Vec3 unit(Vec3 v) { return (1 / std::sqrt(dot(v, v))) * v; }

// Gold and ruby for torus 0, ice and cobalt for torus 1.
const Colour tiles[2][2] = {{{1.00, 0.72, 0.16}, {0.78, 0.06, 0.20}},
                            {{0.34, 0.90, 1.00}, {0.22, 0.30, 0.95}}};
const Vec3 keylight = unit({0.35, -0.45, 0.82}), filllight = unit({-0.6, 0.5, -0.4});

double smoothstep(double e0, double e1, double x)
{
    double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Distance, in table steps along the surface, to the nearest line of the
// chequer (8 cells round the ring, 4 round the tube).
double groovedistance(double phi, double theta)
{
    double cellphi = 2 * pi / 8, celltheta = 2 * pi / 4;
    double fp = phi / cellphi - std::floor(phi / cellphi);
    double ft = theta / celltheta - std::floor(theta / celltheta);
    double along = std::min(fp, 1 - fp) * cellphi * (ringradius + tuberadius * std::cos(theta));
    double round = std::min(ft, 1 - ft) * celltheta * tuberadius;
    return std::min(along, round);
}

// The angle between two tube angles, folded into 0 to pi.
double apart(double a, double b) { return std::abs(std::remainder(a - b, 2 * pi)); }

Rgb shade(int t, double phi, double theta)
{
    int cell = (int(std::floor(phi / (2 * pi / 8))) + int(std::floor(theta / (pi / 2)))) & 1;
    Colour base = tiles[t][cell];
    Vec3 n = normal(t, phi, theta);
    // The rings turn every way, so the light is soft and wraps far round;
    // the fill light tints the side away from it.
    double key = std::max(0.0, (dot(n, keylight) + 0.5) / 1.5);
    double fill = std::max(0.0, dot(n, filllight));
    // The hole of a ring sees less of the world: darken the inner side.
    double hollow = 0.75 + 0.25 * (1 + std::cos(theta)) / 2;
    double groove = 0.4 + 0.6 * smoothstep(90, 420, groovedistance(phi, theta));
    double light = (0.35 + 0.75 * key) * hollow * groove;
    // Glaze: two reflections of a long window run round each ring, one over
    // the top and a fainter one underneath, so some gloss faces the viewer
    // from most sides; the key light adds its own sharp highlight.
    double nl = std::max(0.0, dot(n, keylight));
    double streaks = 0.8 * std::exp(-std::pow(apart(theta, 0.85) / 0.2, 2)) +
                     0.35 * std::exp(-std::pow(apart(theta, 4.0) / 0.25, 2));
    double gloss = (streaks * (0.6 + 0.4 * key) + std::pow(nl, 40) * 0.8) * groove;
    double rim = 0.3 * fill * fill;
    auto channel = [&](double c, double tint) {
        double v = c * light + rim * tint + gloss;
        return uint8_t(std::lround(255 * std::clamp(v, 0.0, 1.0)));
    };
    return {channel(base.r, 0.55), channel(base.g, 0.45), channel(base.b, 0.9)};
}

// Distance from (u, v) to segment a-b.
double segmentdistance(double u, double v, double au, double av, double bu, double bv)
{
    double du = bu - au, dv = bv - av;
    double s = std::clamp(((u - au) * du + (v - av) * dv) / (du * du + dv * dv), 0.0, 1.0);
    return std::hypot(u - au - s * du, v - av - s * dv);
}

} // namespace

Image ringtexture()
{
    const double reach = 3; // texels painted beyond a piece's edge
    Image img(256, 256);
    std::vector<double> nearest(65536, reach);
    for (int f = 0; f < facecount; f++) {
        Corner c[3];
        facecorners(f, c);
        double u[3], v[3];
        for (int i = 0; i < 3; i++) {
            const int* tv = &tvert2torus[3 * tface2torus[3 * f + i]];
            u[i] = tv[0] / 256.0, v[i] = tv[1] / 256.0;
        }
        double area = (u[1] - u[0]) * (v[2] - v[0]) - (u[2] - u[0]) * (v[1] - v[0]);
        int u0 = int(std::floor(std::min({u[0], u[1], u[2]}) - reach));
        int u1 = int(std::ceil(std::max({u[0], u[1], u[2]}) + reach));
        int v0 = int(std::floor(std::min({v[0], v[1], v[2]}) - reach));
        int v1 = int(std::ceil(std::max({v[0], v[1], v[2]}) + reach));
        for (int vi = v0; vi <= v1; vi++)
            for (int ui = u0; ui <= u1; ui++) {
                double pu = ui + 0.5, pv = vi + 0.5;
                double l1 = ((pu - u[0]) * (v[2] - v[0]) - (u[2] - u[0]) * (pv - v[0])) / area;
                double l2 = ((u[1] - u[0]) * (pv - v[0]) - (pu - u[0]) * (v[1] - v[0])) / area;
                double l0 = 1 - l1 - l2;
                double d = 0;
                if (l0 < 0 || l1 < 0 || l2 < 0)
                    d = std::min({segmentdistance(pu, pv, u[0], v[0], u[1], v[1]),
                                  segmentdistance(pu, pv, u[1], v[1], u[2], v[2]),
                                  segmentdistance(pu, pv, u[2], v[2], u[0], v[0])});
                // The texel the rasteriser reads for this (u, v): v runs up
                // the picture and the index wraps as one 16-bit number.
                int index = (ui - vi * 256) & 0xFFFF;
                if (d >= nearest[index])
                    continue;
                nearest[index] = d;
                double phi =
                    l0 * ringangle(c[0].r) + l1 * ringangle(c[1].r) + l2 * ringangle(c[2].r);
                double theta =
                    l0 * tubeangle(c[0].k) + l1 * tubeangle(c[1].k) + l2 * tubeangle(c[2].k);
                img.set(index & 255, index >> 8, shade(c[0].t, phi, theta));
            }
    }
    return img;
}
