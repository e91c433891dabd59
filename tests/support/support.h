// Helpers shared by the test suites.
#pragma once

#include <SDL.h>

#include <string>
#include <vector>

// The scripted seam: what the clock reads, where the song stands, and what
// render() asked of the platform.
extern unsigned fakenow;
extern int fakepos, fakerow;
extern int fakesleeps, fakeupdates;

// A 16-bit RGB565 software surface, cleared to 0.
SDL_Surface* makesurface(int w, int h);
inline Uint16* pixels(SDL_Surface* s) { return static_cast<Uint16*>(s->pixels); }

// Gives the demo a fresh 320 x 240 screen (cleared to 0) and, once per
// process, runs the demo's start-up in the build's run directory: tables,
// pictures, effect tables, the timeline's starting state.
void setupscreen();

// setupscreen(), then "" or why the start-up failed (a picture, say).
std::string loadrunpictures();

// The timeline's starting state (the demo's own reset), the scripted seam
// at zero, and a demotime offset of 0.
void resetclock();

// The demo program copied into a directory of its own, once per process: it
// finds no data beside itself, so it reads only its working directory's.
const std::string& demoalone();

// Runs a program and captures its standard error and exit status.
struct RunResult {
    int status;
    std::string err;
};
RunResult runprogram(const std::string& command);
