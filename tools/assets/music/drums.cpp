// Drums and effects: one-shot samples at 44.1 kHz (the riser at 22.05 kHz),
// each ending in a short fade so that it stops without a click.
#include <algorithm>
#include <cmath>

#include "samples.h"
#include "synth.h"

namespace
{

const double sr = 44100;
const double tau = 6.283185307179586;

Signal make(double seconds) { return Signal(size_t(seconds * sr)); }

// Six detuned square waves, the metallic core of hats and cymbals.
double metal(double t, double scale)
{
    static const double hz[6] = {205.3, 304.4, 369.6, 522.7, 540.0, 800.0};
    double v = 0;
    for (double f : hz)
        v += std::sin(tau * f * scale * t) >= 0 ? 1 : -1;
    return v / 6;
}

ItSample finish(const char* name, Signal& s, int fadeout, double peak, int pan)
{
    fade(s, 0, fadeout);
    normalize(s, peak);
    ItSample smp = oneshot(name, s, sr, 60);
    smp.pan = pan;
    return smp;
}

} // namespace

ItSample kick()
{
    Signal s = make(0.36);
    Rng rng(0x4b1c);
    Svf click;
    double phase = 0;
    for (size_t i = 0; i < s.size(); i++) {
        double t = i / sr;
        // The pitch falls fast from a knock to a 48 Hz body.
        double hz = 48 + 125 * std::exp(-t / 0.03) + 400 * std::exp(-t / 0.004);
        phase += tau * hz / sr;
        double env = std::min(1.0, t / 0.0015) * std::exp(-t / 0.12);
        click.run(rng.next(), 3000, 0.8, sr);
        s[i] = std::tanh(2.2 * std::sin(phase) * env) + 0.35 * click.bp * std::exp(-t / 0.003);
    }
    return finish("kick", s, 800, 0.97, 32);
}

ItSample snare()
{
    Signal s = make(0.32);
    Rng rng(0x5a4e);
    Svf hiss, low;
    for (size_t i = 0; i < s.size(); i++) {
        double t = i / sr;
        double tone = 0.7 * std::sin(tau * 185 * t) * std::exp(-t / 0.05) +
                      0.35 * std::sin(tau * 330 * t) * std::exp(-t / 0.03);
        double n = rng.next();
        hiss.run(n, 5200, 0.6, sr);
        low.run(n, 1800, 0.9, sr);
        double noise = (0.8 * hiss.hp + 0.5 * low.bp) * std::exp(-t / 0.1);
        s[i] = std::tanh(1.4 * (tone + noise));
    }
    return finish("snare", s, 600, 0.95, 32);
}

ItSample clap()
{
    Signal s = make(0.4);
    Rng rng(0xc1a9);
    Svf band;
    for (size_t i = 0; i < s.size(); i++) {
        double t = i / sr;
        // Three quick slaps, then the room.
        double env = 0;
        for (double at : {0.0, 0.011, 0.022})
            if (t >= at)
                env = std::max(env, std::exp(-(t - at) / 0.0055));
        if (t >= 0.031)
            env = std::max(env, 0.75 * std::exp(-(t - 0.031) / 0.12));
        band.run(rng.next(), 1150, 1.3, sr);
        s[i] = band.bp * env;
    }
    return finish("clap", s, 800, 0.95, 30);
}

ItSample hat(bool open)
{
    Signal s = make(open ? 0.5 : 0.09);
    Rng rng(open ? 0x0fe7 : 0xc105);
    Svf a, b;
    double decay = open ? 0.17 : 0.018;
    for (size_t i = 0; i < s.size(); i++) {
        double t = i / sr;
        double raw = 0.6 * metal(t, 1.0) + 0.5 * rng.next();
        a.run(raw, 7200, 0.7, sr);
        b.run(a.hp, 9500, 0.9, sr);
        s[i] = (b.hp + 0.6 * b.bp) * std::min(1.0, t / 0.0005) * std::exp(-t / decay);
    }
    return finish(open ? "open hat" : "closed hat", s, open ? 1500 : 300, 0.9, open ? 22 : 42);
}

ItSample crash()
{
    Signal s = make(2.2);
    Rng rng(0xc4a5);
    Svf a, b;
    for (size_t i = 0; i < s.size(); i++) {
        double t = i / sr;
        double raw = 0.45 * metal(t, 2.37) + 0.45 * metal(t, 3.11) + 0.7 * rng.next();
        a.run(raw, 4200, 0.7, sr);
        b.run(a.hp, 11000, 0.6, sr);
        double env =
            std::min(1.0, t / 0.002) * (0.6 * std::exp(-t / 0.12) + 0.4 * std::exp(-t / 0.7));
        s[i] = (0.7 * b.lp + 0.3 * b.hp) * env;
    }
    return finish("crash", s, 8000, 0.9, 36);
}

ItSample tom()
{
    Signal s = make(0.45);
    Rng rng(0x7011);
    Svf thump;
    double phase = 0;
    for (size_t i = 0; i < s.size(); i++) {
        double t = i / sr;
        phase += tau * 110 * (1 + 0.45 * std::exp(-t / 0.05)) / sr;
        thump.run(rng.next(), 900, 0.7, sr);
        s[i] = std::tanh(1.6 * std::sin(phase) * std::exp(-t / 0.2)) +
               0.25 * thump.lp * std::exp(-t / 0.01);
    }
    fade(s, 0, 1000);
    normalize(s, 0.95);
    ItSample smp = oneshot("tom", s, sr, 45); // 110 Hz is A2
    smp.pan = 32;
    return smp;
}

ItSample riser()
{
    const double rate = 22050;
    Signal s(size_t(RISERSECONDS * rate));
    Rng rng(0x815e);
    Svf band;
    double phase = 0, n = double(s.size());
    for (size_t i = 0; i < s.size(); i++) {
        double x = i / n; // 0 .. 1 over the build
        double hz = 350 * std::pow(9000 / 350.0, x);
        band.run(rng.next(), hz, 2.2, rate);
        // A tone two octaves up the riser, gated faster and faster.
        phase += tau * 110 * std::pow(4.0, x) / rate;
        double gate = 0.6 + 0.4 * std::sin(tau * (2 * x + 6 * x * x * x) * 4);
        double tone = (std::sin(phase) + 0.3 * std::sin(2 * phase)) * gate;
        s[i] = (0.8 * band.bp + 0.35 * tone) * std::pow(x, 1.6);
    }
    fade(s, 0, 600);
    normalize(s, 0.9);
    ItSample smp = oneshot("riser", s, rate, 60);
    smp.pan = 32;
    return smp;
}

ItSample impact()
{
    Signal s = make(2.0);
    Rng rng(0x1a9c);
    Svf rumble;
    double phase = 0;
    for (size_t i = 0; i < s.size(); i++) {
        double t = i / sr;
        phase += tau * (36 + 70 * std::exp(-t / 0.1)) / sr;
        rumble.run(rng.next(), 700, 0.7, sr);
        s[i] = std::tanh(1.5 * std::sin(phase) * std::exp(-t / 0.6)) +
               0.8 * rumble.lp * std::exp(-t / 0.25);
    }
    return finish("impact", s, 6000, 0.95, 32);
}

ItSample swell()
{
    // The crash played backwards, shortened so its peak lands on time.
    ItSample c = crash();
    size_t n = size_t(SWELLSECONDS * sr);
    Signal s(n);
    for (size_t i = 0; i < n; i++)
        s[i] = c.pcm[n - 1 - i] / 32767.0;
    return finish("swell", s, 200, 0.85, 32);
}
