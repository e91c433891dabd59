// Demo runtime: start-up, shared tables, pictures, frame clock, timeline,
// backgrounds, timed texts and the clock/music seam.
#pragma once

#include <SDL.h>
#include <string>

// The ARM build runs its timeline 16 pattern rows behind the song.
#ifndef DEMOTIME_OFFSET
#define DEMOTIME_OFFSET 0
#endif

// --- Shared surfaces and scalars (pictures.cpp, tables.cpp) ---------------
extern SDL_Surface* screen;
extern SDL_Surface* distlens; // 128 x 128 scratch of the lens, made before main
extern SDL_Surface* tempbuff; // 320 x 240 scratch of the scrollers, made before main
extern int size;              // screen pixels: every full-screen pass runs over it
extern double PI;             // twelve decimals on purpose: the tables start here

// Pictures, converted to the screen's pixel format once at load.
extern SDL_Surface *fontti, *flare1, *flare2, *flare3, *greenbg, *groovy, *delorean, *mirv,
    *backfont, *quorvastlogo, *logo1988, *warpbg, *afro, *sidekick, *torus, *psyke;

// --- Tables built at start-up (tables.cpp) ---------------------------------
extern int ymult[321], tmult[257], yintf[513];
extern int sini[629], kosi[629];
extern int scrl1[419], scrl2[419], scrl3[419];
extern int rotosin[629], rotocos[629];
extern int deloreanwarp[256];
extern int bigfontwidth[96], backfontwidth[96];

void buildtables(); // start-up steps 9 to 13

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

// Standard error goes to /dev/null for the lifetime of one of these
// (quiet.cpp): around library calls that print lines of their own.
class Stderrmuted
{
  public:
    Stderrmuted();
    ~Stderrmuted();
    Stderrmuted(const Stderrmuted&) = delete;
    Stderrmuted& operator=(const Stderrmuted&) = delete;

  private:
    int saved;
};

// --- Pictures (pictures.cpp) -----------------------------------------------
// Loads the sixteen pictures in their order, converting each to the format
// of `screen`. Returns "" or one line naming the file and what is wrong; on
// failure the bad picture and those after it are not loaded (null).
std::string loadpictures();
// One of them, 0 to PICTURES - 1 in load order, in place of what it held.
constexpr int PICTURES = 16;
std::string loadpicture(int i);

// --- Clock and timeline (render.cpp, timeline.cpp) -------------------------
extern int last_tick, demotime, demotimeoffset, ao, clearr, framepierr, framedelay, quit;
extern int xr, yr, offsetx, offsety, offsetz;
extern int scrlpos1, scrlpos2, scrlpos3;
extern int ang1, ang2, ix1, iy1, ix2, iy2;
extern int lensx, lensy, lensxx;
extern double lensyy;
extern int roto;
extern int tw1, tw2;
extern unsigned twsin1, twsin2;
extern int efxc;

// a + b, wrapping past the ends of int instead of overflowing: for the
// counters that grow for as long as the demo runs or a scene stalls.
inline int wrapadd(int a, int b)
{
    return static_cast<int>(static_cast<unsigned>(a) + static_cast<unsigned>(b));
}

void render();    // one turn of the frame protocol
void tick();      // one 50 ms step of the clocks and the timeline
void drawframe(); // the drawing pass, in its fixed order

// --- Drawing steps of this subsystem ---------------------------------------
void drawbackgrounds();                        // clear and the full-screen pictures of the pass
void drawtexts1();                             // afro/sidekick words over the car, the closing word
void drawtexts2();                             // the later words, last thing of the frame
void overlaykeyed(const SDL_Surface* picture); // 0xFFFF shows the scene through

// --- Main loop events (events.cpp) -----------------------------------------
// Drains the event queue; returns 1 when the user asked to quit.
int pollevents();

// --- The clock/music seam ---------------------------------------------------
// Four calls through which the frame protocol meets the outside world. The
// demo defines them over SDL and libmikmod, demo-replay and the tests over a
// scripted clock and song position.
unsigned clockticks();
void clocksleep(unsigned ms);
void musicupdate();
void songposition(int* pos, int* row);
