#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>

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

const std::string& demoalone()
{
    static std::string program;
    if (program.empty()) {
        namespace fs = std::filesystem;
        fs::path dir = fs::temp_directory_path() / ("demo-alone-" + std::to_string(getpid()));
        fs::create_directories(dir);
        program = (dir / fs::path(DEMO_BIN).filename()).string();
        fs::copy_file(DEMO_BIN, program, fs::copy_options::overwrite_existing);
        // Removed with the process; the copy is small.
        static struct Cleanup {
            fs::path dir;
            ~Cleanup() { fs::remove_all(dir); }
        } cleanup{dir};
    }
    return program;
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
