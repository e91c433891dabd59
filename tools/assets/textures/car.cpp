// The car's texture, baked from its own tables: every texel that a texture
// face covers is painted from the point of the car it shows, so lamps, arches
// and panel lines land where they belong whatever the charts look like.
#include <algorithm>
#include <cmath>
#include <vector>

#include "meshes/carlayout.h"
#include "meshes/carshape.h"
#include "scene3d/scene3d.h"
#include "textures.h"
#include "vec3.h"

namespace
{

struct Col {
    double r, g, b;
};
Col operator*(Col c, double s) { return {c.r * s, c.g * s, c.b * s}; }
Col operator+(Col a, Col b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
Col mix(Col a, Col b, double t) { return a * (1 - t) + b * t; }

Vec3 vertex(int i)
{
    return {double(vertdelorean[3 * i]), double(vertdelorean[3 * i + 1]),
            double(vertdelorean[3 * i + 2])};
}

Panel panelat(double u, double v)
{
    for (const Chartrect& r : carcharts)
        if (u >= r.u0 - 0.5 && u <= r.u1 + 0.5 && v >= r.v0 - 0.5 && v <= r.v1 + 0.5)
            return r.panel;
    return Panel::body;
}

// Half-width and height of one of the car's lines at x, between stations.
struct Linept {
    double w, z;
};
Linept lineat(Line l, double x)
{
    auto sx = [&](int s) { return double(l >= shoulder ? stations[s].xup : stations[s].xlow); };
    int s = 0;
    while (s < 10 && x > sx(s + 1))
        s++;
    double t = std::clamp((x - sx(s)) / (sx(s + 1) - sx(s)), 0.0, 1.0);
    return {stations[s].line[l][0] * (1 - t) + stations[s + 1].line[l][0] * t,
            stations[s].line[l][1] * (1 - t) + stations[s + 1].line[l][1] * t};
}

// A repeatable pseudo-random value in 0..1 for an integer.
double hash(int i)
{
    unsigned h = unsigned(i) * 2654435761u;
    h ^= h >> 15;
    h *= 2246822519u;
    h ^= h >> 13;
    return (h & 0xFFFF) / 65535.0;
}

double smooth(double a, double b, double t)
{
    t = std::clamp((t - a) / (b - a), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Light from above, ahead and the right of the car.
const Vec3 light = unit({-0.35, 0.45, 0.82});

double shade(Vec3 n) { return 0.62 + 0.38 * std::max(0.0, dot(n, light)) + 0.12 * n.z; }

const Col black{14, 14, 16}, rubber{32, 32, 35};

// Brushed stainless: streaks along the car, one per step of the brush
// across it, over a reflection of sky (up) and ground (down).
Col steel(Vec3 p, Vec3 n, double across)
{
    double grain = 0.93 + 0.07 * hash(int(std::floor(across / 40)));
    grain *= 0.985 + 0.03 * hash(int(std::floor(across / 90)) * 7 + int(std::floor(p.x / 1500)));
    Col sky{196, 202, 212}, ground{118, 116, 112};
    double up = smooth(-0.6, 0.9, n.z);
    return mix(ground, sky, 0.35 + 0.65 * up) * grain;
}

// A wheel seen from the side, distance r from its hub at angle a: alloy
// with five slots, tyre, then the dark well of the arch round it.
bool wheeldisc(double x, double z, Col& c)
{
    for (const Wheel& w : wheels) {
        double dx = x - w.x, dz = z - wheelz, r = std::hypot(dx, dz);
        if (r > wheelr + 260)
            continue;
        double a = std::atan2(dz, dx);
        if (r > wheelr + 200)
            c = {70, 72, 76}; // the lip of the arch
        else if (r > wheelr)
            c = black;
        else if (r > wheelr * 0.66)
            c = rubber * (0.8 + 0.4 * smooth(wheelr * 0.66, wheelr, r) *
                                    (1 - smooth(0.9 * wheelr, wheelr, r)));
        else if (r > wheelr * 0.62)
            c = {150, 152, 156};
        else if (r < wheelr * 0.14)
            c = {120, 122, 128};
        else {
            double slot = std::cos(5 * a);
            bool hole = slot > 0.45 && r > wheelr * 0.24 && r < wheelr * 0.56;
            c = hole ? Col{22, 22, 25} : Col{178, 180, 186} * (0.85 + 0.15 * std::sin(a + 1));
        }
        return true;
    }
    return false;
}

Col paint(Panel panel, Vec3 p, Vec3 n)
{
    double w = std::abs(p.y - midy);
    Col c{0, 0, 0};
    switch (panel) {
    case Panel::body:
    case Panel::skirt: {
        if (wheeldisc(p.x, p.z, c))
            return c * (panel == Panel::skirt ? 0.8 : 1.0);
        c = steel(p, n, p.z);
        Linept sh = lineat(shoulder, p.x);
        // The crease catches the light; the panel under the shoulder is lit
        // from the sky.
        c = c * (0.9 + 0.16 * smooth(1500, sh.z, p.z));
        if (std::abs(p.z - 1530) < 45 && panel == Panel::body)
            c = c * 1.18;
        if (panel == Panel::skirt)
            c = c * 0.72;
        // Door: cut lines behind the front arch and ahead of the rear one,
        // and its handle.
        bool door = p.x > -3750 && p.x < 3050;
        if ((std::abs(p.x + 3750) < 50 || std::abs(p.x - 3050) < 50) && p.z > 600)
            c = c * 0.45;
        if (door && std::abs(p.z - 650) < 45)
            c = c * 0.5;
        if (std::abs(p.x - 2300) < 260 && std::abs(p.z - (sh.z - 330)) < 50)
            c = black;
        // Side markers: amber at the front, red at the back.
        if (std::abs(p.x + 9900) < 230 && std::abs(p.z - 2250) < 110)
            c = {250, 150, 30};
        if (std::abs(p.x - 11200) < 230 && std::abs(p.z - 2600) < 110)
            c = {210, 30, 25};
        return c * shade(n);
    }
    case Panel::wheel:
        wheeldisc(p.x, p.z, c);
        return c;
    case Panel::top: {
        c = steel(p, n, p.y) * 1.02;
        Linept rf = lineat(roofline, p.x);
        double roofw = rf.w;
        if (p.x < -2900) {
            // Bonnet lid and the fuel flap on it.
            if (std::abs(w - (roofw - 250)) < 45 && p.x > -10300)
                c = c * 0.5;
            if (std::abs(p.x + 10300) < 45 && w < roofw - 250)
                c = c * 0.5;
            if (std::abs(p.x + 5200) < 500 && std::abs(p.y - midy + 2600) < 420)
                c = c *
                    (std::abs(p.x + 5200) > 440 || std::abs(p.y - midy + 2600) > 360 ? 0.55 : 1.06);
            // Wipers resting at the foot of the windscreen.
            if (p.x > -3350 && std::abs(w - 1800) < 1600 &&
                std::abs(p.x + 3150 + (p.y - midy) * 0.05) < 45)
                c = black;
        } else if (p.x < 2700) {
            // The gull-wing doors open along the roof.
            if (std::abs(w - 2400) < 45)
                c = c * 0.5;
        } else if (p.x < 5593 && w < roofw - 150) {
            // Louvres over the rear window.
            c = ((int(std::floor((p.x - 2700) / 190)) & 1) ? Col{40, 42, 46} : black) *
                (1 + 0.4 * n.z);
            if (p.x < 2850 || p.x > 5450)
                c = {60, 62, 66};
        } else if (std::abs(p.x - 10000) < 45 || std::abs(p.x - 5750) < 45) {
            c = c * 0.5;
        }
        return c * shade(n);
    }
    case Panel::glass: {
        // Glass inside the frame, stainless pillars round it.
        Linept sh = lineat(shoulder, p.x), rf = lineat(roofline, p.x);
        bool side = std::abs(n.y) > 0.5;
        bool inside;
        if (side) {
            double apillar = -2750 + (p.z - 3600) * 1.45;
            inside = p.x > apillar + 200 && p.x < 2450 && p.z > sh.z + 70 && p.z < rf.z - 130;
        } else {
            inside = w < rf.w - 260 && p.z > 3700 && p.z < 5200;
        }
        if (!inside)
            return (std::abs(n.y) > 0.5 ? Col{30, 30, 34} : steel(p, n, p.y)) * shade(n);
        double t = side ? (p.z - sh.z) / (rf.z - sh.z) : (p.z - 3580) / 1750;
        c = mix(Col{18, 24, 34}, Col{70, 86, 110}, smooth(0.1, 1.0, t));
        double streak = side ? p.x * 0.6 + p.z : (p.y - midy) * 0.7 + p.z * 1.8;
        if (std::abs(std::fmod(std::abs(streak) + 20000, 4200) - 2100) < 260)
            c = c + Col{36, 40, 46};
        return c;
    }
    case Panel::under: {
        // The floor: a backbone down the middle, the tank ahead of it, the
        // engine behind, arms out to the wheels and two tail pipes.
        c = Col{30, 30, 33};
        if (w > 4300)
            c = {44, 44, 47};
        for (const Wheel& wh : wheels)
            if (std::abs(p.x - wh.x) < 700 && std::abs(p.x - wh.x) > 350 && w > 800)
                c = {56, 56, 60};
        if (p.x > -9200 && p.x < -4200 && w < 2600)
            c = {52, 52, 55};
        if (p.x > 4300 && p.x < 10300 && w < 3000)
            c = (int(std::floor(p.x / 380)) & 1) ? Col{66, 62, 58} : Col{54, 50, 47};
        if (w < 800)
            c = w > 550 ? Col{40, 40, 43} : Col{82, 82, 88};
        if (p.x > 8800 && std::abs(w - 2000) < 260)
            c = {120, 108, 96};
        return c;
    }
    case Panel::front: {
        if (p.z > 2250) {
            c = Col{20, 20, 22};
            // Grille bars between the lamps.
            if (w < 2150 && (int(std::floor(p.z / 110)) & 1))
                c = {44, 44, 48};
            for (int i = 0; i < 4; i++) {
                double dy = p.y - lights[i][1], dz = p.z - lights[i][2];
                if (std::abs(dy) < 500 && std::abs(dz) < 260) {
                    double e = std::max(std::abs(dy) / 500, std::abs(dz) / 260);
                    c = e > 0.86 ? Col{170, 172, 178}
                                 : mix(Col{255, 252, 236}, Col{220, 215, 190}, e);
                }
            }
            // Indicators at the corners.
            if (w > 4500 && w < 5300 && std::abs(p.z - 2690) < 200)
                c = {250, 150, 30};
            return c;
        }
        // Bumper: black rubber with a bright strip.
        c = rubber;
        if (std::abs(p.z - 1900) < 60)
            c = {150, 152, 156};
        if (w < 1600 && p.z < 1800 && p.z > 1400 && (int(std::floor(p.z / 90)) & 1))
            c = Col{12, 12, 14};
        return c * shade(n);
    }
    case Panel::back: {
        c = Col{22, 22, 24};
        // Ribbed panel between the lamps.
        if (p.z > 2500 && (int(std::floor(p.z / 120)) & 1))
            c = {40, 40, 44};
        for (int i = 4; i < 6; i++) {
            double dy = p.y - lights[i][1], dz = p.z - lights[i][2];
            if (std::abs(dy) < 1050 && std::abs(dz) < 330) {
                double e = std::max(std::abs(dy) / 1050, std::abs(dz) / 330);
                double out = (p.y - midy) * (lights[i][1] - midy) > 0 ? std::abs(p.y - midy) : 0;
                if (e > 0.9)
                    c = {120, 122, 126};
                else if (out > 0 && out < 2200)
                    c = {250, 245, 235}; // reversing lamp, inboard
                else if (out < 2700)
                    c = {255, 150, 20};
                else
                    c = mix(Col{255, 40, 30}, Col{190, 10, 10}, e);
            }
        }
        // Number plate and bumper.
        if (w < 1050 && p.z > 1650 && p.z < 2250)
            c = std::abs(p.z - 1950) < 90 && (int(std::floor((p.y + 20000) / 160)) % 3)
                    ? Col{30, 30, 30}
                    : Col{230, 228, 215};
        if (p.z < 1550)
            c = rubber;
        return c * shade(n);
    }
    case Panel::tread: {
        double a = std::atan2(p.z - wheelz, p.x - (p.x < 0 ? -6300 : 6930));
        bool groove = std::abs(w - 5750) < 70 || std::abs(w - 5300) < 70 ||
                      std::abs(std::sin(a * 24 + (w > 5750 ? 1.2 : 0))) < 0.25;
        return groove ? Col{10, 10, 11} : Col{36, 36, 38} * shade(n);
    }
    case Panel::inner:
        return Col{18, 18, 20};
    }
    return c;
}

} // namespace

Image cartexture()
{
    Image img(256, 256);
    std::vector<char> done(65536, 0);
    // Every face paints the texels whose centres its texture triangle covers.
    for (int f = 0; f < 238; f++) {
        const unsigned* fv = facedelorean + 3 * f;
        const unsigned* tv = tfacedelorean + 3 * f;
        Vec3 p[3];
        double u[3], v[3];
        for (int k = 0; k < 3; k++) {
            p[k] = vertex(int(fv[k]));
            u[k] = tvertdelorean[3 * tv[k]] / 256.0;
            v[k] = tvertdelorean[3 * tv[k] + 1] / 256.0;
        }
        Vec3 n = unit(cross(p[1] - p[0], p[2] - p[0]));
        Panel panel = panelat((u[0] + u[1] + u[2]) / 3, (v[0] + v[1] + v[2]) / 3);
        double det = (u[1] - u[0]) * (v[2] - v[0]) - (u[2] - u[0]) * (v[1] - v[0]);
        int c0 = int(std::floor(std::min({u[0], u[1], u[2]})));
        int c1 = int(std::ceil(std::max({u[0], u[1], u[2]})));
        int k0 = int(std::floor(std::min({v[0], v[1], v[2]})));
        int k1 = int(std::ceil(std::max({v[0], v[1], v[2]})));
        for (int k = k0; k <= k1; k++)
            for (int c = c0; c <= c1; c++) {
                double uc = c + 0.5, vc = k + 0.5;
                double b1 = ((uc - u[0]) * (v[2] - v[0]) - (u[2] - u[0]) * (vc - v[0])) / det;
                double b2 = ((u[1] - u[0]) * (vc - v[0]) - (uc - u[0]) * (v[1] - v[0])) / det;
                double b0 = 1 - b1 - b2;
                if (b0 < -1e-9 || b1 < -1e-9 || b2 < -1e-9)
                    continue;
                Vec3 q = p[0] * b0 + p[1] * b1 + p[2] * b2;
                Col col = paint(panel, q, n);
                // v runs upwards: texel row k is picture row -k, modulo 256.
                int row = -k & 255;
                img.set(c, row,
                        {uint8_t(std::clamp(col.r, 0.0, 255.0)),
                         uint8_t(std::clamp(col.g, 0.0, 255.0)),
                         uint8_t(std::clamp(col.b, 0.0, 255.0))});
                done[row * 256 + c] = 1;
            }
    }
    // Bleed every chart three texels outwards, so that samples that stray
    // just off a face's edge still find its colours.
    for (int pass = 0; pass < 3; pass++) {
        std::vector<char> next = done;
        for (int y = 0; y < 256; y++)
            for (int x = 0; x < 256; x++) {
                if (done[y * 256 + x])
                    continue;
                int r = 0, g = 0, b = 0, n = 0;
                for (int d = 0; d < 4; d++) {
                    int xx = x + (d == 0) - (d == 1), yy = y + (d == 2) - (d == 3);
                    if (xx < 0 || yy < 0 || xx > 255 || yy > 255 || !done[yy * 256 + xx])
                        continue;
                    Rgb c = img.get(xx, yy);
                    r += c.r, g += c.g, b += c.b, n++;
                }
                if (!n)
                    continue;
                img.set(x, y, {uint8_t(r / n), uint8_t(g / n), uint8_t(b / n)});
                next[y * 256 + x] = 1;
            }
        done = next;
    }
    return img;
}
