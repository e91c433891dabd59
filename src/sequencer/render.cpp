// The frame clock: 50 ms ticks of the wall clock, one drawing pass per call
// that finds a tick due, the scene chosen by the song position.
#include "sequencer/sequencer.h"

int demotimeoffset = DEMOTIME_OFFSET;

void render()
{
    if (SDL_LockSurface(screen) < 0)
        return;
    // Signed on purpose: last_tick starts at -1.
    int now = static_cast<int>(clockticks());
    if (now <= last_tick) {
        clocksleep(1);
        SDL_UnlockSurface(screen);
        return;
    }
    musicupdate();
    int pos, row;
    songposition(&pos, &row);
    demotime = pos * 128 + row + demotimeoffset;
    // Time that has passed is worked off in whole ticks, all with the same
    // demotime, so motion keeps wall-clock speed when frames are slow.
    while (last_tick < now)
        tick();
    drawframe();
    // Every lock is released, even where SDL_MUSTLOCK says a software screen
    // needs none: sdl12-compat counts the locks and does not present a
    // screen that is still locked, so the window would stay black.
    SDL_UnlockSurface(screen);
    SDL_UpdateRect(screen, 0, 0, SCREEN_W, SCREEN_H);
}
