// The demo: SDL's window, clock and events, libmikmod's player, and the
// library's start-up and frame loop.
#include <mikmod.h>

#include <cstdio>
#include <cstdlib>

#include "datadir.h"
#include "options.h"
#include "sequencer/sequencer.h"
#include "window.h"

namespace
{

[[noreturn]] void fail(const char* format, const char* reason)
{
    fprintf(stderr, format, reason);
    exit(1);
}

} // namespace

unsigned clockticks() { return SDL_GetTicks(); }
void clocksleep(unsigned ms) { SDL_Delay(ms); }
void musicupdate() { MikMod_Update(); }
void songposition(int* pos, int* row)
{
    *pos = module->sngpos;
    *row = module->patpos;
}

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
    screen = SDL_SetVideoMode(SCREEN_W, SCREEN_H, 16, videoflags(options.fullscreen));
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
    std::string nomodule = loadmodule();
    if (!nomodule.empty())
        fail("%s\n", nomodule.c_str());

    std::string bad = startup();
    if (!bad.empty())
        fail("%s\n", bad.c_str());
    Player_Start(module);

    // A song that stops short of the timeline's end ends the demo as the
    // timeline would.
    while (!quit && Player_Active()) {
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
