// Positions 5-6, the 1988 picture: the band steps back into an 8-bit game.
// A pulse lead, triangle bass and J-command arpeggios at 50 per second over
// C Am F G, with the hook's rhythm in the second half.
#include "parts.h"
#include "samples.h"
#include "sections.h"

namespace
{

const char* const chipcall[4] = {
    "C5 - E5 - G5 - E5 - C6 - - - G5 - - -", // C
    "A5 - - - E5 - C5 - E5 - A5 - - - G5 -", // Am
    "F5 - - - A5 - - - C6 - - - A5 - F5 -",  // F
    "G5 - B5 - D6 - B5 - G5 - - - - - . _",  // G
};
// The answer takes the hook's rhythm.
const char* const chipanswer[4] = {
    "G5 - - G5 - - E5 - G5 - - - C6 - B5 -",  // C
    "A5 - - - - - E5 - A5 - - - C6 - - -",    // Am
    "C6 - - A5 - - F5 - A5 - - - C6 - D6 -",  // F
    "B5 - - G5 - - D5 - G5 - A5 - B5 - D6 -", // G
};

} // namespace

void retrobreak(Score& s)
{
    const int t = 5 * POS;
    auto cs = chords("C Am F G");
    hush(s, t);
    drums(s, t, 8, retro, 56);
    fill(s, t + POS + 3 * BAR, TOMS);
    for (int p = 0; p < 2; p++) {
        chiparp(s, t + p * POS, cs, "x...x...x...x.x.", 22);
        bassline(s, t + p * POS, cs, "r.R.r.R.r.R.r.Rr", 44, TRI);
    }
    phrase(s, t, LEADCH, CHIP, 38, chipcall);
    phrase(s, t + POS, LEADCH, CHIP, 38, chipanswer);
    echo(s, t, t + 2 * POS - BAR / 2, 6, 35);
}
