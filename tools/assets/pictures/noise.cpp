#include "noise.h"

#include <cmath>

double hash2(int x, int y, uint32_t seed)
{
    uint32_t h = uint32_t(x) * 0x27D4EB2Du ^ uint32_t(y) * 0x165667B1u ^ seed * 0x9E3779B9u;
    h = (h ^ (h >> 15)) * 0x85EBCA6Bu;
    h = (h ^ (h >> 13)) * 0xC2B2AE35u;
    h ^= h >> 16;
    return (h >> 8) * (1.0 / 16777216.0);
}

double noise(double x, double y, uint32_t seed, int period)
{
    double fx = std::floor(x), fy = std::floor(y);
    int ix = int(fx), iy = int(fy);
    double tx = x - fx, ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    int ix1 = ix + 1;
    if (period > 0) {
        ix = ((ix % period) + period) % period;
        ix1 = (ix + 1) % period;
    }
    double a = hash2(ix, iy, seed), b = hash2(ix1, iy, seed);
    double c = hash2(ix, iy + 1, seed), d = hash2(ix1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

double fbm(double x, double y, uint32_t seed, int octaves, int period)
{
    double sum = 0, amp = 0.5, norm = 0;
    for (int o = 0; o < octaves; o++) {
        sum += amp * noise(x, y, seed + uint32_t(o) * 101u, period);
        norm += amp;
        x *= 2, y *= 2, amp *= 0.5;
        period *= 2;
    }
    return sum / norm;
}
