// Tuned voices. The looped ones are sums of partials that fit whole cycles
// into their loop, so the loop closes on itself; it starts at an upward zero
// crossing after the attack. The one-shots are band-limited oscillators
// through a filter whose cutoff falls, the classic pluck.
#include <algorithm>
#include <cmath>

#include "samples.h"
#include "synth.h"

namespace
{

const double tau = 6.283185307179586;

// Adds a band-limited saw (harmonics below `top` Hz) to s.
void saw(Signal& s, double hz, double rate, double amp, double top, double phase = 0)
{
    for (int h = 1; h * hz < top; h++) {
        double w = tau * h * hz / rate, a = amp / h;
        for (size_t i = 0; i < s.size(); i++)
            s[i] += a * std::sin(w * double(i) + h * phase);
    }
}

// Adds a band-limited square (odd harmonics below `top` Hz) to s.
void square(Signal& s, double hz, double rate, double amp, double top)
{
    for (int h = 1; h * hz < top; h += 2) {
        double w = tau * h * hz / rate, a = amp * 4 / (tau / 2) / h;
        for (size_t i = 0; i < s.size(); i++)
            s[i] += a * std::sin(w * double(i));
    }
}

// Runs s through a resonant low-pass whose cutoff falls from `lo + span` to
// `lo` with time constant `fall` (s), and shapes it with a quick attack and an
// exponential decay.
void pluckfilter(Signal& s, double rate, double lo, double span, double fall, double q,
                 double decay)
{
    Svf f;
    for (size_t i = 0; i < s.size(); i++) {
        double t = i / rate;
        f.run(s[i], lo + span * std::exp(-t / fall), q, rate);
        s[i] = f.lp * std::min(1.0, t / 0.0015) * std::exp(-t / decay);
    }
}

// A looped voice from a periodic signal: the loop of `period` samples starts
// at the first upward zero crossing after an attack of `attack` samples.
ItSample loopvoice(const char* name, Signal s, int period, int attack, int cycle, int pan)
{
    int begin = upzero(s, attack);
    s.resize(size_t(begin + period));
    for (int i = 0; i < attack; i++) {
        double r = std::sin(tau / 4 * i / attack);
        s[size_t(i)] *= r * r;
    }
    normalize(s, 0.9);
    ItSample smp = looped(name, s, begin, cycle);
    smp.pan = pan;
    return smp;
}

struct Osc {
    int cycles;
    double amp;
    int shift;
};

// Detuned oscillators in a loop of `period` samples.
Signal ensemble(const Cycles& c, const std::vector<Osc>& oscs, const std::vector<double>& w,
                int length)
{
    Signal s(static_cast<size_t>(length));
    for (const Osc& o : oscs)
        c.add(s, o.cycles, o.amp, w, o.shift);
    return s;
}

} // namespace

ItSample sub()
{
    Cycles c(256);
    Signal s(256 * 3);
    c.add(s, 1, 1, {0, 1, 0.22, 0.06});
    return loopvoice("sub", s, 256, 96, 256, 32);
}

ItSample lead()
{
    // Five saws 9 and 17 cents apart and a square an octave down; one
    // cycle is 128 samples, so the loop holds 200 cycles of the centre saw.
    Cycles c(25600);
    Signal s = ensemble(
        c,
        {{200, 1.0, 0}, {199, 0.7, 9100}, {201, 0.7, 3300}, {198, 0.45, 17000}, {202, 0.45, 12500}},
        sawweights(20, 9), 25600 * 2 + 400);
    c.add(s, 100, 0.3, pulseweights(9, 0.5, 5), 700, true);
    return loopvoice("lead", s, 25600, 300, 128, 32);
}

ItSample pad()
{
    Cycles c(32768);
    Signal s = ensemble(
        c,
        {{256, 1.0, 0}, {255, 0.8, 5000}, {257, 0.8, 21000}, {253, 0.6, 11000}, {259, 0.6, 27000}},
        sawweights(14, 4), 32768 * 2 + 9000);
    c.add(s, 128, 0.25, {0, 1});
    return loopvoice("pad", s, 32768, 9000, 128, 32);
}

ItSample chip()
{
    Cycles c(128);
    Signal s(128 * 3);
    c.add(s, 1, 1, pulseweights(24, 0.25, 60), 0, true);
    return loopvoice("chip pulse", s, 128, 24, 128, 28);
}

