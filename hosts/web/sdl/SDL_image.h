// IMG_Load of the browser build's SDL subset: PNG files, decoded with
// libpng into 24-bit RGB surfaces (never by the browser, which may
// colour-manage them).
#pragma once

#include "SDL.h"

SDL_Surface* IMG_Load(const char* file);

// The same from a memory source, which it frees when freesrc is not 0.
SDL_Surface* IMG_Load_RW(SDL_RWops* src, int freesrc);
