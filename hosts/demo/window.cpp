// Window scaling and the full-screen switch over sdl12-compat. Its two
// variables are read at different moments: the scaling method at SDL_Init,
// the window's factor when the video mode is set.
#include "window.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace
{

// Set by the event filter, taken by applyfullscreenkeys(): the switch itself
// is made from the main loop, not from inside SDL's event pump.
int pendingswitches = 0;

bool isfullscreenkey(const SDL_KeyboardEvent& key)
{
    if (key.keysym.sym == SDLK_F11)
        return true;
    return key.keysym.sym == SDLK_RETURN && (key.keysym.mod & KMOD_ALT);
}

int filter(const SDL_Event* event)
{
    if (event->type != SDL_KEYUP && event->type != SDL_KEYDOWN)
        return 1;
    if (!isfullscreenkey(event->key))
        return 1;
    // The press is swallowed too: the release alone switches, like the
    // other keys act on release.
    if (event->type == SDL_KEYUP)
        pendingswitches++;
    return 0;
}

} // namespace

int fitfactor(int w, int h, int deskw, int deskh)
{
    int f = std::min(deskw * 9 / 10 / w, deskh * 9 / 10 / h);
    return std::max(f, 1);
}

void choosescalemethod() { setenv("SDL12COMPAT_SCALE_METHOD", "nearest", 0); }

void choosewindowscale(int scale)
{
    if (scale == 0) {
        if (getenv("SDL12COMPAT_WINDOW_SCALING"))
            return;
        // Before any video mode is set, the current mode is the desktop's.
        const SDL_VideoInfo* info = SDL_GetVideoInfo();
        scale = info ? fitfactor(320, 240, info->current_w, info->current_h) : 1;
    }
    setenv("SDL12COMPAT_WINDOW_SCALING", std::to_string(scale).c_str(), 1);
}

Uint32 videoflags(bool fullscreen) { return fullscreen ? SDL_FULLSCREEN : 0; }

void watchfullscreenkeys() { SDL_SetEventFilter(filter); }

void applyfullscreenkeys(SDL_Surface* screen)
{
    for (; pendingswitches > 0; pendingswitches--)
        SDL_WM_ToggleFullScreen(screen);
}
