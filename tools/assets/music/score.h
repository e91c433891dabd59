// A small score on top of the module writer: times are rows from the start
// of the song, as the demo's timeline counts them (position x 128 + row), so
// a section can be written against the scenes it plays under. At speed 3 and
// tempo 125 a row lasts 60 ms: 8 rows make a beat, 32 a bar, 128 a position.
#pragma once

#include <string>
#include <vector>

#include "itwriter.h"

constexpr int STEP = 2, BEAT = 8, BAR = 32, POS = 128;
constexpr int POSITIONS = 28, LASTROWS = 48;

// Every voice has its own channel.
enum Channel {
    KICKCH,
    SNARECH,
    CLAPCH,
    HATCH,
    OHATCH,
    CRASHCH,
    FXCH,
    TOMCH,
    BASSCH,
    LEADCH,
    ECHOCH, // the lead, delayed and panned
    HARMCH, // a second melodic voice: harmony, bell or chip lead
    ARPCH,
    PADCH, // three pad voices: PADCH, PADCH + 1, PADCH + 2
    STABCH = PADCH + 3,
    CHIPCH, // chip arpeggios
    CHANNELS
};

// A chord: root pitch class (C = 0) and its third.
struct Chord {
    int root;
    bool minor;
    // The chord tones at or above `low`, ascending: `count` of them.
    std::vector<int> tones(int low, int count) const;
};

// "Am F C G" -> four chords.
std::vector<Chord> chords(const char* names);

// "C#5" -> 73; notes are numbered like MIDI (A4 = 69 = 440 Hz).
int pitch(const std::string& name);

class Score
{
  public:
    Score();
    ItSong song;

    ItCell& at(int t, int ch);
    void note(int t, int ch, int sample, int note, int volume);
    void cut(int t, int ch);
    // Empties channel ch from t0 up to t1 (excluded).
    void clear(int t0, int t1, int ch);
    void volume(int t, int ch, int volume);
    void effect(int t, int ch, char command, int param);
    // Volume column from v0 at t0 to v1 at t1, written every `every` rows
    // (every step by default, so that it covers each note of a pattern).
    void ramp(int t0, int t1, int ch, int v0, int v1, int every = STEP);

    // A line of notes, one token a step of `step` rows: a note name plays,
    // "-" holds, "." cuts, "_" leaves the channel alone. Notes held for a
    // whole beat get a vibrato after their first beat. Returns the time after
    // the line.
    int line(int t, int ch, int sample, int volume, const char* tokens, int step = STEP);
    // A drum grid, one character a step: 'x' hits at `volume`, 'o' at two
    // thirds, ',' at a third, '.' rests.
    void hits(int t, int ch, int sample, int volume, const char* grid, int step = STEP,
              int note = 60);
};
