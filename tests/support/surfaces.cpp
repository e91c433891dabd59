#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstring>

#include "effects/effects.h"
#include "runtime/runtime.h"
#include "scene3d/scene3d.h"
#include "support.h"

SDL_Surface* makesurface(int w, int h)
{
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 16, 0xF800, 0x07E0, 0x001F, 0);
    memset(s->pixels, 0, size_t(s->pitch) * h);
    return s;
}

void setupscreen()
{
    static bool built;
    if (!screen)
        screen = makesurface(320, 240);
    memset(screen->pixels, 0, 320 * 240 * 2);
    if (!built) {
        buildtables();
        init_twist();
        init_interference();
        init_lens();
        built = true;
    }
}

std::string loadrunpictures()
{
    static std::string loaded = "not tried";
    if (loaded == "not tried") {
        char cwd[4096];
        if (!getcwd(cwd, sizeof cwd) || chdir(DEMO_RUN_DIR) != 0)
            return loaded = "cannot enter " DEMO_RUN_DIR;
        loaded = loadpictures();
        if (chdir(cwd) != 0)
            return loaded = "cannot go back to the working directory";
    }
    return loaded;
}

void resetclock()
{
    last_tick = -1;
    demotime = 0;
    ao = clearr = framepierr = framedelay = quit = 0;
    xr = 1, yr = 400, offsetx = 160, offsety = 320, offsetz = -170;
    scrlpos1 = 350, scrlpos2 = 450, scrlpos3 = 500;
    ang1 = ang2 = ix1 = iy1 = ix2 = iy2 = 0;
    lensx = lensy = 0, lensxx = 5, lensyy = 0.0;
    roto = 157;
    tw1 = tw2 = 1, twsin1 = 0, twsin2 = 3, efxc = 0;
    fakenow = 0, fakepos = fakerow = 0, fakesleeps = fakeupdates = 0;
    // The tests speak in song positions and rows; only the ARM build's own
    // offset test and the parity test run with its -16.
    demotimeoffset = 0;
    resetorder();
}

RunResult runprogram(const std::string& command)
{
    RunResult r{-1, ""};
    FILE* p = popen((command + " 2>&1 >/dev/null").c_str(), "r");
    if (!p)
        return r;
    std::array<char, 512> buf;
    while (fgets(buf.data(), buf.size(), p))
        r.err += buf.data();
    int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return r;
}
