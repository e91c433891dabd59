// The start-up every host runs once its screen exists.
#include "effects/effects.h"
#include "scene3d/scene3d.h"
#include "sequencer/sequencer.h"

std::string startup()
{
    if (!distlens || !tempbuff)
        return std::string("Could not create work surfaces: ") + SDL_GetError();
    buildtables();
    std::string bad = loadpictures();
    if (!bad.empty())
        return bad;
    findkeyedrows();
    init_twist();
    init_interference();
    init_lens();
    resettimeline();
    return "";
}
