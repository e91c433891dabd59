// An 8-bit RGB picture for the asset tools.
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
    // Writes the picture as PNG; exits with a message on failure.
    void save(const std::string& path) const;
};
