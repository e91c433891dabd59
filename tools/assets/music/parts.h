// The song's devices, shared by its sections: grooves, fills, pads, bass
// lines, arpeggios, stabs and the lead's echo. Chord lists give one chord a
// bar; bar patterns are 16 steps of 2 rows.
#pragma once

#include <vector>

#include "score.h"

// One bar of drums, repeated: kick, clap, snare, closed and open hat grids.
struct Groove {
    const char *kick, *clap, *snare, *hat, *ohat;
};
extern const Groove house;  // four to the floor, open hats on the off-beats
extern const Groove drive;  // house with ghost snares and a busier hat
extern const Groove retro;  // 80s backbeat
extern const Groove breaks; // broken kick for the rings

// `bars` bars of a groove from t; `level` scales every drum (64 = full).
void drums(Score& s, int t, int bars, const Groove& g, int level = 64);

enum Fill {
    SNARES, // the last beat in 16ths, growing
    TOMS,   // the last two beats down the toms
    BUILD,  // a whole bar, 8ths to 32nds, growing
};
// A fill in the bar that starts at t.
void fill(Score& s, int t, Fill kind);
// A crash cymbal.
void crash(Score& s, int t, int volume = 48);
// Cuts the melodic voices (lead, echo, harmony, chip arpeggio) at t: the
// looped ones would ring on into the next section.
void hush(Score& s, int t);

// Voice-led pads on three channels: each chord takes the voicing nearest the
// last, notes that stay are held.
void pads(Score& s, int t, const std::vector<Chord>& cs, int volume);
// The pads duck under every kick and swell back over the beat, from t for
// `rows` rows, up to `volume`.
void pump(Score& s, int t, int rows, int volume);
// Fades the pads out over `rows` rows from t and cuts them.
void padsoff(Score& s, int t, int rows);

// A bass line: one bar pattern applied to each chord; 'r' root, 'R' root an
// octave up, 'f' fifth, '^' cut, '.' rest.
void bassline(Score& s, int t, const std::vector<Chord>& cs, const char* bar, int volume,
              int sample);
// An arpeggio: each step a digit, an index into the chord's tones from `low`
// up, '.' rests; pans alternate left and right.
void arp(Score& s, int t, const std::vector<Chord>& cs, const char* bar, int volume, int low);
// One chord stab, minor or major as the chord asks.
void stab(Score& s, int t, const Chord& c, int volume);
// Chord stabs on the grid of a bar.
void stabs(Score& s, int t, const std::vector<Chord>& cs, const char* bar, int volume);
// A chip arpeggio (command J, a chord at 50 notes a second) through each
// bar, retriggered where the grid has 'x'.
void chiparp(Score& s, int t, const std::vector<Chord>& cs, const char* bar, int volume);

// Channel `from` (the lead) from t0 to t1, repeated `delay` rows later on
// the echo channel at `percent` of its volume, alternating left and right.
void echo(Score& s, int t0, int t1, int delay, int percent, int from = LEADCH);
// The lead from t0 to t1 doubled on the harmony channel a third below, along
// the A minor scale; where a bar's chord has G# (E major) the harmony takes
// G# for G.
void harmony(Score& s, int t0, int t1, const std::vector<Chord>& cs, int volume);
