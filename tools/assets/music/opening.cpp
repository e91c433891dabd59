// Position 0, the blank scene: pads rise out of silence and a bell hints at
// the hook. Position 1, the logo: a four-bar build whose riser lands at row
// 112, as the car appears; from there the rows run at speed 4 (80 ms) so
// that the car's 25-tick fly-in ends before the drop at position 2 (on ARM,
// whose timeline runs 16 rows behind, before row 17 of position 2).
#include "parts.h"
#include "samples.h"
#include "sections.h"

void intro(Score& s)
{
    pads(s, 0, chords("Am F C G"), 8);
    for (int v = 0; v < 3; v++)
        s.ramp(0, 120, PADCH + v, 8, 30, 8);
    s.line(1 * BAR, HARMCH, BELL, 22, "E5 - - E5 - - D5 - E5 - - - _ _ _ _");
    s.line(2 * BAR, HARMCH, BELL, 26, "E5 - - E5 - - D5 - E5 - - - G5 - E5 -");
    s.line(3 * BAR, HARMCH, BELL, 30, "D5 - - B4 - - - - G4 - - - _ _ _ _");
    echo(s, BAR, POS, 6, 50, HARMCH);
    s.hits(3 * BAR, HATCH, HATC, 22, ",,,,,,,,,,o,,o,o");
    s.note(POS - BAR, FXCH, SWELL, 60, 40); // peaks as the logo appears
}

void buildup(Score& s)
{
    const int t = POS;
    auto cs = chords("Am F G E");
    pads(s, t, cs, 24);
    arp(s, t, cs, "0123432101234321", 14, 57);
    s.ramp(t, t + POS - STEP, ARPCH, 14, 34);

    // Kick from the first bar, claps from the second, the riser from row 16.
    for (int b = 0; b < 3; b++) {
        s.hits(t + b * BAR, KICKCH, KICK, 40 + 8 * b, "x...x...x...x...");
        s.hits(t + b * BAR, OHATCH, HATO, 14 + 4 * b, "..x...x...x...x.");
    }
    s.hits(t + BAR, CLAPCH, CLAP, 34, "....x.......x...");
    s.hits(t + 2 * BAR, CLAPCH, CLAP, 40, "....x.......x..x");
    s.note(t + 16, FXCH, RISER, 60, 48);
    bassline(s, t + 2 * BAR, {cs[2]}, "r.r.r.r.r.r.r.r.", 34, BASS);
    bassline(s, t + 3 * BAR, {cs[3]}, "r.r.r.r.^.......", 38, BASS);

    // The last bar: kicks and sixteenth snares, then at row 112 the riser
    // lands with the car; thirty-second snares, slower rows, a swell into
    // the drop.
    const int last = t + 3 * BAR;
    s.hits(last, KICKCH, KICK, 60, "x...x...........");
    for (int r = 0; r < 16; r += 2)
        s.note(last + r, SNARECH, SNARE, 60, 22 + r);
    for (int r = 16; r < 32; r++)
        s.note(last + r, SNARECH, SNARE, 60, 30 + 2 * (r - 16));
    const int land = last + 16;
    s.note(land, FXCH, IMPACT, 60, 56);
    s.effect(land, FXCH, 'A', 4);
    crash(s, land, 44);
    stab(s, land, chords("E")[0], 44);
    // 16 rows of 80 ms: the swell, at 1.92 s, is played 7 semitones up.
    s.note(land, TOMCH, SWELL, 67, 44);
}
