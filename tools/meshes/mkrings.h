// The shape of the interlinked rings, shared by their mesh generator
// (mkrings.cpp) and the painter of their texture
// (tools/assets/textures/rings.cpp).
#pragma once

#include <cmath>

#include "vec3.h"

namespace rings
{

constexpr double pi = 3.14159265358979323846;

// Each torus has 16 ring sections of 22.5 degrees and 12 tube steps of
// 30 degrees; vertex 192 t + 12 r + k is section r, tube step k of torus t.
constexpr int sections = 16, tubesteps = 12, torusverts = sections * tubesteps;
constexpr int facecount = 2 * 2 * torusverts; // 768, then the zero face

// Sizes in table steps (256 to the unit). The two centres lie 13147 steps
// apart, a little less than the ring radius, so the rings interlink.
constexpr double ringradius = 13447.6, tuberadius = 5105.25;
constexpr double centrex[2] = {490, 13637}, centrey = 392;
// Torus 1 is torus 0 turned about the x axis by this angle.
constexpr double tilt = -112.8 * pi / 180;

// Turns a direction of torus 0's frame into torus t's.
inline Vec3 orient(int t, Vec3 d)
{
    if (t == 0)
        return d;
    double c = std::cos(tilt), s = std::sin(tilt);
    return {d.x, c * d.y - s * d.z, s * d.y + c * d.z};
}

// Ring angle phi runs from +y towards +x; tube angle theta from the
// outward direction towards +z (both in torus 0's frame).
inline Vec3 outward(int t, double phi) { return orient(t, {std::sin(phi), std::cos(phi), 0}); }
inline Vec3 normal(int t, double phi, double theta)
{
    return std::cos(theta) * outward(t, phi) + std::sin(theta) * orient(t, {0, 0, 1});
}
inline Vec3 point(int t, double phi, double theta)
{
    Vec3 centre{centrex[t], centrey, 0};
    return centre + ringradius * outward(t, phi) + tuberadius * normal(t, phi, theta);
}

inline double ringangle(int r) { return r * 2 * pi / sections; }
inline double tubeangle(int k) { return k * 2 * pi / tubesteps; }

// The corners of face f < 768 as (torus, section, tube step), with the
// section and step not wrapped, so that corner positions along the face
// stay continuous: faces go two per (t, r, k), t outermost.
struct Corner {
    int t, r, k;
};
inline void facecorners(int f, Corner c[3])
{
    int t = f / (2 * torusverts), r = f / (2 * tubesteps) % sections, k = f / 2 % tubesteps;
    if (f % 2 == 0) {
        c[0] = {t, r, k}, c[1] = {t, r + 1, k + 1}, c[2] = {t, r + 1, k};
    } else {
        c[0] = {t, r, k}, c[1] = {t, r, k + 1}, c[2] = {t, r + 1, k + 1};
    }
}
inline int vertexof(Corner c)
{
    return torusverts * c.t + tubesteps * (c.r % sections) + c.k % tubesteps;
}

} // namespace rings
