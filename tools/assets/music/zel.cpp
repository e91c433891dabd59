// The song as a whole: its hook, and the order of its sections.
#include "samples.h"
#include "sections.h"

// Syncopated 3 + 3 + 2: the hook's rhythm, kept wherever it comes back.
const char* const themecall[4] = {
    "E5 - - E5 - - D5 - E5 - - - C5 - D5 -", // Am
    "C5 - - A4 - - - - A4 - C5 - F5 - E5 -", // F
    "E5 - - E5 - - D5 - E5 - - - G5 - E5 -", // C
    "D5 - - B4 - - - - G4 - A4 - B4 - D5 -", // G
};
const char* const themeanswer[4] = {
    "E5 - - E5 - - D5 - E5 - - - C5 - D5 -", // Am
    "C5 - - A4 - - - - A4 - C5 - F5 - G5 -", // F
    "A5 - - G5 - - E5 - G5 - - - C6 - B5 -", // C
    "B5 - - G5 - - D5 - - - - - . _ _ _",    // G
};
const char* const themerun[4] = {
    "E5 - - E5 - - D5 - E5 G5 A5 G5 E5 - D5 -", // Am
    "C5 - - A4 - - C5 - F5 - E5 - C5 - A4 -",   // F
    "E5 - - E5 - - D5 - E5 G5 C6 B5 G5 - E5 -", // C
    "D5 - - B4 - - D5 - G5 - F5 - D5 - B4 -",   // G
};

int phrase(Score& s, int t, int ch, int sample, int volume, const char* const bars[4])
{
    for (int b = 0; b < 4; b++)
        t = s.line(t, ch, sample, volume, bars[b]);
    return t;
}

ItSong composezel()
{
    Score s;
    s.song.samples = makesamples();
    intro(s);
    buildup(s);
    carscenes(s);
    retrobreak(s);
    scrollers(s);
    interference(s);
    lens(s);
    rotozoomer(s);
    rings(s);
    twister(s);
    outro(s);
    // libmikmod ignores the mixing volume; other players scale by it. 64
    // brings them to the loudness libmikmod plays at.
    s.song.mixvolume = 64;
    return s.song;
}
