// Randomness that is the same on every build: a small generator and
// lattice noise built on an integer hash.
#pragma once

#include <cstdint>

// SplitMix32-style generator.
struct Rng {
    uint32_t s;
    explicit Rng(uint32_t seed) : s(seed) {}
    uint32_t next()
    {
        uint32_t z = (s += 0x9E3779B9u);
        z = (z ^ (z >> 16)) * 0x85EBCA6Bu;
        z = (z ^ (z >> 13)) * 0xC2B2AE35u;
        return z ^ (z >> 16);
    }
    double uniform() { return (next() >> 8) * (1.0 / 16777216.0); } // 0 <= u < 1
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    int below(int n) { return int(uniform() * n); }
};

// A value in 0..1 for a lattice point.
double hash2(int x, int y, uint32_t seed);
// Smooth value noise in 0..1 with lattice spacing 1; repeats every `period`
// cells in x when period > 0.
double noise(double x, double y, uint32_t seed, int period = 0);
// Octaves of noise, each twice as fine and half as strong; 0..1. With a
// period, it repeats every `period` units in x.
double fbm(double x, double y, uint32_t seed, int octaves, int period = 0);
