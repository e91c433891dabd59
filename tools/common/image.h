// An 8-bit RGB picture for the asset tools, with a few drawing helpers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
    uint8_t r, g, b;
};

struct Image {
    int w, h;
    std::vector<uint8_t> rgb;

    Image(int width, int height) : w(width), h(height), rgb(size_t(width) * height * 3) {}
    void set(int x, int y, Rgb c);
    Rgb get(int x, int y) const;
    void fill(int x0, int y0, int x1, int y1, Rgb c); // x1, y1 excluded
    // Writes the picture as PNG; exits with a message on failure.
    void save(const std::string& path) const;
};

// Text in a 5 x 7 pixel font blown up by scale; for labels on placeholders.
void drawlabel(Image& img, int x, int y, int scale, const std::string& text, Rgb c);
int labelwidth(const std::string& text, int scale);
