// What the capture's seam reads: set by main before the first render().
#pragma once

#include <mikmod.h>

class Recorder;
extern Recorder* recorder;
