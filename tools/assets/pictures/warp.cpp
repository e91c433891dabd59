// The warp scene's scrolling backdrop: streaks of light racing to the
// right. It is 256 wide and wraps, column 255 running on into column 0, so
// every streak and the noise under them are laid out modulo 256; ordered
// dithering keeps the wrap seamless.
#include <cmath>
#include <vector>

#include "dither.h"
#include "noise.h"
#include "pictures.h"

namespace
{

struct Streak {
    double head, y, length, thick;
    Col c;
};

} // namespace

Image warppicture()
{
    const int W = 256, H = 240, S = 2;
    Canvas cv(W, H, S);
    // A haze of horizontal grain, stretched along x, brighter in a band
    // around the middle.
    cv.each([&](Vec p) {
        double band = std::exp(-((p.y - 125) / 90) * ((p.y - 125) / 90));
        double grain = fbm(p.x / 32, p.y / 1.5, 5, 4, W / 32);
        Col c = mix(rgb(2, 2, 16), rgb(14, 10, 60), band);
        return c + rgb(40, 60, 160) * (0.35 * grain * grain * band);
    });

    Rng rng(256);
    std::vector<Streak> streaks;
    Col tints[] = {rgb(120, 180, 255), rgb(180, 230, 255), rgb(90, 110, 255), rgb(200, 120, 255),
                   rgb(255, 255, 255)};
    for (int i = 0; i < 180; i++) {
        Streak s;
        s.y = rng.range(0, H);
        double near = rng.uniform(); // near streaks are long, thick and bright
        near = near * near;
        s.head = rng.range(0, W);
        s.length = 30 + 190 * near;
        s.thick = 0.35 + 1.3 * near;
        s.c = tints[rng.below(5)] * (0.35 + 0.65 * near);
        streaks.push_back(s);
    }

    int sw = W * S;
    for (const Streak& s : streaks) {
        int j0 = std::max(0, int((s.y - 3 * s.thick) * S));
        int j1 = std::min(H * S, int((s.y + 3 * s.thick) * S) + 1);
        for (int j = j0; j < j1; j++)
            for (int i = 0; i < sw; i++) {
                Vec p = cv.at(i, j);
                // How far behind the head, around the wrap.
                double behind = std::fmod(s.head - p.x + 2 * W, double(W));
                if (behind > s.length && behind < W - 2)
                    continue;
                if (behind >= W - 2)
                    behind -= W; // just ahead of the head: its rounded tip
                double along =
                    behind < 0 ? std::exp(behind * 2) : std::pow(1 - behind / s.length, 2.2);
                double dy = (p.y - s.y) / s.thick;
                double across = std::exp(-dy * dy);
                double hot = behind >= 0 && behind < 6 ? (1 - behind / 6) * 0.8 : 0;
                Col& c = cv.c[size_t(j) * sw + i];
                c = c + s.c * (along * across) + Col{1, 1, 1} * (hot * across * (s.length / 220));
            }
    }
    return ordered(cv.resolve());
}
