// The demo's entry: start-up, the main loop, and the clock/music seam over
// SDL and libmikmod.
#include <mikmod.h>

#include <cstdio>
#include <cstdlib>

#include "datadir.h"
#include "options.h"
#include "window.h"

#include "effects/effects.h"
#include "runtime/runtime.h"
#include "scene3d/scene3d.h"

MODULE* module;

unsigned clockticks() { return SDL_GetTicks(); }
void clocksleep(unsigned ms) { SDL_Delay(ms); }
void musicupdate() { MikMod_Update(); }
void songposition(int* pos, int* row)
{
    *pos = module->sngpos;
    *row = module->patpos;
}

namespace
{

[[noreturn]] void fail(const char* format, const char* reason)
{
    fprintf(stderr, format, reason);
    exit(1);
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (auto status = parseoptions({argv + 1, argv + argc}, options))
        return *status;
    choosescalemethod();
    if (SDL_Init(SDL_INIT_VIDEO) < 0)
        fail("Unable to init SDL: %s\n", SDL_GetError());
    atexit(SDL_Quit);
    choosewindowscale(options.scale);
    screen = SDL_SetVideoMode(320, 240, 16, videoflags(options.fullscreen));
    if (!screen)
        fail("Unable to set video: %s\n", SDL_GetError());
    SDL_ShowCursor(SDL_DISABLE);
    watchfullscreenkeys();

    MikMod_RegisterAllDrivers();
    MikMod_RegisterAllLoaders();
    md_mode |= DMODE_SOFT_MUSIC;
    if (MikMod_Init(""))
        fail("Could not initialize sound, reason: %s\n", MikMod_strerror(MikMod_errno));
    enterdatadir();
    module = Player_Load("zel.it", 64, 0);
    if (!module)
        fail("Could not load module, reason: %s\n", MikMod_strerror(MikMod_errno));

    if (!distlens || !tempbuff)
        fail("Could not create work surfaces: %s\n", SDL_GetError());
    buildtables();
    std::string bad = loadpictures();
    if (!bad.empty())
        fail("%s\n", bad.c_str());
    resetorder();
    init_twist();
    init_interference();
    init_lens();
    Player_Start(module);

    while (!quit) {
        render();
        if (pollevents())
            return 0;
        applyfullscreenkeys(screen);
    }
    Player_Stop();
    Player_Free(module);
    MikMod_Exit();
    return 0;
}
