// The few SDL 1.2 calls the demo library makes, for the browser build.
// Emscripten's own SDL 1.2 makes only 8- and 32-bit surfaces; the library
// draws into 16-bit RGB565 ones, so the browser build gets this subset
// instead: plain memory surfaces, a queue of key events the page fills, and
// the error string. Nothing here draws or presents; the host does that.
#pragma once

#include <cstddef>
#include <cstdint>

typedef uint8_t Uint8;
typedef uint16_t Uint16;
typedef uint32_t Uint32;
typedef int8_t Sint8;
typedef int16_t Sint16;
typedef int32_t Sint32;

#define SDL_SWSURFACE 0x00000000
#define SDL_MUSTLOCK(surface) 0

struct SDL_PixelFormat {
    Uint8 BitsPerPixel, BytesPerPixel;
    Uint32 Rmask, Gmask, Bmask, Amask;
};

// A read-only memory source, as SDL_RWFromConstMem makes it.
struct SDL_RWops {
    const unsigned char* data;
    size_t size, at;
};
SDL_RWops* SDL_RWFromConstMem(const void* mem, int size);

struct SDL_Surface {
    Uint32 flags;
    SDL_PixelFormat* format;
    int w, h;
    Uint16 pitch;
    void* pixels;
};

SDL_Surface* SDL_CreateRGBSurface(Uint32 flags, int width, int height, int depth, Uint32 Rmask,
                                  Uint32 Gmask, Uint32 Bmask, Uint32 Amask);
void SDL_FreeSurface(SDL_Surface* surface);
// Converts a 24- or 32-bit surface to `format`, truncating each 8-bit
// channel to the width of its mask, as SDL's blitters do.
SDL_Surface* SDL_ConvertSurface(SDL_Surface* src, const SDL_PixelFormat* format, Uint32 flags);
int SDL_LockSurface(SDL_Surface* surface);
void SDL_UnlockSurface(SDL_Surface* surface);
// Does nothing: the host presents the screen after each drawn frame.
void SDL_UpdateRect(SDL_Surface* screen, Sint32 x, Sint32 y, Uint32 w, Uint32 h);

const char* SDL_GetError();
void SDL_SetError(const char* message);

enum { SDL_KEYDOWN = 2, SDL_KEYUP = 3, SDL_QUIT = 12 };
typedef enum { SDLK_ESCAPE = 27, SDLK_RIGHT = 275, SDLK_LEFT = 276 } SDLKey;

struct SDL_keysym {
    SDLKey sym;
};
struct SDL_KeyboardEvent {
    Uint8 type;
    SDL_keysym keysym;
};
union SDL_Event {
    Uint8 type;
    SDL_KeyboardEvent key;
};

int SDL_PollEvent(SDL_Event* event);
// The host's side of the queue: the page's keys. Returns -1 when full.
int SDL_PushEvent(SDL_Event* event);
