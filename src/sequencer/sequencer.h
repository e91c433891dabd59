// The sequencer at the top of the library: the start-up, the frame clock,
// the timeline that maps the song position to a scene and moves the scene
// parameters, the drawing pass, the full-screen backgrounds, the timed
// words, the event drain, and the clock/music seam every host defines.
#pragma once

#include <string>

#include "base/base.h"

// The ARM build runs its timeline 16 pattern rows behind the song.
#ifndef DEMOTIME_OFFSET
#define DEMOTIME_OFFSET 0
#endif

// The scene codes. The values are the ones the state line prints.
enum class Scene : int {
    none = 0, // before the first tick
    blank = -100,
    logo = -101,
    flyin = -104, // the car flies in over green
    warp = -105,  // the car wobbles over the scrolling warp
    logo1988 = -106,
    scrollers = -5,
    interference = -120,
    lens = -20,
    rotozoomer = -21,
    rings = -160,
    twister = -150,
    closing = -180, // the closing word on black
};

// --- Start-up (startup.cpp) ---------------------------------------------------
// The whole start-up once the host has set `screen`: the work surfaces'
// check, the tables, the pictures, the effect tables and the timeline's
// starting state. Returns "" or the one line to print before exiting with
// status 1.
std::string startup();

// --- The soundtrack (module.cpp) ---------------------------------------------
// The first demotime past the timeline: a tick that sees it ends the demo.
constexpr int DEMOTIME_END = 3501;

// The song, loaded by loadmodule() and played by the host.
extern struct MODULE* module;

// Loads "zel.it" with MikMod, which the host has initialised with the driver
// of its choice, and checks that a straight run through the song reaches
// DEMOTIME_END at the build's offset. Returns "" or the one line
// "Could not load module, reason: ..."; on failure `module` is null.
std::string loadmodule();

// --- Clock and timeline (render.cpp, timeline.cpp) -----------------------------
// demotime: song position x 128 + row + demotimeoffset, read once a frame.
// framepierr counts ticks, framedelay counts them modulo 21; clearr asks the
// pass to clear the screen first; quit ends the demo.
extern int last_tick, demotime, demotimeoffset, clearr, framepierr, framedelay, quit;
extern Scene ao;

// Puts the clock, the scene and every scene parameter back to where they
// stand before the first frame: the one definition of the starting state.
// demotimeoffset is left as the host set it.
void resettimeline();

// d=… ao=… clearr=… last_tick=… and the scene parameters, one line.
std::string stateline();

// a + b, wrapping past the ends of int instead of overflowing: for the
// counters that grow for as long as the demo runs or a scene stalls.
inline int wrapadd(int a, int b)
{
    return static_cast<int>(static_cast<unsigned>(a) + static_cast<unsigned>(b));
}

void render();    // one turn of the frame protocol
void tick();      // one 50 ms step of the clocks and the timeline
void drawframe(); // the drawing pass, every scene decision in its fixed order

// --- Drawing steps of the sequencer (backgrounds.cpp, texts.cpp) --------------
void clearscreen();
void copyscreen(const SDL_Surface* picture);   // a full-screen picture as it is
void drawwarp(int ticks);                      // the warp picture, moved with the ticks
void drawtexts1();                             // afro/sidekick words over the car
void drawtexts2();                             // the later words, last thing of the frame
void drawclosing();                            // the closing word
void overlaykeyed(const SDL_Surface* picture); // 0xFFFF shows the scene through
void findkeyedrows(); // where afro's and sidekick's rows are not the key (start-up)

// --- Main loop events (events.cpp) -------------------------------------------
// Drains the event queue; returns 1 when the user asked to quit.
int pollevents();

// --- The clock/music seam ---------------------------------------------------
// Four calls through which the frame protocol meets the outside world. Each
// host defines them: the demo over SDL and libmikmod, demo-replay and the
// tests over a scripted clock and song position.
unsigned clockticks();
void clocksleep(unsigned ms);
void musicupdate();
void songposition(int* pos, int* row);
