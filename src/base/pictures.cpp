// The sixteen pictures, each checked against the shape its readers assume.
#include <SDL_image.h>

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

const Picture pictures[] = {
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

} // namespace

std::string loadpictures()
{
    for (const Picture& p : pictures) {
        std::string why;
        SDL_Surface* loaded = IMG_Load(p.file);
        if (!loaded) {
            why = SDL_GetError();
        } else {
            *p.surface = SDL_ConvertSurface(loaded, screen->format, 0);
            SDL_FreeSurface(loaded);
            if (!*p.surface)
                why = std::string("conversion failed: ") + SDL_GetError();
            else
                why = shapeerror(*p.surface, p.shape);
        }
        if (!why.empty())
            return std::string("Could not load picture ") + p.file + ": " + why;
    }
    return "";
}
