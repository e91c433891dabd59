// Positions 7-10, the sine scrollers: a second theme in bouncing eighths over
// Dm G C Am. A groove with the arpeggio in front, the theme, its answer with
// off-beat stabs, and the theme again with a third below.
#include "parts.h"
#include "samples.h"
#include "sections.h"

namespace
{

const char* const themeb[4] = {
    "D5 - A4 - D5 - F5 - E5 - D5 - A4 - C5 -", // Dm
    "B4 - G4 - B4 - D5 - C5 - B4 - G4 - A4 -", // G
    "G4 - E4 - G4 - C5 - B4 - C5 - E5 - G5 -", // C
    "E5 - - - - - - - C5 - - - D5 - - -",      // Am
};
const char* const themebanswer[4] = {
    "F5 - D5 - F5 - A5 - G5 - F5 - E5 - D5 -", // Dm
    "D5 - B4 - D5 - G5 - F5 - D5 - B4 - D5 -", // G
    "E5 - C5 - E5 - G5 - C6 - B5 - G5 - E5 -", // C
    "A5 - - - - - - - E5 - - - . _ _ _",       // Am
};

} // namespace

void scrollers(Score& s)
{
    const int t = 7 * POS;
    auto cs = chords("Dm G C Am");
    hush(s, t);
    crash(s, t, 52);
    drums(s, t, 8, house);
    drums(s, t + 2 * POS, 8, drive);
    for (int p = 0; p < 4; p++) {
        int at = t + p * POS;
        pads(s, at, cs, p == 0 ? 24 : 18);
        bassline(s, at, cs, "^.r.R.r.^.r.R.r.", 46, BASS);
        arp(s, at, cs, p == 0 ? "0242024202420243" : "0.2.4.2.0.2.4.2.", p == 0 ? 30 : 20, 60);
        fill(s, at + 3 * BAR, p == 3 ? TOMS : SNARES);
        if (p > 0)
            crash(s, at, 40);
    }
    pump(s, t + POS, 3 * POS, 26);
    phrase(s, t + POS, LEADCH, LEAD, 50, themeb);
    phrase(s, t + 2 * POS, LEADCH, LEAD, 50, themebanswer);
    stabs(s, t + 2 * POS, cs, "..x...x...x...x.", 22);
    phrase(s, t + 3 * POS, LEADCH, LEAD, 50, themeb);
    harmony(s, t + 3 * POS, t + 4 * POS, cs, 26);
    stabs(s, t + 3 * POS, cs, "..x...x...x...x.", 22);
    echo(s, t + POS, t + 4 * POS - BAR / 2, 6, 40);
}
