// Sine scrollers.
#include "effects/effects.h"

void drawscrollers() {}
int sinuss = 0;
