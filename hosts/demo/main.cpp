// The demo: SDL's window, clock and events, libmikmod's player, and the
// library's start-up and frame loop.
#include <mikmod.h>

#include <cstdio>
#include <cstdlib>

#include "sequencer/sequencer.h"

namespace
{

MODULE* module;

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

int main()
{
    if (SDL_Init(SDL_INIT_VIDEO) < 0)
        fail("Unable to init SDL: %s\n", SDL_GetError());
    atexit(SDL_Quit);
    screen = SDL_SetVideoMode(SCREEN_W, SCREEN_H, 16, 0);
    if (!screen)
        fail("Unable to set video: %s\n", SDL_GetError());
    SDL_ShowCursor(SDL_DISABLE);

    MikMod_RegisterAllDrivers();
    MikMod_RegisterAllLoaders();
    md_mode |= DMODE_SOFT_MUSIC;
    if (MikMod_Init(""))
        fail("Could not initialize sound, reason: %s\n", MikMod_strerror(MikMod_errno));
    module = Player_Load("zel.it", 64, 0);
    if (!module)
        fail("Could not load module, reason: %s\n", MikMod_strerror(MikMod_errno));

    std::string bad = startup();
    if (!bad.empty())
        fail("%s\n", bad.c_str());
    Player_Start(module);

    while (!quit) {
        render();
        if (pollevents())
            return 0;
    }
    Player_Stop();
    Player_Free(module);
    MikMod_Exit();
    return 0;
}
