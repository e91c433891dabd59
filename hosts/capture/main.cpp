// demo-capture: the whole demo, or a stretch of it, into a video file,
// frame-exact, with the sound libmikmod mixes on the way. The demo's own
// start-up and render() run against a virtual clock; see recorder.h.
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "encoder.h"
#include "mixdriver.h"
#include "options.h"
#include "progress.h"
#include "recorder.h"
#include "seam.h"
#include "sequencer/sequencer.h"

namespace fs = std::filesystem;

namespace
{

volatile sig_atomic_t interrupted = 0;
void oninterrupt(int) { interrupted = 1; }

// Files are written under a temporary name beside their final one and
// renamed when complete; whatever stops the run removes them.
std::string partial(const std::string& path) { return path + ".part"; }
std::string out, scriptfile;

void removepartials()
{
    std::error_code ec;
    if (!out.empty())
        fs::remove(partial(out), ec);
    if (!scriptfile.empty())
        fs::remove(partial(scriptfile), ec);
}

[[noreturn]] void fail(int status, const std::string& line, bool prefix = true)
{
    removepartials();
    fprintf(stderr, "%s%s\n", prefix ? "demo-capture: " : "", line.c_str());
    exit(status);
}

bool endswith(const std::string& s, const char* tail)
{
    std::string t = tail;
    return s.size() > t.size() && s.compare(s.size() - t.size(), t.size(), t) == 0;
}

// The demo's start-up after its video surface exists; its errors are the
// demo's own lines.
void startdemo(const Options& o)
{
    screen = SDL_CreateRGBSurface(SDL_SWSURFACE, SCREEN_W, SCREEN_H, 16, 0xF800, 0x07E0, 0x001F, 0);
    if (!screen)
        fail(1, std::string("could not create the screen: ") + SDL_GetError());
    std::string bad = openmusic();
    if (!bad.empty())
        fail(1, bad, false);
    bad = startup();
    if (!bad.empty())
        fail(1, bad, false);
    if (o.setoffset)
        demotimeoffset = o.offset;
}

} // namespace

int main(int argc, char** argv)
{
    Options o;
    std::string bad = parseoptions(argc, argv, &o);
    if (!bad.empty()) {
        fprintf(stderr, "demo-capture: %s\n%s\n", bad.c_str(), usage);
        return 2;
    }
    bool lossless = endswith(o.out, ".mkv");
    if (!lossless && !endswith(o.out, ".mp4"))
        fail(1, o.out + ": unknown extension, the capture writes .mp4 or .mkv");
    // Paths are taken from where the command was given, before --dir.
    out = fs::absolute(o.out).string();
    if (!o.script.empty())
        scriptfile = fs::absolute(o.script).string();
    if (!o.dir.empty() && chdir(o.dir.c_str()) != 0)
        fail(1, o.dir + ": cannot enter that directory");

    startdemo(o);
    if (o.from >= module->numpos)
        fail(2, "--from " + std::to_string(o.from) + ": the song has " +
                    std::to_string(module->numpos) + " positions");

    signal(SIGINT, oninterrupt);
    signal(SIGTERM, oninterrupt);
    FILE* script = nullptr;
    if (!scriptfile.empty() && !(script = fopen(partial(scriptfile).c_str(), "w")))
        fail(1, "cannot write " + scriptfile);
    Encoder encoder;
    bad = encoder.open(partial(out), out, {o.scale, o.fps, lossless});
    if (!bad.empty())
        fail(1, bad);

    Progress progress(o.quiet, isatty(2));
    Recorder rec(module, {o.from, o.to}, o.fps, &encoder, script, &progress);
    recorder = &rec;
    // The demo's main loop on the virtual clock. When the timeline ends the
    // demo, the picture stays until the song has played out.
    while (!rec.over() && !interrupted) {
        if (quit)
            clocksleep(1);
        else
            render();
    }
    progress.done();
    if (interrupted)
        fail(130, "interrupted; nothing written");
    if (!rec.error().empty())
        fail(1, rec.error());
    bad = encoder.finish();
    if (!bad.empty())
        fail(1, bad);
    if (script && fclose(script) != 0)
        fail(1, "cannot write " + scriptfile);
    std::error_code ec;
    if (script)
        fs::rename(partial(scriptfile), scriptfile, ec);
    if (ec)
        fail(1, "cannot write " + scriptfile + ": " + ec.message());
    fs::rename(partial(out), out, ec);
    if (ec)
        fail(1, "cannot write " + out + ": " + ec.message());
    closemusic(module);
    if (!o.quiet)
        fprintf(stderr, "demo-capture: %s: %ld frames, %.2f s\n", o.out.c_str(), rec.frames(),
                rec.seconds());
    return 0;
}
