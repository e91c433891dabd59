// Building blocks of the module's instruments: a noise source of our own,
// band-limited partials that fit whole cycles into a loop, a state-variable
// filter, and the steps that turn a signal into finished 16-bit PCM.
// Everything is computed in doubles from fixed seeds, so every build writes
// the same bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "itwriter.h"

using Signal = std::vector<double>;

// xorshift32: white noise in -1..1 that does not depend on the C library.
struct Rng {
    uint32_t s;
    explicit Rng(uint32_t seed) : s(seed) {}
    double next()
    {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return int32_t(s) / 2147483648.0;
    }
};

// Partials of a loop of `period` samples. Every partial makes a whole number
// of cycles in the period, so any stretch of `period` samples loops without a
// seam. Frequencies are given in cycles per period; a shift moves a whole
// oscillator in time (its own phase) without changing its shape.
class Cycles
{
  public:
    explicit Cycles(int period);
    int period() const { return n; }
    // Adds sum over h of amp * weight[h] * sin(2 pi h cycles (i + shift) / period),
    // or cos in place of sin when `cosine` is set (the period must be a multiple of 4).
    void add(Signal& out, int cycles, double amp, const std::vector<double>& weight, int shift = 0,
             bool cosine = false) const;

  private:
    int n;
    std::vector<double> sine;
};

// Harmonic weights (index 0 unused) of classic waveforms, up to `top`,
// rolled off above harmonic `soft` by a gentle first-order slope. Saw and
// triangle are sums of sines; the pulse is a sum of cosines.
std::vector<double> sawweights(int top, double soft);
std::vector<double> pulseweights(int top, double duty, double soft);
std::vector<double> triangleweights(int top);

// Zero-delay-feedback state-variable filter (two poles).
struct Svf {
    double s1 = 0, s2 = 0;
    double lp = 0, bp = 0, hp = 0;
    // One sample through the filter at cutoff `hz` of a `rate` Hz signal,
    // with resonance `q` (0.5 gentle .. 10 sharp); sets lp, bp and hp.
    void run(double x, double hz, double q, double rate);
};

// Linear fade of the first `in` and the last `out` samples.
void fade(Signal& s, int in, int out);
// Scales the signal so that its largest magnitude is `peak` (of 1.0).
void normalize(Signal& s, double peak);
// Index of the first upward zero crossing at or after `from`: s[i-1] < 0 <= s[i].
int upzero(const Signal& s, int from);

// Turns a finished signal (-1..1) into a sample that plays note `native` at
// its own `rate` (Hz); notes in patterns are numbered like MIDI (60 = C4).
ItSample oneshot(const char* name, const Signal& s, double rate, double native);
// A looped voice: `s` holds an attack and then exactly one loop of `period`
// samples starting at `loopbegin`; one cycle of the fundamental is `cycle`
// samples long and sounds as C4 at note 60.
ItSample looped(const char* name, const Signal& s, int loopbegin, double cycle);
