// Polished metal for lettering: a bevel from the distance field, a mirror
// of an imagined sky-and-ground reflected in it, and a sharp specular glint.
#pragma once

#include "canvas.h"
#include "lettering.h"

struct Metal {
    Ramp env;          // what the faces reflect, top (0) to bottom (1) of the letters
    double bevel;      // width of the rounded edge, pixels
    double bend = 0.5; // how far a tilted face shifts its reflection
    Col glint{1, 1, 1};
};

Fill chrome(const Lettering& l, const Metal& m);

// The classic chrome: sky blue to white above a hard horizon, brown earth
// warming to a pale glow below.
Ramp chromesky();
