// Lens over the picture.
#include "effects/effects.h"

void drawlens() {}
