// An Impulse Tracker module writer: sample mode, 16-bit mono PCM, packed
// patterns. Enough for a song composed in code.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ItSample {
    std::string name;
    std::vector<int16_t> pcm;
    int c5speed = 22050;
    int volume = 64;       // default volume 0..64
    int globalvolume = 64; // scales every note of the sample, 0..64
    int pan = -1;          // 0..64, or -1 for none
    int loopbegin = -1;    // loop [loopbegin, loopend) in samples, or -1
    int loopend = -1;
};

struct ItCell {
    int note = -1;   // 0..119, 254 cut, 255 off, -1 none
    int sample = 0;  // 1-based, 0 none
    int volume = -1; // 0..64, -1 none
    int command = 0; // 'A'..'Z' as 1..26, 0 none
    int param = 0;
};

struct ItPattern {
    int rows;
    int channels;
    std::vector<ItCell> cells; // rows x channels

    ItPattern(int r, int ch) : rows(r), channels(ch), cells(size_t(r) * ch) {}
    ItCell& at(int row, int ch) { return cells[size_t(row) * channels + ch]; }
};

struct ItSong {
    std::string name;
    int speed = 3, tempo = 125;
    int globalvolume = 128, mixvolume = 48;
    std::vector<int> orders;
    std::vector<ItPattern> patterns;
    std::vector<ItSample> samples;
};

std::vector<uint8_t> writeit(const ItSong& song);
