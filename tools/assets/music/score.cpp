#include "score.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

std::vector<int> Chord::tones(int low, int count) const
{
    const int steps[3] = {0, minor ? 3 : 4, 7};
    std::vector<int> out;
    for (int n = low; int(out.size()) < count; n++)
        for (int s : steps)
            if ((n - root - s) % 12 == 0)
                out.push_back(n);
    return out;
}

int pitch(const std::string& name)
{
    static const int base[7] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    size_t i = 0;
    int pc = base[name[i++] - 'A'];
    while (name[i] == '#' || name[i] == 'b')
        pc += name[i++] == '#' ? 1 : -1;
    return pc + 12 * (std::atoi(name.c_str() + i) + 1);
}

std::vector<Chord> chords(const char* names)
{
    std::vector<Chord> out;
    std::istringstream in(names);
    std::string n;
    while (in >> n) {
        bool minor = n.back() == 'm';
        out.push_back({pitch(n.substr(0, minor ? n.size() - 1 : n.size()) + "0") % 12, minor});
    }
    return out;
}

Score::Score()
{
    song.name = "zel";
    for (int p = 0; p < POSITIONS; p++) {
        song.patterns.emplace_back(p == POSITIONS - 1 ? LASTROWS : POS, CHANNELS);
        song.orders.push_back(p);
    }
}

ItCell& Score::at(int t, int ch)
{
    ItPattern& p = song.patterns.at(size_t(t / POS));
    if (t % POS >= p.rows) {
        fprintf(stderr, "mkmusic: row %d is past the end of the song\n", t);
        exit(1);
    }
    return p.at(t % POS, ch);
}

void Score::note(int t, int ch, int sample, int n, int v)
{
    ItCell& c = at(t, ch);
    c.note = n;
    c.sample = sample;
    c.volume = v;
}

void Score::cut(int t, int ch)
{
    ItCell& c = at(t, ch);
    c.note = 254;
    c.sample = 0;
    c.volume = -1;
}

void Score::clear(int t0, int t1, int ch)
{
    for (int t = t0; t < t1; t++)
        at(t, ch) = ItCell();
}

void Score::volume(int t, int ch, int v) { at(t, ch).volume = v; }

void Score::effect(int t, int ch, char command, int param)
{
    ItCell& c = at(t, ch);
    c.command = command - 'A' + 1;
    c.param = param;
}

void Score::ramp(int t0, int t1, int ch, int v0, int v1, int every)
{
    for (int t = t0; t <= t1; t += every)
        volume(t, ch, v0 + (v1 - v0) * (t - t0) / (t1 - t0));
}

int Score::line(int t, int ch, int sample, int v, const char* tokens, int step)
{
    std::istringstream in(tokens);
    std::string tok;
    int start = -1; // row of the note that is sounding
    auto vibrato = [&](int end) {
        // A slow, light vibrato on notes held past their first beat.
        for (int r = start + BEAT; start >= 0 && r < end; r++)
            effect(r, ch, 'H', 0x63);
    };
    for (; in >> tok; t += step) {
        if (tok == "-")
            continue;
        vibrato(t);
        start = -1;
        if (tok == ".")
            cut(t, ch);
        else if (tok != "_") {
            note(t, ch, sample, pitch(tok), v);
            start = t;
        }
    }
    vibrato(t);
    return t;
}

void Score::hits(int t, int ch, int sample, int v, const char* grid, int step, int n)
{
    for (; *grid; grid++) {
        if (*grid == ' ')
            continue;
        if (*grid == 'x')
            note(t, ch, sample, n, v);
        else if (*grid == 'o')
            note(t, ch, sample, n, v * 2 / 3);
        else if (*grid == ',')
            note(t, ch, sample, n, v / 3);
        t += step;
    }
}
