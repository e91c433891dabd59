// demo-replay: runs the demo's own start-up and render() against a scripted
// clock and song position, without a window or sound, and saves frames.
//
//   render NOW POS ROW   one call of render(): the clock reads NOW ms, the
//                        song stands at position POS, row ROW
//   save FILE            the screen: FILE.png as PNG, anything else raw RGB565
//   state                one line of the timeline's state
//   hash                 one line: hash= and the 64-bit FNV-1a hash of the
//                        screen as saved raw, in 16 hex digits
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "pngwrite.h"
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

// A whole-token integer within [lo, hi], or false.
bool parseint(const std::string& s, long long lo, long long hi, long long* out)
{
    if (s.empty())
        return false;
    char* end;
    errno = 0;
    long long v = strtoll(s.c_str(), &end, 10);
    if (*end || errno || v < lo || v > hi)
        return false;
    *out = v;
    return true;
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

// Runs one script line; returns "" or what is wrong with it.
std::string runline(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    if (words.empty() || words[0][0] == '#')
        return "";
    const std::string& cmd = words[0];
    if (cmd == "render") {
        long long now, pos, row;
        if (words.size() != 4)
            return "render takes NOW POS ROW";
        if (!parseint(words[1], 0, 0xFFFFFFFFLL, &now))
            return "NOW must be a whole number of milliseconds, 0 to 4294967295";
        if (!parseint(words[2], -32768, 32767, &pos))
            return "POS must be a signed 16-bit number";
        if (!parseint(words[3], 0, 65535, &row))
            return "ROW must be an unsigned 16-bit number";
        scriptnow = static_cast<unsigned>(now);
        scriptpos = static_cast<int>(pos);
        scriptrow = static_cast<int>(row);
        render();
        return "";
    }
    if (cmd == "save") {
        if (words.size() != 2)
            return "save takes one FILE";
        std::string err = save(words[1]);
        if (!err.empty())
            fail(1, err);
        return "";
    }
    if (cmd == "state") {
        if (words.size() != 1)
            return "state takes nothing";
        printstate();
        return "";
    }
    if (cmd == "hash") {
        if (words.size() != 1)
            return "hash takes nothing";
        printhash();
        return "";
    }
    return "unknown command '" + cmd + "'";
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
        long long offset;
        if (arg == "--offset" && i + 1 < argc &&
            parseint(argv[i + 1], -1000000, 1000000, &offset)) {
            demotimeoffset = static_cast<int>(offset);
            i++;
        } else if (arg[0] != '-' && scriptfile.empty()) {
            scriptfile = arg;
        } else {
            fprintf(stderr, "usage: demo-replay [--offset N] [SCRIPT]\n");
            return 2;
        }
    }
    std::ifstream file;
    if (!scriptfile.empty()) {
        file.open(scriptfile);
        if (!file)
            fail(2, scriptfile + ": cannot open");
    }
    std::istream& script = scriptfile.empty() ? std::cin : file;

    screen = SDL_CreateRGBSurface(SDL_SWSURFACE, SCREEN_W, SCREEN_H, 16, 0xF800, 0x07E0, 0x001F, 0);
    if (!screen)
        fail(1, std::string("could not create the screen: ") + SDL_GetError());
    std::string bad = startup();
    if (!bad.empty())
        fail(1, bad);

    std::string line;
    for (int n = 1; std::getline(script, line); n++) {
        std::string err = runline(line);
        if (!err.empty())
            fail(2, "line " + std::to_string(n) + ": " + err);
    }
    return 0;
}
