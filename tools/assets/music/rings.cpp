// Positions 19-22, the rings: a broken beat and a climbing theme over
// F G Em Am, the pluck first, then the lead doubled by the bell, stabs under
// "WHOAH" and "3D SHIT".
#include "parts.h"
#include "samples.h"
#include "sections.h"

namespace
{

const char* const themed[4] = {
    "F5 - A5 - C6 - A5 - G5 - A5 - F5 - E5 -", // F
    "D5 - G5 - B5 - G5 - A5 - B5 - D6 - B5 -", // G
    "B5 - - - G5 - - - E5 - G5 - B5 - - -",    // Em
    "C6 - B5 - A5 - - - E5 - - - . _ _ _",     // Am
};
const char* const themedanswer[4] = {
    "F5 - A5 - C6 - A5 - G5 - A5 - C6 - D6 -", // F
    "D6 - - - B5 - - - G5 - A5 - B5 - D6 -",   // G
    "B5 - - - - - G5 - A5 - - - B5 - - -",     // Em
    "A5 - - - - - - - . _ _ _ E5 - G5 -",      // Am
};

} // namespace

void rings(Score& s)
{
    const int t = 19 * POS;
    auto cs = chords("F G Em Am");
    hush(s, t);
    crash(s, t, 56);
    drums(s, t, 16, breaks);
    for (int p = 0; p < 4; p++) {
        int at = t + p * POS;
        pads(s, at, cs, p == 0 ? 24 : 18);
        bassline(s, at, cs, "r..r..r.r..r..R.", 46, BASS);
        arp(s, at, cs, p == 0 ? "0123012301230123" : "0.1.2.3.0.1.2.3.", p == 0 ? 28 : 20, 60);
        fill(s, at + 3 * BAR, p == 3 ? BUILD : SNARES);
        if (p > 0)
            crash(s, at, 40);
    }
    phrase(s, t + POS, LEADCH, LEAD, 50, themed);
    phrase(s, t + POS, HARMCH, BELL, 20, themed);
    phrase(s, t + 2 * POS, LEADCH, LEAD, 50, themedanswer);
    phrase(s, t + 2 * POS, HARMCH, BELL, 20, themedanswer);
    stabs(s, t + 2 * POS, cs, "x..x..x.........", 26);
    phrase(s, t + 3 * POS, LEADCH, LEAD, 50, themed);
    harmony(s, t + 3 * POS, t + 4 * POS, cs, 26);
    stabs(s, t + 3 * POS, cs, "x..x..x...x..x..", 28);
    echo(s, t + POS, t + 4 * POS - BAR / 2, 6, 40);

    // "WHOAH" at row 41 of position 20, "3D SHIT" at row 13 of 21.
    stab(s, t + POS + 40, cs[1], 50);
    stab(s, t + 2 * POS + 12, cs[0], 50);
}
