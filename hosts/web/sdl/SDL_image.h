// IMG_Load of the browser build's SDL subset: PNG files, decoded with
// libpng into 24-bit RGB surfaces (never by the browser, which may
// colour-manage them).
#pragma once

#include "SDL.h"

SDL_Surface* IMG_Load(const char* file);
