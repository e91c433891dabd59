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
// failure nothing after the bad picture has been loaded.
std::string loadpictures();
