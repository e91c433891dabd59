// The event drain of the main loop: only key releases and the window's close
// button do anything.
#include <mikmod.h>

#include "sequencer/sequencer.h"

int pollevents()
{
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_QUIT)
            return 1;
        if (event.type != SDL_KEYUP)
            continue;
        // The rest of the queue is left unhandled on purpose.
        if (event.key.keysym.sym == SDLK_ESCAPE)
            return 1;
        if (event.key.keysym.sym == SDLK_LEFT)
            Player_PrevPosition();
        if (event.key.keysym.sym == SDLK_RIGHT)
            Player_NextPosition();
    }
    return 0;
}
