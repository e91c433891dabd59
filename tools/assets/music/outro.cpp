// Positions 25-27, the closing scene: the beat thins out to hats, the bell
// plays the hook once more, and a last A minor fades out by row 45 of
// position 27, where the demo ends.
#include "parts.h"
#include "samples.h"
#include "sections.h"

void outro(Score& s)
{
    const int t = 25 * POS;
    crash(s, t, 52);
    s.note(t, FXCH, IMPACT, 60, 48);
    hush(s, t);
    for (int b = 0; b < 4; b++) {
        if (b < 2)
            s.hits(t + b * BAR, KICKCH, KICK, 52 - 12 * b, "x...x...x...x...");
        s.hits(t + b * BAR, HATCH, HATC, 30 - 4 * b, "o,.,o,.,o,.,o,.,");
        s.hits(t + b * BAR, OHATCH, HATO, 20 - 3 * b, "..x...x...x...x.");
    }
    pads(s, t, chords("Am F C G"), 26);
    pads(s, t + POS, chords("F G Am"), 26);
    bassline(s, t, chords("Am F C G F G Am"), "r...............", 40, SUB);
    arp(s, t, chords("Am F"), "0.2.4.2.0.2.4.2.", 14, 60);
    phrase(s, t, HARMCH, BELL, 36, themecall);
    s.line(t + POS, HARMCH, BELL, 34, "C5 - - A4 - - - - A4 - C5 - F5 - E5 -");
    s.line(t + POS + BAR, HARMCH, BELL, 32, "D5 - - B4 - - - - G4 - A4 - B4 - D5 -");
    s.line(t + POS + 2 * BAR, HARMCH, BELL, 30, "E5 - - - - - - - _ _ _ _ _ _ _ _");
    echo(s, t, t + POS + 3 * BAR, 6, 50, HARMCH);

    // The last chord rings from row 0 of position 27 and is gone by row 45.
    const int end = 27 * POS;
    s.note(end, HARMCH, BELL, 69, 34);
    s.note(end, CRASHCH, CRASH, 60, 30);
    s.note(end, BASSCH, SUB, 33, 40);
    for (int r = 8; r < 44; r++)
        s.effect(end + r, BASSCH, 'D', 2);
    s.cut(end + 44, BASSCH);
    padsoff(s, end + 8, 36);
}
