// The ring bitmap and motion paths of the interference scene.
#include "effects/effects.h"

int interf[262144];
int px0[157], py0[157], px1[105];

void init_interference() {}