ItSample triangle()
{
    Cycles c(128);
    Signal s(128 * 3);
    c.add(s, 1, 1, triangleweights(15));
    return loopvoice("triangle", s, 128, 24, 128, 32);
}

ItSample stab(bool minor)
{
    const double rate = 44100, root = 261.6255653005986;
    Signal s(size_t(0.5 * rate));
    for (int semis : {0, minor ? 3 : 4, 7, 12}) {
        double hz = root * std::pow(2.0, semis / 12.0);
        saw(s, hz * 1.004, rate, 0.5, 12000, semis * 0.7);
        saw(s, hz / 1.004, rate, 0.5, 12000, 1 + semis * 0.3);
    }
    pluckfilter(s, rate, 350, 7000, 0.07, 1.4, 0.22);
    for (double& v : s)
        v = std::tanh(0.5 * v);
    fade(s, 0, 2000);
    normalize(s, 0.9);
    ItSample smp = oneshot(minor ? "stab minor" : "stab major", s, rate, 60);
    smp.pan = 36;
    return smp;
}

ItSample pluck()
{
    const double rate = 44100, hz = 523.2511306011972;
    Signal s(size_t(0.32 * rate));
    square(s, hz, rate, 0.6, 15000);
    saw(s, hz * 1.003, rate, 0.4, 15000);
    pluckfilter(s, rate, 700, 6000, 0.045, 2.5, 0.14);
    fade(s, 0, 1500);
    normalize(s, 0.9);
    ItSample smp = oneshot("pluck", s, rate, 72);
    smp.pan = 24;
    return smp;
}

ItSample bass()
{
    const double rate = 22050, hz = 65.40639132514966;
    Signal s(size_t(0.7 * rate));
    saw(s, hz, rate, 0.8, 9000);
    square(s, hz * 1.002, rate, 0.4, 9000);
    pluckfilter(s, rate, 160, 2200, 0.07, 1.8, 0.45);
    for (size_t i = 0; i < s.size(); i++) {
        double t = i / rate;
        s[i] = std::tanh(1.4 * (s[i] + 0.5 * std::sin(tau * hz * t) * std::exp(-t / 0.5)));
    }
    fade(s, 0, 1200);
    normalize(s, 0.92);
    ItSample smp = oneshot("bass", s, rate, 36);
    smp.pan = 32;
    return smp;
}

ItSample bell()
{
    const double rate = 44100, hz = 523.2511306011972;
    Signal s(size_t(1.8 * rate));
    for (size_t i = 0; i < s.size(); i++) {
        double t = i / rate;
        // Two-operator FM: a modulator at four times the pitch whose index
        // falls, bright strike to soft tone.
        double index = 0.25 + 2.6 * std::exp(-t / 0.16);
        double mod = index * std::sin(tau * 4 * hz * t);
        double tone = std::sin(tau * hz * t + mod) + 0.3 * std::sin(tau * 2 * hz * t + 0.5 * mod);
        s[i] = tone * std::min(1.0, t / 0.001) * std::exp(-t / 0.75);
    }
    fade(s, 0, 6000);
    normalize(s, 0.9);
    ItSample smp = oneshot("bell", s, rate, 72);
    smp.pan = 44;
    return smp;
}

std::vector<ItSample> makesamples()
{
    // The mixing desk: each sample's global volume sets its level in the
    // mix; pattern volumes only shape accents and fades.
    struct Channel {
        ItSample (*make)();
        int level;
    };
    static const Channel desk[] = {{kick, 60},
                                   {snare, 56},
                                   {clap, 64},
                                   {[] { return hat(false); }, 64},
                                   {[] { return hat(true); }, 64},
                                   {crash, 48},
                                   {tom, 56},
                                   {riser, 56},
                                   {impact, 32},
                                   {swell, 56},
                                   {sub, 52},
                                   {bass, 50},
                                   {lead, 64},
                                   {pad, 64},
                                   {[] { return stab(true); }, 52},
                                   {[] { return stab(false); }, 52},
                                   {pluck, 64},
                                   {bell, 60},
                                   {chip, 52},
                                   {triangle, 56}};
    std::vector<ItSample> out;
    for (const Channel& c : desk) {
        out.push_back(c.make());
        out.back().globalvolume = c.level;
    }
    return out;
}
