// Memory surfaces, the channel-truncating conversion, the error string and
// the event queue of the browser build's SDL subset.
#include <cstdlib>
#include <deque>
#include <string>

#include "SDL.h"

namespace
{

std::string lasterror;
std::deque<SDL_Event> events;
const size_t maxevents = 128;

int bits(Uint32 mask)
{
    int n = 0;
    for (; mask; mask &= mask - 1)
        n++;
    return n;
}

int shift(Uint32 mask)
{
    int n = 0;
    for (; mask && !(mask & 1); mask >>= 1)
        n++;
    return n;
}

// One 8-bit channel into its place under `mask`, its low bits dropped.
Uint32 pack(Uint32 channel, Uint32 mask)
{
    return mask ? (channel >> (8 - bits(mask))) << shift(mask) & mask : 0;
}

// One 8-bit channel out of a pixel.
Uint32 unpack(Uint32 pixel, Uint32 mask) { return (pixel & mask) >> shift(mask); }

} // namespace

SDL_Surface* SDL_CreateRGBSurface(Uint32 flags, int width, int height, int depth, Uint32 Rmask,
                                  Uint32 Gmask, Uint32 Bmask, Uint32 Amask)
{
    if (width <= 0 || height <= 0 || width > 16384 || height > 16384 ||
        (depth != 16 && depth != 24 && depth != 32)) {
        SDL_SetError("unsupported surface");
        return nullptr;
    }
    int bpp = depth / 8;
    // Rows of 16-bit surfaces are 4-byte aligned, as in SDL.
    int pitch = (width * bpp + 3) & ~3;
    SDL_Surface* s = static_cast<SDL_Surface*>(calloc(1, sizeof(SDL_Surface)));
    SDL_PixelFormat* f = static_cast<SDL_PixelFormat*>(calloc(1, sizeof(SDL_PixelFormat)));
    void* pixels = calloc(static_cast<size_t>(pitch) * height, 1);
    if (!s || !f || !pixels) {
        free(s);
        free(f);
        free(pixels);
        SDL_SetError("Out of memory");
        return nullptr;
    }
    *f = {static_cast<Uint8>(depth), static_cast<Uint8>(bpp), Rmask, Gmask, Bmask, Amask};
    *s = {flags, f, width, height, static_cast<Uint16>(pitch), pixels};
    return s;
}

void SDL_FreeSurface(SDL_Surface* surface)
{
    if (!surface)
        return;
    free(surface->pixels);
    free(surface->format);
    free(surface);
}

SDL_Surface* SDL_ConvertSurface(SDL_Surface* src, const SDL_PixelFormat* format, Uint32 flags)
{
    const SDL_PixelFormat* in = src->format;
    if (in->BytesPerPixel < 3 || format->BytesPerPixel != 2) {
        SDL_SetError("unsupported conversion");
        return nullptr;
    }
    SDL_Surface* dst = SDL_CreateRGBSurface(flags, src->w, src->h, 16, format->Rmask, format->Gmask,
                                            format->Bmask, format->Amask);
    if (!dst)
        return nullptr;
    for (int y = 0; y < src->h; y++) {
        const Uint8* row = static_cast<const Uint8*>(src->pixels) + y * src->pitch;
        Uint16* out = reinterpret_cast<Uint16*>(static_cast<Uint8*>(dst->pixels) + y * dst->pitch);
        for (int x = 0; x < src->w; x++) {
            const Uint8* p = row + x * in->BytesPerPixel;
            // Little-endian pixel, as the masks of the decoder's surfaces say.
            Uint32 v = p[0] | p[1] << 8 | p[2] << 16 | (in->BytesPerPixel == 4 ? p[3] << 24 : 0);
            out[x] = static_cast<Uint16>(pack(unpack(v, in->Rmask), format->Rmask) |
                                         pack(unpack(v, in->Gmask), format->Gmask) |
                                         pack(unpack(v, in->Bmask), format->Bmask));
        }
    }
    return dst;
}

int SDL_LockSurface(SDL_Surface*) { return 0; }
void SDL_UnlockSurface(SDL_Surface*) {}
void SDL_UpdateRect(SDL_Surface*, Sint32, Sint32, Uint32, Uint32) {}

const char* SDL_GetError() { return lasterror.c_str(); }
void SDL_SetError(const char* message) { lasterror = message; }

int SDL_PollEvent(SDL_Event* event)
{
    if (events.empty())
        return 0;
    *event = events.front();
    events.pop_front();
    return 1;
}

int SDL_PushEvent(SDL_Event* event)
{
    if (events.size() >= maxevents)
        return -1;
    events.push_back(*event);
    return 0;
}
