// Positions 16-18, the rotozoomer: the hook returns in full, harmonised a
// third below, with stabs under "THATS NICE" and "CUTE ONE".
#include "parts.h"
#include "samples.h"
#include "sections.h"

void rotozoomer(Score& s)
{
    const int t = 16 * POS;
    auto cs = chords("Am F C G");
    hush(s, t);
    crash(s, t, 56);
    s.note(t, FXCH, IMPACT, 60, 44);
    drums(s, t, 12, drive);
    fill(s, t + 3 * BAR, SNARES);
    fill(s, t + POS + 3 * BAR, SNARES);
    fill(s, t + 2 * POS + 3 * BAR, TOMS);
    for (int p = 0; p < 3; p++) {
        int at = t + p * POS;
        pads(s, at, cs, 20);
        bassline(s, at, cs, "^rRr^rRr^rRr^rRr", 44, BASS);
        arp(s, at, cs, "0123432101234321", 22, 60);
        if (p > 0)
            crash(s, at, 44);
    }
    pump(s, t, 3 * POS, 28);
    stabs(s, t + 2 * POS, cs, "..x...x...x..x.x", 24);
    phrase(s, t, LEADCH, LEAD, 52, themecall);
    phrase(s, t + POS, LEADCH, LEAD, 52, themeanswer);
    phrase(s, t + 2 * POS, LEADCH, LEAD, 52, themerun);
    harmony(s, t, t + 3 * POS, cs, 26);
    echo(s, t, t + 3 * POS - BAR / 2, 6, 40);

    // "THATS NICE" at row 25 and "CUTE ONE" at row 95 of position 17.
    stab(s, t + POS + 24, cs[0], 50);
    stab(s, t + POS + 94, cs[2], 50);
}
