// IMG_Load of the browser build's SDL subset: any PNG, read the way SDL_image
// reads it (16-bit channels stripped, palettes and grey expanded to RGB,
// transparency to alpha, no gamma handling) into a 24- or 32-bit surface.
#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <string>
#include <vector>

#include "SDL_image.h"

namespace
{

void pngerror(png_structp png, png_const_charp message)
{
    SDL_SetError(message);
    longjmp(png_jmpbuf(png), 1);
}

void pngwarning(png_structp, png_const_charp) {}

struct Reader {
    FILE* file = nullptr;
    png_structp png = nullptr;
    png_infop info = nullptr;
    SDL_Surface* surface = nullptr; // freed unless handed out
    ~Reader()
    {
        SDL_FreeSurface(surface);
        if (png)
            png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
        if (file)
            fclose(file);
    }
};

// Everything after the set-up, with libpng's errors arriving by longjmp: no
// object with a destructor or state to keep lives in this frame.
bool decode(Reader& r, std::vector<png_bytep>& rows)
{
    if (setjmp(png_jmpbuf(r.png)))
        return false;
    if (r.file)
        png_init_io(r.png, r.file);
    png_read_info(r.png, r.info);
    png_set_strip_16(r.png);
    png_set_packing(r.png);
    int type = png_get_color_type(r.png, r.info);
    if (type == PNG_COLOR_TYPE_PALETTE)
        png_set_palette_to_rgb(r.png);
    if (type == PNG_COLOR_TYPE_GRAY && png_get_bit_depth(r.png, r.info) < 8)
        png_set_expand_gray_1_2_4_to_8(r.png);
    if (png_get_valid(r.png, r.info, PNG_INFO_tRNS))
        png_set_tRNS_to_alpha(r.png);
    if (type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(r.png);
    png_read_update_info(r.png, r.info);

    png_uint_32 w = png_get_image_width(r.png, r.info);
    png_uint_32 h = png_get_image_height(r.png, r.info);
    int channels = png_get_channels(r.png, r.info);
    if (channels != 3 && channels != 4) {
        SDL_SetError("unsupported PNG layout");
        return false;
    }
    r.surface =
        SDL_CreateRGBSurface(SDL_SWSURFACE, static_cast<int>(w), static_cast<int>(h), channels * 8,
                             0xFF, 0xFF00, 0xFF0000, channels == 4 ? 0xFF000000 : 0);
    if (!r.surface)
        return false;
    rows.resize(h);
    for (png_uint_32 y = 0; y < h; y++)
        rows[y] = static_cast<png_bytep>(r.surface->pixels) + y * r.surface->pitch;
    png_read_image(r.png, rows.data());
    png_read_end(r.png, nullptr);
    return true;
}

// Reads from a memory source; a read past its end is an error, as a
// truncated file must be.
void readmemory(png_structp png, png_bytep out, png_size_t n)
{
    auto* src = static_cast<SDL_RWops*>(png_get_io_ptr(png));
    if (n > src->size - src->at)
        png_error(png, "Read Error");
    std::copy(src->data + src->at, src->data + src->at + n, out);
    src->at += n;
}

} // namespace

SDL_RWops* SDL_RWFromConstMem(const void* mem, int size)
{
    if (!mem || size < 0) {
        SDL_SetError("no memory to read from");
        return nullptr;
    }
    return new SDL_RWops{static_cast<const unsigned char*>(mem), size_t(size), 0};
}

SDL_Surface* IMG_Load_RW(SDL_RWops* src, int freesrc)
{
    if (!src)
        return nullptr;
    SDL_Surface* surface = nullptr;
    Reader r;
    if (src->size < 8 || png_sig_cmp(src->data, 0, 8)) {
        SDL_SetError("Unsupported image format");
    } else {
        r.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, pngerror, pngwarning);
        if (r.png)
            r.info = png_create_info_struct(r.png);
        if (!r.png || !r.info) {
            SDL_SetError("Out of memory");
        } else {
            png_set_read_fn(r.png, src, readmemory);
            std::vector<png_bytep> rows;
            if (decode(r, rows)) {
                surface = r.surface;
                r.surface = nullptr;
            }
        }
    }
    if (freesrc)
        delete src;
    return surface;
}

SDL_Surface* IMG_Load(const char* file)
{
    Reader r;
    r.file = fopen(file, "rb");
    if (!r.file) {
        SDL_SetError((std::string("Couldn't open ") + file).c_str());
        return nullptr;
    }
    png_byte sig[8];
    if (fread(sig, 1, 8, r.file) != 8 || png_sig_cmp(sig, 0, 8)) {
        SDL_SetError("Unsupported image format");
        return nullptr;
    }
    r.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, pngerror, pngwarning);
    if (r.png)
        r.info = png_create_info_struct(r.png);
    if (!r.png || !r.info) {
        SDL_SetError("Out of memory");
        return nullptr;
    }
    png_set_sig_bytes(r.png, 8);
    std::vector<png_bytep> rows;
    if (!decode(r, rows))
        return nullptr;
    SDL_Surface* surface = r.surface;
    r.surface = nullptr;
    return surface;
}
