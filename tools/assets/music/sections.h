// The sections of the song, each written against the scenes it plays under.
// Times are timeline rows (position x 128 + row).
#pragma once

#include "score.h"

void intro(Score& s);        // 0: blank scene
void buildup(Score& s);      // 1: logo, then the car flies in
void carscenes(Score& s);    // 2-4: car fly-in and warp
void retrobreak(Score& s);   // 5-6: the 1988 picture
void scrollers(Score& s);    // 7-10
void interference(Score& s); // 11-14
void lens(Score& s);         // 15
void rotozoomer(Score& s);   // 16-18
void rings(Score& s);        // 19-22
void twister(Score& s);      // 23-24
void outro(Score& s);        // 25-27: closing scene

// Theme A, the song's hook over Am F C G: a call and its answer, one string
// a bar, and the call again with its long notes broken into runs.
extern const char* const themecall[4];
extern const char* const themeanswer[4];
extern const char* const themerun[4];
// Four bars of a theme from t; returns the time after them.
int phrase(Score& s, int t, int ch, int sample, int volume, const char* const bars[4]);

// The whole song: samples, patterns and playback settings.
ItSong composezel();
