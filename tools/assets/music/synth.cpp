#include "synth.h"

#include <algorithm>
#include <cmath>

namespace
{

const double pi = 3.14159265358979323846;
const double c4 = 261.6255653005986; // Hz of note 60

} // namespace

Cycles::Cycles(int period) : n(period), sine(size_t(period))
{
    for (int i = 0; i < n; i++)
        sine[size_t(i)] = std::sin(2 * pi * i / n);
}

void Cycles::add(Signal& out, int cycles, double amp, const std::vector<double>& weight, int shift,
                 bool cosine) const
{
    for (size_t h = 1; h < weight.size(); h++) {
        double a = amp * weight[h];
        if (a == 0)
            continue;
        // The phase of partial h steps by h * cycles table entries a sample;
        // kept as an exact integer modulo the period so the loop closes.
        int64_t step = int64_t(h) * cycles % n;
        int64_t phase = ((int64_t(h) * cycles % n) * (shift % n) + (cosine ? n / 4 : 0)) % n;
        for (double& v : out) {
            v += a * sine[size_t(phase)];
            phase += step;
            if (phase >= n)
                phase -= n;
        }
    }
}

std::vector<double> sawweights(int top, double soft)
{
    std::vector<double> w(size_t(top) + 1);
    for (int h = 1; h <= top; h++)
        w[size_t(h)] = 1.0 / h / std::sqrt(1 + (h / soft) * (h / soft));
    return w;
}

std::vector<double> pulseweights(int top, double duty, double soft)
{
    std::vector<double> w(size_t(top) + 1);
    for (int h = 1; h <= top; h++)
        w[size_t(h)] = 2 * std::sin(pi * h * duty) / h / std::sqrt(1 + (h / soft) * (h / soft));
    return w;
}

std::vector<double> triangleweights(int top)
{
    std::vector<double> w(size_t(top) + 1);
    for (int h = 1; h <= top; h += 2)
        w[size_t(h)] = (h % 4 == 1 ? 1.0 : -1.0) / (double(h) * h);
    return w;
}

void Svf::run(double x, double hz, double q, double rate)
{
    double g = std::tan(pi * std::min(hz, rate * 0.45) / rate);
    double k = 1 / q;
    double a1 = 1 / (1 + g * (g + k));
    double v3 = x - s2;
    double v1 = a1 * s1 + g * a1 * v3;
    double v2 = s2 + g * v1;
    s1 = 2 * v1 - s1;
    s2 = 2 * v2 - s2;
    lp = v2;
    bp = v1;
    hp = x - k * v1 - v2;
}

void fade(Signal& s, int in, int out)
{
    int n = int(s.size());
    for (int i = 0; i < in && i < n; i++)
        s[size_t(i)] *= double(i) / in;
    for (int i = 0; i < out && i < n; i++)
        s[size_t(n - 1 - i)] *= double(i) / out;
}

void normalize(Signal& s, double peak)
{
    double m = 0;
    for (double v : s)
        m = std::max(m, std::fabs(v));
    if (m > 0)
        for (double& v : s)
            v *= peak / m;
}

int upzero(const Signal& s, int from)
{
    for (int i = std::max(from, 1); i < int(s.size()); i++)
        if (s[size_t(i) - 1] < 0 && s[size_t(i)] >= 0)
            return i;
    return from;
}

namespace
{

std::vector<int16_t> pcm16(const Signal& s)
{
    std::vector<int16_t> out(s.size());
    for (size_t i = 0; i < s.size(); i++)
        out[i] = int16_t(std::lround(std::clamp(s[i], -1.0, 1.0) * 32767));
    return out;
}

} // namespace

ItSample oneshot(const char* name, const Signal& s, double rate, double native)
{
    ItSample smp;
    smp.name = name;
    smp.pcm = pcm16(s);
    smp.c5speed = int(std::lround(rate * std::pow(2.0, (60 - native) / 12)));
    return smp;
}

ItSample looped(const char* name, const Signal& s, int loopbegin, double cycle)
{
    ItSample smp;
    smp.name = name;
    smp.pcm = pcm16(s);
    smp.loopbegin = loopbegin;
    smp.loopend = int(s.size());
    smp.c5speed = int(std::lround(c4 * cycle));
    return smp;
}
