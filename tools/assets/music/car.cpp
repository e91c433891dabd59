// Positions 2-4, the car scenes: the drop, the full beat and the hook. Its
// call, its answer (with stabs under "LETS GO !" and "YEAH"), then the call
// in runs. At row 112 of position 4 the screen goes black: the band stops
// on an impact and a chip line leads into the 1988 picture.
#include "parts.h"
#include "samples.h"
#include "sections.h"

void carscenes(Score& s)
{
    const int t = 2 * POS;
    auto cs = chords("Am F C G");
    // The slow rows run on through the drop's first bar, so that the car
    // lands on the ARM build too, whose fly-in falls on rows 1 to 16 here;
    // the second bar picks up the tempo again.
    s.effect(t + BAR, FXCH, 'A', 3);
    crash(s, t, 56);
    s.note(t, FXCH, IMPACT, 60, 40);

    drums(s, t, 4, house);
    drums(s, t + POS, 4, drive);
    drums(s, t + 2 * POS, 3, drive);
    s.hits(t + 2 * POS + 3 * BAR, KICKCH, KICK, 64, "x...x...");
    s.hits(t + 2 * POS + 3 * BAR, CLAPCH, CLAP, 56, "....x...");
    s.hits(t + 2 * POS + 3 * BAR + 8, SNARECH, SNARE, 48, "o,ox");
    fill(s, t + 3 * BAR, SNARES);
    fill(s, t + POS + 3 * BAR, TOMS);
    crash(s, t + POS, 44);
    crash(s, t + 2 * POS, 44);

    for (int p = 0; p < 3; p++) {
        int at = t + p * POS;
        pads(s, at, cs, 20);
        bassline(s, at, cs, "^rRr^rRr^rRr^rRr", 44, BASS);
        arp(s, at, cs, "0123432101234321", p == 0 ? 18 : 24, 57);
    }
    pump(s, t, 3 * POS - 24, 28); // up to the fade before the black
    phrase(s, t, LEADCH, LEAD, 50, themecall);
    phrase(s, t + POS, LEADCH, LEAD, 50, themeanswer);
    phrase(s, t + 2 * POS, LEADCH, LEAD, 50, themerun);
    echo(s, t, t + 3 * POS - BAR / 2, 6, 40);

    // "LETS GO !" at row 17 and "YEAH" at row 77 of position 3.
    stab(s, t + POS + 16, cs[0], 48);
    stab(s, t + POS + 76, cs[2], 48);

    // The black half bar.
    const int stop = t + 2 * POS + 112;
    s.note(stop, FXCH, IMPACT, 60, 52);
    crash(s, stop, 40);
    for (int ch : {BASSCH, LEADCH, ARPCH}) {
        s.clear(stop, stop + 16, ch);
        s.cut(stop, ch);
    }
    padsoff(s, stop - 8, 8);
    s.line(stop, HARMCH, CHIP, 30, "G4 - C5 - E5 - G5 -");
}
