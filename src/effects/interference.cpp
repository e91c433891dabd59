// Interference circles.
#include "effects/effects.h"

void drawinterference() {}
