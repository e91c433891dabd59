// Writes zel.it: 28 positions of 128 rows (the last one 48), speed 3,
// tempo 125, so the song runs through every window of the timeline.
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "itwriter.h"

namespace {

const double tau = 6.283185307179586;

ItSample kick()
{
    ItSample s;
    s.name = "kick";
    for (int i = 0; i < 6000; i++) {
        double t = i / 22050.0;
        double f = 50 + 120 * std::exp(-t * 30);
        double env = std::exp(-t * 12) * (i > 5800 ? (6000 - i) / 200.0 : 1);
        s.pcm.push_back(int16_t(26000 * env * std::sin(tau * f * t)));
    }
    return s;
}

ItSample hat()
{
    ItSample s;
    s.name = "hat";
    uint32_t seed = 12345;
    for (int i = 0; i < 1500; i++) {
        seed = seed * 1103515245 + 12345;
        double noise = ((seed >> 16) & 0x7FFF) / 16384.0 - 1;
        s.pcm.push_back(int16_t(12000 * noise * std::exp(-i / 300.0)));
    }
    return s;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: mkmusic FILE\n");
        return 2;
    }
    ItSong song;
    song.name = "zel";
    song.samples = {kick(), hat()};
    for (int p = 0; p < 28; p++) {
        ItPattern pat(p == 27 ? 48 : 128, 2);
        for (int r = 0; r < pat.rows; r++) {
            if (p > 0 && r % 8 == 0)
                pat.at(r, 0) = {48, 1, 64, 0, 0};
            if (p > 0 && r % 8 == 4)
                pat.at(r, 1) = {72, 2, 40, 0, 0};
        }
        song.patterns.push_back(pat);
        song.orders.push_back(p);
    }
    std::vector<uint8_t> bytes = writeit(song);
    FILE* f = fopen(argv[1], "wb");
    if (!f || fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || fclose(f)) {
        perror(argv[1]);
        return 1;
    }
    return 0;
}
