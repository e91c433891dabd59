// Where each group of the car's faces lies in its 256 x 256 texture. The mesh
// generator places the texture vertices of a group inside its rectangle; the
// texture painter tells the groups apart by the same rectangles.
#pragma once

// What a group of faces is made of, which decides how it is painted.
enum class Panel { body, skirt, wheel, top, glass, under, front, back, tread, inner };

// One chart: a group of faces unfolded by one projection into a rectangle of
// the texture, in texels, v running upwards like the mesh's v (v = 0 is the
// bottom edge of the picture).
struct Chartrect {
    Panel panel;
    float u0, v0, u1, v1;
};

enum Chart {
    bodyleft,
    bodyright, // flanks from the crease up to the shoulder
    skirtleft,
    skirtright, // flanks below the crease, tucked under
    wheelfl,
    wheelfr,
    wheelrl,
    wheelrr, // outer faces of the tyres
    bonnet,
    roof,
    deck, // the top: bonnet, roof, louvres and rear deck
    windscreen,
    windowleft,
    windowright, // glass, with the pillars round it
    under,       // the floor
    lamps,
    bumper, // the front face: lamp panel above the crease, bumper below
    tail,   // the rear face with the red lamps
    treadfl,
    treadfr,
    treadrl,
    treadrr, // tyre treads, unrolled
    innerfl,
    innerfr,
    innerrl,
    innerrr, // inner faces of the tyres
    chartcount
};

// The rectangles leave a gutter of three texels between charts, so that the
// painter can bleed every chart's colours outwards.
// clang-format off
constexpr Chartrect carcharts[chartcount] = {
    {Panel::body,  7.68f, 76.9f, 238.72f, 101.5f},  // bodyleft
    {Panel::body,  7.68f, 7.68f, 248.32f, 32.68f},  // bodyright
    {Panel::skirt, 7.68f, 55.7f, 183.5f, 73.9f},    // skirtleft
    {Panel::skirt, 7.68f, 35.7f, 173.7f, 52.7f},    // skirtright
    {Panel::wheel, 7.68f, 104.5f, 50, 125.5f},      // wheelfl
    {Panel::wheel, 53, 104.5f, 95.3f, 125.5f},      // wheelfr
    {Panel::wheel, 98.3f, 104.5f, 140.6f, 125.5f},  // wheelrl
    {Panel::wheel, 143.6f, 104.5f, 185.9f, 125.5f}, // wheelrr
    {Panel::top,   7.68f, 174.5f, 59, 248.32f},     // bonnet
    {Panel::top,   62.03f, 174.5f, 82, 227.3f},     // roof
    {Panel::top,   85, 174.5f, 142, 248.32f},       // deck
    {Panel::glass, 145, 224, 248.32f, 248.32f},     // windscreen
    {Panel::glass, 158, 128.5f, 248.32f, 148.5f},   // windowleft
    {Panel::glass, 7.68f, 151.5f, 90.5f, 171.5f},   // windowright
    {Panel::under, 188.6f, 104.5f, 248.32f, 125.5f}, // under
    {Panel::front, 7.68f, 128.5f, 155, 148.5f},     // lamps
    {Panel::front, 93.5f, 151.5f, 215, 161.5f},     // bumper
    {Panel::back,  145, 193.5f, 248.32f, 221},      // tail
    {Panel::tread, 186.5f, 55.7f, 248.32f, 73.9f},  // treadfl
    {Panel::tread, 145, 174.5f, 183, 190.5f},       // treadfr
    {Panel::tread, 186, 174.5f, 224, 190.5f},       // treadrl
    {Panel::tread, 218, 151.5f, 248.32f, 171.5f},   // treadrr
    {Panel::inner, 176.7f, 35.7f, 210, 42.7f},      // innerfl
    {Panel::inner, 213, 35.7f, 248.32f, 42.7f},     // innerfr
    {Panel::inner, 176.7f, 45.7f, 210, 52.7f},      // innerrl
    {Panel::inner, 213, 45.7f, 248.32f, 52.7f},     // innerrr
};
// clang-format on
