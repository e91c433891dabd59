// The flare sprites: lamps seen through a lens, a white-hot core in a
// coloured halo with four short rays. The sprite is added onto the screen,
// so it fades to pure black well inside its square: no edge ever shows.
#include <algorithm>
#include <cmath>

#include "textures.h"

namespace
{

struct Tint {
    double r, g, b;
};

// Light falls off to exactly zero at the sprite's inscribed circle.
double window(double d) { return d >= 0.97 ? 0 : std::pow(1 - d / 0.97, 1.5); }

} // namespace

Image flaresprite(int kind)
{
    const Tint tints[3] = {{0.30, 1.00, 0.35}, {1.00, 0.85, 0.25}, {1.00, 0.25, 0.12}};
    Tint c = tints[kind];
    Image img(64, 64);
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 64; x++) {
            double dx = (x - 31.5) / 32, dy = (y - 31.5) / 32, d = std::hypot(dx, dy);
            double core = std::exp(-d * d / (0.09 * 0.09));
            double halo = 0.9 * std::exp(-d * d / (0.36 * 0.36)) + 0.35 * (1 - d);
            double rays =
                std::exp(-dy * dy / (0.03 * 0.03)) * std::pow(1 - std::min(1.0, std::abs(dx)), 2) +
                std::exp(-dx * dx / (0.03 * 0.03)) * std::pow(1 - std::min(1.0, std::abs(dy)), 2);
            double glow = (halo + 0.8 * rays) * window(d);
            // Exposure: bright parts run to white through the tint's colour.
            auto channel = [&](double tint) {
                double v = 1 - std::exp(-2.2 * (tint * glow + 2.5 * core));
                return uint8_t(std::lround(255 * v));
            };
            img.set(x, y, {channel(c.r), channel(c.g), channel(c.b)});
        }
    return img;
}
