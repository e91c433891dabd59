// The base every layer stands on: the screen and the work surfaces, the
// shared tables and the pictures. Nothing here draws.
#pragma once

#include <SDL.h>

#include <string>

// The screen, every full-screen picture and the scrollers' work surface are
// SCREEN_W x SCREEN_H pixels of 16 bits (RGB565), addressed as flat arrays
// in rows of SCREEN_W.
constexpr int SCREEN_W = 320;
constexpr int SCREEN_H = 240;

// --- Surfaces (screen.cpp) --------------------------------------------------
extern SDL_Surface* screen;   // set by the host before start-up
extern SDL_Surface* distlens; // 128 x 128 scratch of the lens, made before main
extern SDL_Surface* tempbuff; // 320 x 240 scratch of the scrollers, made before main
extern int size;              // screen pixels: every full-screen pass runs over it

// --- Tables built at start-up (tables.cpp) ---------------------------------
extern double PI; // twelve decimals on purpose: the tables start here
extern int ymult[321], yintf[513];
extern int sini[629], kosi[629];
extern int scrl1[419], scrl2[419], scrl3[419];
extern int rotosin[629], rotocos[629];
extern int deloreanwarp[256];
extern int bigfontwidth[96], backfontwidth[96];

// Row tables, angle tables, scroller waves, the car's wobble and the font
// widths; also clears tempbuff.
void buildtables();

// --- Pictures (pictures.cpp) -----------------------------------------------
// Converted to the format of `screen` once at load.
extern SDL_Surface *fontti, *flare1, *flare2, *flare3, *greenbg, *groovy, *delorean, *mirv,
    *backfont, *quorvastlogo, *logo1988, *warpbg, *afro, *sidekick, *torus, *psyke;

// Loads the sixteen pictures in their order, converting each to the format
// of `screen`. Returns "" or one line naming the file and what is wrong; on
// failure the bad picture and those after it are not loaded (null).
std::string loadpictures();
// One of them, 0 to PICTURES - 1 in load order, in place of what it held;
// its file ("data/….png") and its surface (null unless loaded).
constexpr int PICTURES = 16;
std::string loadpicture(int i);
const char* picturefile(int i);
const SDL_Surface* picturesurface(int i);

// --- Quiet library calls (quiet.cpp) ------------------------------------------
// Standard error goes to /dev/null for the lifetime of one of these: around
// library calls that print lines of their own.
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
