#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstring>

#include "sequencer/sequencer.h"
#include "support.h"

SDL_Surface* makesurface(int w, int h)
{
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 16, 0xF800, 0x07E0, 0x001F, 0);
    memset(s->pixels, 0, size_t(s->pitch) * h);
    return s;
}

namespace
{

// The demo's own start-up, run once per process in the build's run
// directory, where the pictures are.
std::string startedup = "not tried";

} // namespace

void setupscreen()
{
    if (!screen)
        screen = makesurface(SCREEN_W, SCREEN_H);
    memset(screen->pixels, 0, SCREEN_W * SCREEN_H * 2);
    if (startedup == "not tried") {
        char cwd[4096];
        if (!getcwd(cwd, sizeof cwd) || chdir(DEMO_RUN_DIR) != 0) {
            startedup = "cannot enter " DEMO_RUN_DIR;
            return;
        }
        startedup = startup();
        if (chdir(cwd) != 0)
            startedup = "cannot go back to the working directory";
    }
}

std::string loadrunpictures()
{
    setupscreen();
    return startedup;
}

void resetclock()
{
    resettimeline();
    fakenow = 0, fakepos = fakerow = 0, fakesleeps = fakeupdates = 0;
    // The tests speak in song positions and rows; only the ARM build's own
    // offset test and the parity test run with its -16.
    demotimeoffset = 0;
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
