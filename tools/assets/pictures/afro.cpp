// The keyed overlay with the big-haired figure on the left. He leaves the
// boxes where his words are written bare (x 130..319 for rows 95..175, x
// 90..319 for rows 155..195); the raised hand only crosses x 130 above row
// 95. Everything not painted becomes the white key.
#include <cmath>

#include "cartoon.h"
#include "dither.h"
#include "noise.h"
#include "pictures.h"

namespace
{

const Col skin = rgb(150, 92, 58);

// The afro: a ball of curls with a bumpy edge.
void hair(Canvas& cv)
{
    Vec c{62, 60};
    Shape ball = ellipse(c, 52, 47);
    for (int i = 0; i < 26; i++) {
        double a = i * 6.283185307179586 / 26;
        double wob = 1 + 0.05 * std::sin(a * 3);
        ball = unite(ball, circle(c + Vec{std::cos(a) * 52 * wob, std::sin(a) * 47 * wob}, 8.5));
    }
    part(
        cv, ball,
        [c](Vec p, double d) {
            // Tight curls: little rings of lighter hair on the dark mass.
            double n = fbm(p.x / 3.2, p.y / 3.2, 61, 3);
            double curl = smooth(0.55, 0.7, n) * smooth(0.85, 0.7, n);
            Vec q = (p - c) * (1.0 / 55);
            double light = clamp01(0.55 - q.x * 0.5 - q.y * 0.6);
            Col base = mix(rgb(26, 16, 14), rgb(70, 44, 32), light * 0.8);
            return mix(base, rgb(110, 72, 50), curl * (0.3 + 0.7 * light)) *
                   (1 - 0.25 * smooth(-4, 0, d));
        },
        1.8);
    // A pick comb stuck in the top left, the handle a clenched fist.
    part(cv, rbox({22, 24}, 3.5, 16, 1.5, -0.6), lit(rgb(200, 40, 40), {22, 24}, 16));
    part(cv, circle({14, 12}, 6), lit(rgb(20, 20, 24), {14, 12}, 6));
}

void face(Canvas& cv)
{
    part(cv, ellipse({33, 78}, 7, 10), lit(skin, {33, 78}, 10));
    part(cv, ellipse({91, 78}, 7, 10), lit(skin, {91, 78}, 10));
    part(cv, rbox({62, 110}, 13, 14, 4), lit(skin * 0.85, {62, 110}, 14));
    part(cv, ellipse({62, 76}, 29, 34), lit(skin, {56, 68}, 34));
    // Sunglasses: wide lenses with a sunset in them.
    Ramp lens{{{0.0, rgb(40, 10, 60)}, {0.55, rgb(150, 30, 90)}, {1.0, rgb(240, 150, 40)}}};
    for (double x : {48.0, 76.0}) {
        Vec c{x, 70};
        part(
            cv, rbox(c, 12.5, 8.5, 4),
            [=](Vec p, double) {
                Col col = lens((p.y - 61.5) / 17);
                double glint = smooth(1.6, 0.6, std::abs((p.x - c.x) + (p.y - c.y) + 4));
                return mix(col, rgb(230, 220, 240), glint * smooth(9, 5, len(p - c)));
            },
            1.8);
    }
    part(cv, capsule({60, 66}, {64, 66}, 0.6), flat(ink), 0.6);
    // Eyebrows raised over the frames.
    part(cv, stroke({38, 58}, {44, 54}, {52, 54}, {57, 57}, 1.2, 2.2), flat(rgb(30, 18, 14)), 0.6);
    part(cv, stroke({67, 57}, {72, 54}, {80, 54}, {86, 58}, 2.2, 1.2), flat(rgb(30, 18, 14)), 0.6);
    // Nose.
    part(cv, ellipse({62, 86}, 7, 4.5), lit(skin * 0.9, {62, 84}, 7), 1.2);
    // A wide grin: dark mouth, upper teeth, a tongue.
    Shape mouth = intersect(ellipse({62, 95}, 16, 11), rbox({62, 104}, 20, 10, 0));
    part(
        cv, mouth,
        [](Vec p, double) {
            if (p.y < 97.5)
                return rgb(236, 228, 206);
            if (len(p - Vec{62, 106}) < 8)
                return rgb(200, 70, 80);
            return rgb(70, 14, 16);
        },
        1.6);
    // A thin moustache over the grin.
    part(cv, stroke({47, 93}, {54, 89}, {70, 89}, {77, 93}, 1.0, 1.0), flat(rgb(30, 18, 14)), 0.8);
}

void body(Canvas& cv)
{
    // The raised arm goes behind the shoulder; drawn first.
    Col shirt = rgb(232, 120, 30);
    part(cv, capsule({92, 134}, {110, 102}, 10), lit(shirt, {100, 120}, 20));
    part(cv, capsule({110, 102}, {122, 66}, 8.5), lit(skin, {116, 84}, 20));
    // A fist with two fingers up: peace.
    part(cv, capsule({118, 42}, {116, 22}, 4.2), lit(skin, {117, 32}, 8));
    part(cv, capsule({128, 42}, {134, 23}, 4.2), lit(skin, {131, 32}, 8));
    part(cv, rbox({123, 54}, 10, 11, 5), lit(skin, {123, 54}, 11));
    part(cv, stroke({114, 50}, {118, 46}, {124, 47}, {127, 51}, 2.5, 2.0),
         lit(skin * 0.95, {120, 48}, 6), 1.1);
    // The shirt: shoulders wide, waist in, wide open at the neck.
    Shape torso = blob({{2, 150},
                        {10, 128},
                        {40, 120},
                        {84, 120},
                        {104, 130},
                        {98, 146},
                        {84, 158},
                        {80, 176},
                        {80, 240},
                        {84, 262},
                        {10, 262},
                        {14, 240},
                        {6, 190}});
    part(cv, torso, [&](Vec p, double d) {
        // Big 70s swirls printed on the shirt.
        double swirl = std::sin(len(p - Vec{40, 170}) / 4 + std::atan2(p.y - 170, p.x - 40) * 3);
        Col c = lit(shirt, {50, 170}, 60)(p, d);
        return mix(c, rgb(150, 40, 90), smooth(0.5, 0.8, swirl) * 0.6);
    });
    // Bare chest in the open neck, a gold medallion on a chain.
    part(cv, polygon({{44, 120}, {80, 120}, {62, 170}}), lit(skin, {62, 135}, 30));
    part(cv, stroke({47, 122}, {50, 140}, {58, 152}, {62, 153}, 0.8, 0.8), flat(rgb(220, 170, 40)),
         0.6);
    part(cv, stroke({77, 122}, {74, 140}, {66, 152}, {62, 153}, 0.8, 0.8), flat(rgb(220, 170, 40)),
         0.6);
    part(cv, circle({62, 158}, 6.5), [](Vec p, double) {
        double t = clamp01((p.x - 56 + p.y - 152) / 18);
        return mix(rgb(255, 230, 120), rgb(170, 100, 20), t);
    });
    // Huge pointed collars.
    Col collar = rgb(250, 196, 90);
    part(cv, polygon({{42, 118}, {58, 124}, {46, 160}, {20, 130}}), lit(collar, {38, 135}, 20));
    part(cv, polygon({{82, 118}, {66, 124}, {78, 160}, {102, 130}}), lit(collar, {86, 135}, 20));
    // The other arm hangs down the left side, off the edge.
    part(cv, capsule({14, 140}, {4, 210}, 11), lit(shirt, {10, 170}, 30));
    // Belt and buckle at the bottom.
    part(cv, rbox({48, 228}, 40, 6, 1.5), lit(rgb(80, 40, 20), {48, 228}, 40));
    part(cv, rbox({48, 228}, 8, 7, 2), lit(rgb(230, 180, 40), {46, 226}, 8));
}

} // namespace

Image afropicture()
{
    Canvas cv(320, 240, 4);
    body(cv);
    hair(cv);
    face(cv);
    return keyed(cv.resolve());
}
