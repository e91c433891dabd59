// The timeline's state as one line of names and values: what demo-replay
// prints for `state`, and what the snapshots record of every frame.
#include <cstdio>

#include "effects/effects.h"
#include "scene3d/scene3d.h"
#include "sequencer/sequencer.h"

std::string stateline()
{
    char line[512];
    snprintf(line, sizeof line,
             "d=%d ao=%d clearr=%d last_tick=%d framepierr=%d framedelay=%d quit=%d xr=%d yr=%d "
             "offsetx=%d offsety=%d offsetz=%d scrlpos1=%d ang1=%d ang2=%d lensx=%d lensy=%d "
             "roto=%d tw1=%d tw2=%d",
             demotime, static_cast<int>(ao), clearr, last_tick, framepierr, framedelay, quit, xr,
             yr, offsetx, offsety, offsetz, scrlpos1, ang1, ang2, lensx, lensy, roto, tw1, tw2);
    return line;
}
