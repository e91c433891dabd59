// Positions 23-24, the twister: the climax. The hook's call and answer with
// everything under them, stabs under "TWISTED" and "LIKE SISTER".
#include "parts.h"
#include "samples.h"
#include "sections.h"

void twister(Score& s)
{
    const int t = 23 * POS;
    auto cs = chords("Am F C G");
    hush(s, t);
    crash(s, t, 58);
    s.note(t, FXCH, IMPACT, 60, 44);
    drums(s, t, 8, drive);
    fill(s, t + 3 * BAR, TOMS);
    fill(s, t + POS + 3 * BAR, BUILD);
    crash(s, t + POS, 48);
    for (int p = 0; p < 2; p++) {
        int at = t + p * POS;
        pads(s, at, cs, 22);
        bassline(s, at, cs, "^rRr^rRr^rRr^rRr", 46, BASS);
        arp(s, at, cs, "0123432101234321", 24, 60);
        stabs(s, at, cs, "..x...x...x..x.x", 24);
    }
    pump(s, t, 2 * POS, 30);
    phrase(s, t, LEADCH, LEAD, 52, themerun);
    phrase(s, t + POS, LEADCH, LEAD, 52, themeanswer);
    harmony(s, t, t + 2 * POS, cs, 28);
    echo(s, t, t + 2 * POS, 6, 40);

    // "TWISTED" at row 57, "LIKE SISTER" at row 127 of position 23.
    stab(s, t + 56, cs[1], 52);
    stab(s, t + 126, cs[3], 52);
}
