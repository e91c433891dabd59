#include "parts.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "samples.h"

const Groove house = {"x...x...x...x...", "....x.......x...", "................",
                      "o,.,o,.,o,.,o,.,", "..x...x...x...x."};
const Groove drive = {"x...x...x...x...", "....x.......x...", ".......,..,....,",
                      "o,x,o,x,o,x,o,xo", "..x...x...x...x."};
const Groove retro = {"x.......x.x.....", "................", "....x.......x...",
                      "x.o.x.o.x.o.x.o.", "................"};
const Groove breaks = {"x.....x...x..x..", "....x.......x...", ".,.....,.,.,..,.",
                       "o,x,o,xo,,x,o,x,", "..............x."};

void drums(Score& s, int t, int bars, const Groove& g, int level)
{
    for (int b = 0; b < bars; b++, t += BAR) {
        s.hits(t, KICKCH, KICK, level, g.kick);
        s.hits(t, CLAPCH, CLAP, 56 * level / 64, g.clap);
        s.hits(t, SNARECH, SNARE, 40 * level / 64, g.snare);
        s.hits(t, HATCH, HATC, 46 * level / 64, g.hat);
        s.hits(t, OHATCH, HATO, 34 * level / 64, g.ohat);
    }
}

void fill(Score& s, int t, Fill kind)
{
    if (kind == SNARES) {
        for (int i = 0; i < 4; i++)
            s.note(t + 24 + 2 * i, SNARECH, SNARE, 60, 26 + 10 * i);
    } else if (kind == TOMS) {
        static const int notes[8] = {57, 55, 52, 50, 47, 45, 43, 40};
        for (int i = 0; i < 8; i++) {
            s.note(t + 16 + 2 * i, TOMCH, TOM, notes[i], 32 + 2 * i);
            s.effect(t + 16 + 2 * i, TOMCH, 'X', 0xD0 - 0x14 * i);
        }
        s.note(t + 16, SNARECH, SNARE, 60, 44);
        s.note(t + 30, SNARECH, SNARE, 60, 44);
    } else {
        // Eighths, sixteenths, then thirty-seconds, each louder.
        int r = 0;
        for (; r < 16; r += 4)
            s.note(t + r, SNARECH, SNARE, 60, 18 + r);
        for (; r < 24; r += 2)
            s.note(t + r, SNARECH, SNARE, 60, 18 + r);
        for (; r < 32; r++)
            s.note(t + r, SNARECH, SNARE, 60, 18 + r * 3 / 2);
    }
}

void crash(Score& s, int t, int volume) { s.note(t, CRASHCH, CRASH, 60, volume); }

void hush(Score& s, int t)
{
    for (int ch : {LEADCH, ECHOCH, HARMCH, CHIPCH})
        s.cut(t, ch);
}

namespace
{

// The last note channel `ch` played before t, or -1.
int lastnote(Score& s, int t, int ch)
{
    for (int u = t - 1; u >= 0 && u >= t - 4 * POS; u--) {
        int n = s.at(u, ch).note;
        if (n >= 0 && n < 120)
            return n;
        if (n == 254)
            return -1;
    }
    return -1;
}

// The voicing of c (three notes, one per chord tone, 52..76) closest to `from`.
std::vector<int> voicing(const Chord& c, const std::vector<int>& from)
{
    std::vector<int> best;
    int bestcost = INT_MAX;
    std::vector<int> pcs = {c.root, (c.root + (c.minor ? 3 : 4)) % 12, (c.root + 7) % 12};
    for (int a = 48; a < 77; a += 12)
        for (int b = 48; b < 77; b += 12)
            for (int d = 48; d < 77; d += 12) {
                std::vector<int> v = {pcs[0] + a, pcs[1] + b, pcs[2] + d};
                std::sort(v.begin(), v.end());
                if (v[0] < 52 || v[2] > 76 || v[2] - v[0] > 12)
                    continue;
                int cost = 0;
                for (int i = 0; i < 3; i++)
                    cost += std::abs(v[size_t(i)] - from[size_t(i)]);
                if (cost < bestcost)
                    bestcost = cost, best = v;
            }
    return best;
}

const int padpan[3] = {0x40, 0x80, 0xC0};

// The root of c in [low, low + 12).
int rootin(const Chord& c, int low) { return low + ((c.root - low) % 12 + 12) % 12; }

} // namespace

void pads(Score& s, int t, const std::vector<Chord>& cs, int volume)
{
    std::vector<int> held(3);
    for (int v = 0; v < 3; v++)
        held[size_t(v)] = lastnote(s, t, PADCH + v);
    std::vector<int> from = held;
    if (from[0] < 0 || from[1] < 0 || from[2] < 0)
        from = {57, 60, 64};
    std::sort(from.begin(), from.end());
    for (const Chord& c : cs) {
        std::vector<int> v = voicing(c, from);
        for (int i = 0; i < 3; i++) {
            int ch = PADCH + i;
            if (v[size_t(i)] == held[size_t(i)])
                continue;
            s.note(t, ch, PAD, v[size_t(i)], volume);
            s.effect(t, ch, 'X', padpan[i]);
            held[size_t(i)] = v[size_t(i)];
        }
        from = v;
        t += BAR;
    }
}

