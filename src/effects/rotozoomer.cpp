// Rotozoomer.
#include "effects/effects.h"

void drawrotozoomer() {}
