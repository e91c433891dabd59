// The keyed overlay with the sidekick on the right: a freckled kid in a
// backwards cap and a striped shirt, thumb up. Between rows 85 and 165 he
// keeps to x >= 200, where his words are not; the thumb reaches left only
// below that band. Everything not painted becomes the white key.
#include <cmath>

#include "cartoon.h"
#include "dither.h"
#include "pictures.h"

namespace
{

const Col skin = rgb(244, 190, 150);

void body(Canvas& cv)
{
    Shape shirt = blob({{212, 240},
                        {214, 178},
                        {232, 160},
                        {262, 156},
                        {296, 160},
                        {318, 176},
                        {326, 240},
                        {326, 262},
                        {210, 262}});
    part(cv, shirt, [](Vec p, double d) {
        // Wide stripes of teal and yellow.
        bool teal = int(std::floor((p.y - 150) / 11)) & 1;
        Col c = teal ? rgb(30, 160, 160) : rgb(250, 210, 60);
        return lit(c, {262, 200}, 60)(p, d);
    });
    part(cv, rbox({262, 158}, 13, 9, 4), lit(skin * 0.88, {262, 158}, 10));
    // The arm across the front, its hand out to the left with the thumb up.
    part(cv, capsule({226, 182}, {206, 214}, 9), lit(rgb(250, 210, 60), {216, 198}, 20));
    part(cv, capsule({206, 216}, {186, 200}, 8), lit(skin, {196, 208}, 14));
    part(cv, rbox({182, 196}, 10, 9, 4.5), lit(skin, {182, 196}, 10));
    part(cv, capsule({178, 188}, {176, 175}, 4), lit(skin, {177, 181}, 6));
    for (double y : {192.0, 197.0, 202.0})
        part(cv, capsule({175, y}, {184, y}, 0.2), flat(ink), 0.5);
}

void head(Canvas& cv)
{
    part(cv, ellipse({224, 116}, 7, 10), lit(skin, {224, 116}, 10));
    part(cv, ellipse({300, 116}, 7, 10), lit(skin, {300, 116}, 10));
    part(cv, ellipse({262, 114}, 37, 37), lit(skin, {256, 106}, 37));
    // The cap, worn backwards: a dome over the brow, the peak out behind.
    part(cv, rbox({304, 92}, 16, 4, 3, -0.25), lit(rgb(200, 30, 40), {304, 92}, 16));
    Shape dome = intersect(ellipse({262, 96}, 39, 28), rbox({262, 75}, 50, 22, 0));
    part(cv, dome, lit(rgb(220, 36, 44), {255, 80}, 30));
    part(cv, rbox({262, 95}, 39, 2.5, 2), lit(rgb(160, 20, 30), {262, 95}, 39));
    part(cv, circle({262, 68}, 3), lit(rgb(160, 20, 30), {262, 68}, 3));
    // Big eyes glancing left, at the words.
    for (double x : {248.0, 276.0}) {
        part(cv, ellipse({x, 115}, 9, 10), [](Vec p, double) {
            return mix(rgb(236, 236, 232), rgb(190, 196, 210), clamp01((p.y - 107) / 18));
        });
        part(cv, circle({x - 4, 117}, 4.8), flat(rgb(60, 110, 60)), 0.8);
        part(cv, circle({x - 4.5, 117.5}, 2.6), flat(ink), 0);
        part(cv, circle({x - 6, 115}, 1.1), flat(rgb(230, 230, 230)), 0);
        part(cv, stroke({x - 8, 103.5}, {x - 3, 101}, {x + 3, 101}, {x + 8, 103}, 1.5, 1.1),
             flat(rgb(120, 60, 30)), 0.5);
    }
    // Freckles and a button nose.
    const Vec freckles[] = {{238, 126}, {242, 129}, {236, 131}, {284, 128}, {288, 125}, {290, 131}};
    for (Vec f : freckles)
        cv.paint(circle(f, 0.9), flat(rgb(200, 120, 80)));
    part(cv, ellipse({261, 125}, 5, 4), lit(skin * 0.93, {260, 124}, 5), 1.1);
    // An open, lopsided grin.
    Shape mouth = intersect(ellipse({262, 134}, 14, 9, -0.12), rbox({262, 142}, 20, 8, 0));
    part(
        cv, mouth,
        [](Vec p, double) {
            if (p.y < 136.5)
                return rgb(236, 230, 214);
            if (len(p - Vec{266, 144}) < 6)
                return rgb(214, 80, 90);
            return rgb(90, 20, 24);
        },
        1.4);
}

} // namespace

Image sidekickpicture()
{
    Canvas cv(320, 240, 4);
    body(cv);
    head(cv);
    return keyed(cv.resolve());
}