void pump(Score& s, int t, int rows, int volume)
{
    static const int shape[BEAT] = {35, 55, 70, 80, 88, 94, 98, 100};
    for (int r = 0; r < rows; r++)
        for (int i = 0; i < 3; i++)
            s.volume(t + r, PADCH + i, volume * shape[r % BEAT] / 100);
}

void padsoff(Score& s, int t, int rows)
{
    // Two slide ticks a row at speed 3: enough to bring volume 48 to 0.
    int rate = std::clamp((48 + 2 * rows - 1) / (2 * rows), 1, 15);
    for (int i = 0; i < 3; i++) {
        for (int r = 0; r < rows; r++)
            s.effect(t + r, PADCH + i, 'D', rate);
        s.cut(t + rows, PADCH + i);
    }
}

void bassline(Score& s, int t, const std::vector<Chord>& cs, const char* bar, int volume,
              int sample)
{
    for (const Chord& c : cs) {
        int root = rootin(c, 28);
        for (int i = 0; bar[i]; i++) {
            int r = t + STEP * i;
            switch (bar[i]) {
            case 'r':
                s.note(r, BASSCH, sample, root, volume);
                break;
            case 'R':
                s.note(r, BASSCH, sample, root + 12, volume * 7 / 8);
                break;
            case 'f':
                s.note(r, BASSCH, sample, root + 7, volume * 7 / 8);
                break;
            case '^':
                s.cut(r, BASSCH);
                break;
            }
        }
        t += BAR;
    }
}

void arp(Score& s, int t, const std::vector<Chord>& cs, const char* bar, int volume, int low)
{
    for (const Chord& c : cs) {
        std::vector<int> tones = c.tones(low, 10);
        for (int i = 0; bar[i]; i++) {
            if (bar[i] < '0' || bar[i] > '9')
                continue;
            int r = t + STEP * i;
            s.note(r, ARPCH, PLUCK, tones[size_t(bar[i] - '0')], volume);
            s.effect(r, ARPCH, 'X', i % 2 ? 0xB0 : 0x50);
        }
        t += BAR;
    }
}

void stab(Score& s, int t, const Chord& c, int volume)
{
    s.note(t, STABCH, c.minor ? STABM : STABJ, rootin(c, 55), volume);
}

void stabs(Score& s, int t, const std::vector<Chord>& cs, const char* bar, int volume)
{
    for (const Chord& c : cs) {
        s.hits(t, STABCH, c.minor ? STABM : STABJ, volume, bar, STEP, rootin(c, 55));
        t += BAR;
    }
}

void chiparp(Score& s, int t, const std::vector<Chord>& cs, const char* bar, int volume)
{
    for (const Chord& c : cs) {
        for (int i = 0; bar[i]; i++) {
            int r = t + STEP * i;
            if (bar[i] == 'x')
                s.note(r, CHIPCH, CHIP, rootin(c, 57), volume);
            // The command acts only on the rows that carry it.
            for (int k = 0; k < STEP; k++)
                s.effect(r + k, CHIPCH, 'J', c.minor ? 0x37 : 0x47);
        }
        t += BAR;
    }
}

void echo(Score& s, int t0, int t1, int delay, int percent, int from)
{
    int side = 0;
    for (int t = t0; t < t1; t++) {
        const ItCell c = s.at(t, from);
        if (c.note == 254) {
            s.cut(t + delay, ECHOCH);
        } else if (c.note >= 0 && c.note < 120) {
            s.note(t + delay, ECHOCH, c.sample, c.note, c.volume * percent / 100);
            s.effect(t + delay, ECHOCH, 'X', side++ % 2 ? 0xD0 : 0x30);
        }
    }
}

namespace
{

bool inscale(int n)
{
    static const bool minor[12] = {1, 0, 1, 0, 1, 1, 0, 1, 0, 1, 0, 1};
    return minor[n % 12];
}

} // namespace

void harmony(Score& s, int t0, int t1, const std::vector<Chord>& cs, int volume)
{
    for (int t = t0; t < t1; t++) {
        const ItCell c = s.at(t, LEADCH);
        if (c.note == 254) {
            s.cut(t, HARMCH);
        } else if (c.note >= 0 && c.note < 120) {
            // Notes outside the scale (G#) move from the scale note below.
            int n = c.note;
            while (!inscale(n))
                n--;
            for (int d = 0; d < 2; d++) {
                n--;
                while (!inscale(n))
                    n--;
            }
            const Chord& chord = cs[size_t((t - t0) / BAR) % cs.size()];
            if (n % 12 == 7 && chord.root == 4 && !chord.minor)
                n++;
            s.note(t, HARMCH, c.sample, n, volume);
        }
    }
}
