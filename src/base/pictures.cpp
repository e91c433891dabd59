// The sixteen pictures, each checked against the shape its readers assume.
#include <SDL_image.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "base/base.h"

SDL_Surface *fontti, *flare1, *flare2, *flare3, *greenbg, *groovy, *delorean, *mirv, *backfont,
    *quorvastlogo, *logo1988, *warpbg, *afro, *sidekick, *torus, *psyke;

namespace
{

// Every reader addresses a picture as a flat array with a fixed row length,
// so the shape is checked here once instead of being trusted.
struct Shape {
    int w, h;
    bool taller; // h is a minimum
};

const Shape fullscreen{SCREEN_W, SCREEN_H, false};
const Shape texture{256, 256, false};
const Shape sprite{64, 64, false};

struct Picture {
    const char* file;
    SDL_Surface** surface;
    Shape shape;
};

const Picture pictures[PICTURES] = {
    {"data/font-32x44.png", &fontti, {512, 270, true}},
    {"data/flare-green.png", &flare1, sprite},
    {"data/flare-yellow.png", &flare2, sprite},
    {"data/flare-red2.png", &flare3, sprite},
    {"data/green.png", &greenbg, fullscreen},
    {"data/groovy.png", &groovy, fullscreen},
    {"data/car.png", &delorean, texture},
    {"data/mirvroto.png", &mirv, fullscreen},
    {"data/back-16x16.png", &backfont, {514, 192, true}},
    {"data/zellogo.png", &quorvastlogo, fullscreen},
    {"data/1988.png", &logo1988, fullscreen},
    {"data/sinitausta.png", &warpbg, {256, 240, true}},
    {"data/afro.png", &afro, fullscreen},
    {"data/sidekick.png", &sidekick, fullscreen},
    {"data/2torus.png", &torus, texture},
    {"data/psykedelik.png", &psyke, fullscreen},
};

std::string shapeerror(const SDL_Surface* s, Shape want)
{
    bool fits = s->w == want.w && (want.taller ? s->h >= want.h : s->h == want.h);
    if (fits && s->pitch == s->w * 2)
        return "";
    std::string got = std::to_string(s->w) + "x" + std::to_string(s->h);
    if (fits)
        return "rows of " + std::to_string(s->pitch) + " bytes, expected " +
               std::to_string(s->w * 2);
    return "expected " + std::to_string(want.w) + "x" + std::to_string(want.h) +
           (want.taller ? " or taller" : "") + ", got " + got;
}

// The whole file, or why it could not be read.
std::string readfile(const char* file, std::vector<unsigned char>* data)
{
    FILE* f = fopen(file, "rb");
    if (!f)
        return std::string("cannot open: ") + strerror(errno);
    unsigned char buf[65536];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0)
        data->insert(data->end(), buf, buf + n);
    std::string why = ferror(f) ? std::string("cannot read: ") + strerror(errno) : "";
    fclose(f);
    return why;
}

// SDL_image's reader ignores short reads, so libpng, asked for bytes past
// the end of a damaged file, gets the last ones again and may go round for
// ever (a chunk that claims 16 MB is skipped, then read again). The chunks are
// walked here first: each must lie inside the file, up to IEND, so libpng
// never reads past the end.
std::string pngframing(const std::vector<unsigned char>& d)
{
    static const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (d.size() < 8 || memcmp(d.data(), signature, 8) != 0)
        return "not a PNG";
    for (size_t at = 8;;) {
        if (d.size() - at < 12)
            return "cut short: no IEND chunk";
        size_t length = size_t(d[at]) << 24 | d[at + 1] << 16 | d[at + 2] << 8 | d[at + 3];
        std::string type(reinterpret_cast<const char*>(&d[at + 4]), 4);
        if (length > d.size() - at - 12)
            return "cut short: a chunk runs past the end of the file";
        if (type == "IEND")
            return "";
        at += 12 + length;
    }
}

} // namespace

std::string loadpicture(int i)
{
    const Picture& p = pictures[i];
    SDL_FreeSurface(*p.surface);
    *p.surface = nullptr;
    std::vector<unsigned char> data;
    std::string why = readfile(p.file, &data);
    if (why.empty())
        why = pngframing(data);
    SDL_Surface* loaded = nullptr;
    if (why.empty()) {
        // libpng reports a damaged file on standard error by itself.
        Stderrmuted quiet;
        loaded = IMG_Load_RW(SDL_RWFromConstMem(data.data(), int(data.size())), 1);
        if (!loaded)
            why = SDL_GetError();
    }
    if (loaded) {
        *p.surface = SDL_ConvertSurface(loaded, screen->format, 0);
        SDL_FreeSurface(loaded);
        why = *p.surface ? shapeerror(*p.surface, p.shape)
                         : std::string("conversion failed: ") + SDL_GetError();
    }
    if (why.empty())
        return "";
    SDL_FreeSurface(*p.surface);
    *p.surface = nullptr;
    return std::string("Could not load picture ") + p.file + ": " + why;
}

const char* picturefile(int i) { return pictures[i].file; }
const SDL_Surface* picturesurface(int i) { return *pictures[i].surface; }

std::string loadpictures()
{
    for (int i = 0; i < PICTURES; i++)
        if (std::string why = loadpicture(i); !why.empty())
            return why;
    return "";
}
