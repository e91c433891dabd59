#include "pngwrite.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

std::string writepng(const std::string& path, int width, int height, const uint8_t* rgb)
{
    FILE* f = fopen(path.c_str(), "wb");
    if (!f)
        return path + ": " + strerror(errno);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        fclose(f);
        return path + ": could not encode PNG";
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; y++)
        png_write_row(png, const_cast<uint8_t*>(rgb + size_t(y) * width * 3));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    if (fclose(f) != 0)
        return path + ": " + strerror(errno);
    return "";
}
