// Stand-in pictures for the effect tests.
#pragma once

#include <SDL.h>

#include "support.h"

// A 320 x 240 picture whose neighbouring pixels all differ and none is 0,
// so a pixel read from the wrong place or left black shows.
inline SDL_Surface* patterned()
{
    SDL_Surface* s = makesurface(320, 240);
    for (int p = 0; p < 320 * 240; p++)
        pixels(s)[p] = static_cast<Uint16>(1 + p % 65535);
    return s;
}

// Points a picture global at a stand-in for the life of a test.
class standin
{
  public:
    standin(SDL_Surface*& global, SDL_Surface* picture) : global(global), saved(global)
    {
        global = picture;
    }
    ~standin()
    {
        SDL_FreeSurface(global);
        global = saved;
    }
    standin(const standin&) = delete;
    standin& operator=(const standin&) = delete;

  private:
    SDL_Surface*& global;
    SDL_Surface* saved;
};
