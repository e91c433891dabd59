// How the 320 x 240 screen is shown on a desktop: scaled by a whole factor
// with nearest-neighbour sampling, and switched between window and full
// screen. Only the presentation changes: the program still draws into a
// 320 x 240, 16-bit surface.
#pragma once

#include <SDL.h>

// The largest whole factor at which a w x h picture fits a desktop of
// deskw x deskh, leaving a tenth of each side for panels and the window's
// frame; at least 1, and 1 when the desktop's size is unknown (0).
int fitfactor(int w, int h, int deskw, int deskh);

// Before SDL_Init: sdl12-compat reads its scaling method only there. Keeps
// the user's own SDL12COMPAT_SCALE_METHOD.
void choosescalemethod();

// After SDL_Init, before the first SDL_SetVideoMode: sets the window's factor
// to `scale`, or, when that is 0 and the user has not set
// SDL12COMPAT_WINDOW_SCALING, to the factor that fits the desktop.
void choosewindowscale(int scale);

// The flags for SDL_SetVideoMode.
Uint32 videoflags(bool fullscreen);

// Catches the released F11 and Alt+Enter before the main loop sees them.
void watchfullscreenkeys();

// After each drain of the event queue: switches between window and full
// screen if one of those keys was released since the last call.
void applyfullscreenkeys(SDL_Surface* screen);
