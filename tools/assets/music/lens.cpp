// Position 15, the lens: the breakdown. Pads, a sub bass and the bell over
// F G Am E while the lens bounces; when it drops (row 80) the kick comes
// back and a short riser and a snare build lead into the rotozoomer.
#include "parts.h"
#include "samples.h"
#include "sections.h"

void lens(Score& s)
{
    const int t = 15 * POS;
    auto cs = chords("F G Am E");
    hush(s, t);
    crash(s, t, 48);
    s.note(t, FXCH, IMPACT, 60, 48);
    pads(s, t, cs, 30);
    bassline(s, t, cs, "r...............", 44, SUB);
    s.line(t, HARMCH, BELL, 36, "A5 - - - - - G5 - A5 - - - C6 - - -");
    s.line(t + BAR, HARMCH, BELL, 36, "B5 - - - - - A5 - G5 - - - D5 - - -");
    s.line(t + 2 * BAR, HARMCH, BELL, 36, "C6 - - - - - B5 - A5 - - - _ _ _ _");
    echo(s, t, t + 3 * BAR, 6, 50, HARMCH);

    // The drop of the lens, at row 80.
    const int drop = t + 80;
    s.note(drop, TOMCH, TOM, 45, 50);
    s.note(drop, FXCH, RISER, 72, 44); // twice as fast: 2.88 s, to the downbeat
    s.hits(drop, KICKCH, KICK, 52, "x...x...x...x...x...x...");
    arp(s, t + 2 * BAR, {cs[2]}, "........01234321", 16, 57);
    arp(s, t + 3 * BAR, {cs[3]}, "0123432101234321", 16, 57);
    s.ramp(drop, t + POS - STEP, ARPCH, 16, 34);
    bassline(s, t + 3 * BAR, {cs[3]}, "r.r.r.r.r.r.r.r.", 36, BASS);
    fill(s, t + 3 * BAR, BUILD);
}
