// demo-replay: runs the demo's own start-up and render() against a scripted
// clock and song position, without a window or sound, and saves frames.
//
//   render NOW POS ROW   one call of render(): the clock reads NOW ms, the
//                        song stands at position POS, row ROW
//   save FILE            the screen: FILE.png as PNG, anything else raw RGB565
//   state                one line of the timeline's state
//   hash                 one line: hash= and the 64-bit FNV-1a hash of the
//                        screen as saved raw, in 16 hex digits
#include <mikmod.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "pngwrite.h"
#include "script.h"
#include "sequencer/sequencer.h"

namespace
{

unsigned scriptnow;
int scriptpos, scriptrow;

[[noreturn]] void fail(int status, const std::string& why)
{
    fprintf(stderr, "demo-replay: %s\n", why.c_str());
    exit(status);
}

std::string save(const std::string& file)
{
    const Uint16* px = static_cast<const Uint16*>(screen->pixels);
    bool png = file.size() >= 4 && file.compare(file.size() - 4, 4, ".png") == 0;
    if (png) {
        // RGB565 widened by bit replication, so white stays 255.
        std::vector<uint8_t> rgb(size * 3);
        for (int p = 0; p < size; p++) {
            int r = px[p] >> 11, g = (px[p] >> 5) & 63, b = px[p] & 31;
            rgb[p * 3] = (r << 3) | (r >> 2);
            rgb[p * 3 + 1] = (g << 2) | (g >> 4);
            rgb[p * 3 + 2] = (b << 3) | (b >> 2);
        }
        return writepng(file, SCREEN_W, SCREEN_H, rgb.data());
    }
    std::vector<uint8_t> raw(size * 2);
    for (int p = 0; p < size; p++) {
        raw[p * 2] = px[p] & 255;
        raw[p * 2 + 1] = px[p] >> 8;
    }
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(raw.data()), raw.size());
    out.close();
    return out ? "" : file + ": could not write";
}

// FNV-1a over the raw little-endian RGB565 bytes, the same bytes `save`
// writes: a one-line fingerprint of the frame for snapshots.
void printhash()
{
    const Uint16* px = static_cast<const Uint16*>(screen->pixels);
    uint64_t h = 0xcbf29ce484222325ULL;
    for (int p = 0; p < size; p++)
        for (int byte : {px[p] & 255, px[p] >> 8}) {
            h ^= uint64_t(byte);
            h *= 0x100000001b3ULL;
        }
    printf("hash=%016llx\n", static_cast<unsigned long long>(h));
    fflush(stdout);
}

void printstate()
{
    printf("%s\n", stateline().c_str());
    fflush(stdout);
}

// Runs one parsed line.
void run(const Command& cmd)
{
    switch (cmd.kind) {
    case Command::render:
        scriptnow = cmd.now;
        scriptpos = cmd.pos;
        scriptrow = cmd.row;
        render();
        break;
    case Command::save:
        if (std::string err = save(cmd.file); !err.empty())
            fail(1, err);
        break;
    case Command::state:
        printstate();
        break;
    case Command::hash:
        printhash();
        break;
    case Command::none:
        break;
    }
}

// The soundtrack, loaded as the demo loads it, through a driver that plays
// nothing: a missing or damaged module stops the replayer as it stops the
// demo. Returns "" or the line.
std::string loadsong()
{
    MikMod_RegisterDriver(&drv_nos);
    MikMod_RegisterAllLoaders();
    md_mode |= DMODE_SOFT_MUSIC;
    if (MikMod_Init(""))
        return std::string("Could not initialize sound, reason: ") + MikMod_strerror(MikMod_errno);
    return loadmodule();
}

} // namespace

unsigned clockticks() { return scriptnow; }
void clocksleep(unsigned) {}
void musicupdate() {}
void songposition(int* pos, int* row)
{
    *pos = scriptpos;
    *row = scriptrow;
}

int main(int argc, char** argv)
{
    std::string scriptfile;
    for (int i = 1; i < argc; i++) {
        std::string arg = argv[i];
        char* end;
        if (arg == "--offset" && i + 1 < argc) {
            long offset = strtol(argv[i + 1], &end, 10);
            if (*argv[i + 1] && !*end && offset >= -1000000 && offset <= 1000000) {
                demotimeoffset = static_cast<int>(offset);
                i++;
                continue;
            }
        } else if (arg[0] != '-' && scriptfile.empty()) {
            scriptfile = arg;
            continue;
        }
        fprintf(stderr, "usage: demo-replay [--offset N] [SCRIPT]\n");
        return 2;
    }
    FILE* script = stdin;
    if (!scriptfile.empty()) {
        script = fopen(scriptfile.c_str(), "r");
        if (!script)
            fail(2, scriptfile + ": cannot open");
    }

    screen = SDL_CreateRGBSurface(SDL_SWSURFACE, SCREEN_W, SCREEN_H, 16, 0xF800, 0x07E0, 0x001F, 0);
    if (!screen)
        fail(1, std::string("could not create the screen: ") + SDL_GetError());
    if (std::string bad = loadsong(); !bad.empty())
        fail(1, bad);
    if (std::string bad = startup(); !bad.empty())
        fail(1, bad);

    Scriptreader reader(script);
    std::string line;
    for (int n = 1; reader.next(&line); n++) {
        Command cmd;
        std::string err = parseline(line, &cmd);
        if (!err.empty())
            fail(2, "line " + std::to_string(n) + ": " + err);
        run(cmd);
    }
    if (!reader.error().empty())
        fail(2, (scriptfile.empty() ? "standard input" : scriptfile) + ": " + reader.error());
    return 0;
}
