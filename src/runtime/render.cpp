// The frame clock: 50 ms ticks of the wall clock, one drawing pass per call
// that finds a tick due, the scene chosen by the song position.
#include "effects/effects.h"
#include "runtime/runtime.h"
#include "scene3d/scene3d.h"

int last_tick = -1;
int demotime = 0;
int demotimeoffset = DEMOTIME_OFFSET;
int ao = 0;
int clearr = 0;
int framepierr = 0;
int framedelay = 0;
int quit = 0;

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
    SDL_UpdateRect(screen, 0, 0, 320, 240);
}

// Later steps draw over earlier ones.
void drawframe()
{
    drawbackgrounds();
    if (ao == -160)
        drawrings();
    if (ao == -104 || ao == -105)
        drawcar();
    drawtexts1();
    if (ao == -5)
        drawscrollers();
    if (ao == -20 || ao == -21)
        copymirv();
    if (ao == -120)
        drawinterference();
    if (ao == -21)
        drawrotozoomer();
    if (ao == -150)
        drawtwister();
    if (ao == -20)
        drawlens();
    drawtexts2();
}
