// The twister's row table, colour ramp, face tables and twist waves.
#include <cmath>

#include "base/base.h"
#include "effects/effects.h"

int twmult[321];
uint16_t textr[64];
int ty1[256], ty2[256], ty3[256];
int txd1[16640], txd2[16640];
int tws1[126], tws2[91];

namespace
{

// The ramp steps per row of each face, for every angle.
double d1[256], d2[256];

uint16_t rgb565(int r, int g, int b) { return static_cast<uint16_t>(r * 2048 | g * 32 | b); }

// Warm at both ends, blue in the middle: red and green fall every other
// step while blue climbs, then the other way round.
void buildramp()
{
    int r = 30, g = 27, b = 0;
    for (int i = 0; i < 32; i++) {
        if (r > 0)
            r -= i % 2;
        if (g > 12)
            g -= i % 2;
        if (b <= 30)
            b += 1;
        textr[i] = rgb565(r, g, b);
    }
    for (int i = 32; i < 64; i++) {
        if (r <= 29)
            r += i % 2;
        if (g <= 26)
            g += i % 2;
        if (b > 0)
            b -= 1;
        textr[i] = rgb565(r, g, b);
    }
}

// A square bar seen end-on: its four edges sit a quarter turn apart, at
// heights 0..90. For each of 256 angles over a quarter turn, the two faces
// that look at the viewer run from ty1 to ty2 and from ty2 to ty3, and d1,
// d2 spread the 62 steps of the ramp over each face's exact height.
void buildfaces()
{
    double al[4] = {-PI / 2, 0, PI / 2, PI};
    for (int a = 0; a < 256; a++) {
        double p[4];
        for (int k = 0; k < 4; k++) {
            al[k] += 0.00613;
            p[k] = sin(al[k]) * 45 + 45;
        }
        if (p[2] > p[1] || p[3] > p[2]) {
            d1[a] = 62 / (p[1] - p[0]);
            d2[a] = 62 / (p[2] - p[1]);
            ty1[a] = static_cast<int>(round(p[0]));
            ty2[a] = static_cast<int>(round(p[1]));
            ty3[a] = static_cast<int>(round(p[2]));
        }
        // Past the eighth turn the edge that was at the back comes on top.
        if (p[0] > p[3]) {
            d1[a] = 62 / (p[0] - p[3]);
            d2[a] = 62 / (p[1] - p[0]);
            ty1[a] = static_cast<int>(round(p[3]));
            ty2[a] = static_cast<int>(round(p[0]));
            ty3[a] = static_cast<int>(round(p[1]));
        }
    }
}

// The ramp index of every row of a face, accumulated in double as the
// face is walked down.
void buildrampindex(int* txd, const double* d)
{
    for (int a = 0; a < 256; a++) {
        double twclr = 0.0;
        for (int k = 0; k <= 64; k++) {
            txd[k * 256 + a] = static_cast<int>(twclr);
            twclr += d[a];
        }
    }
}

} // namespace

void init_twist()
{
    for (int i = 0; i < 320; i++)
        twmult[i] = i * SCREEN_W;
    buildramp();
    buildfaces();

    double t = -PI;
    for (int i = 0; i < 126; i++) {
        tws1[i] = static_cast<int>(600 * cos(t) + 480 * sin(t)) + 500;
        t += 0.05;
    }
    t = -PI;
    for (int i = 0; i < 91; i++) {
        tws2[i] = static_cast<int>(200 * cos(t + 0.2) + 300 * sin(t)) + 330;
        t += 0.07;
    }

    buildrampindex(txd1, d1);
    buildrampindex(txd2, d2);
}
