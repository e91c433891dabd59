// The frame clock: 50 ms ticks of the wall clock, one drawing pass per call
// that finds a tick due, the scene chosen by the song position.
#include "sequencer/sequencer.h"

int demotimeoffset = DEMOTIME_OFFSET;

namespace
{

// The clock is a 32-bit millisecond counter that wraps (SDL's does after
// 49.7 days), and last_tick wraps with it. A tick is due while the clock is
// ahead of the last tick by less than half the counter's range: across the
// wrap too, and for every clock reading the same as a plain signed
// comparison wherever that one is defined (last_tick starts at -1).
bool tickdue(unsigned now) { return static_cast<int>(now - static_cast<unsigned>(last_tick)) > 0; }

} // namespace

void render()
{
    if (SDL_LockSurface(screen) < 0)
        return;
    unsigned now = clockticks();
    if (!tickdue(now)) {
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
    while (tickdue(now))
        tick();
    drawframe();
    // Every lock is released, even where SDL_MUSTLOCK says a software screen
    // needs none: sdl12-compat counts the locks and does not present a
    // screen that is still locked, so the window would stay black.
    SDL_UnlockSurface(screen);
    SDL_UpdateRect(screen, 0, 0, SCREEN_W, SCREEN_H);
}
