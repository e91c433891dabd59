// Twister.
#include "effects/effects.h"

void drawtwister() {}
