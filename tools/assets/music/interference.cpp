// Positions 11-14, the interference circles: darker, down the Andalusian
// cadence Am G F E. Stabs and a rolling bass; a slow theme; then the hook's
// motif comes back stepped down the cadence, and an octave up with a third
// below. Stabs answer "I FEEL SICK" and "ME TOO".
#include "parts.h"
#include "samples.h"
#include "sections.h"

namespace
{

const char* const themec[4] = {
    "A5 - - - - - - - - - - - G5 - E5 -",  // Am
    "D5 - - - - - - - B4 - - - G4 - B4 -", // G
    "C5 - - - - - - - A4 - - - C5 - F5 -", // F
    "E5 - - - - - - - - - - - G#5 - - -",  // E
};
const char* const motifdown[4] = {
    "E5 - - E5 - - D5 - E5 - - - C5 - D5 -",  // Am
    "D5 - - D5 - - C5 - D5 - - - B4 - C5 -",  // G
    "C5 - - C5 - - B4 - C5 - - - A4 - B4 -",  // F
    "B4 - - B4 - - A4 - G#4 - - - B4 - E5 -", // E
};
const char* const motifhigh[4] = {
    "A5 - - A5 - - G5 - A5 - - - E5 - G5 -", // Am
    "G5 - - G5 - - F5 - G5 - - - D5 - F5 -", // G
    "F5 - - F5 - - E5 - F5 - - - C5 - E5 -", // F
    "E5 - - - - - G#5 - - - - - B5 - - -",   // E
};

} // namespace

void interference(Score& s)
{
    const int t = 11 * POS;
    auto cs = chords("Am G F E");
    hush(s, t);
    crash(s, t, 52);
    drums(s, t, 4, drive, 60);
    drums(s, t + POS, 12, drive);
    for (int p = 0; p < 4; p++) {
        int at = t + p * POS;
        bassline(s, at, cs, "rrRrrfRrrRrfrRrR", 38, BASS);
        stabs(s, at, cs, p < 2 ? "x..x..x...x..x.." : "x..x..x.........", 34);
        pads(s, at, cs, p == 0 ? 14 : 18);
        fill(s, at + 3 * BAR, p == 1 ? TOMS : SNARES);
    }
    crash(s, t + 2 * POS, 48);
    pump(s, t + POS, 3 * POS, 24);
    phrase(s, t + POS, LEADCH, LEAD, 50, themec);
    phrase(s, t + 2 * POS, LEADCH, LEAD, 50, motifdown);
    phrase(s, t + 3 * POS, LEADCH, LEAD, 50, motifhigh);
    harmony(s, t + 3 * POS, t + 4 * POS, cs, 26);
    arp(s, t + 2 * POS, cs, "0.1.2.3.4.3.2.1.", 20, 57);
    arp(s, t + 3 * POS, cs, "0123432101234321", 22, 57);
    echo(s, t + POS, t + 4 * POS, 6, 40);

    // "I FEEL SICK" at row 93 of position 11, "ME TOO" at row 65 of 12.
    stab(s, t + 92, cs[2], 50);
    stab(s, t + POS + 64, cs[2], 50);
}
