// The car's shape: stations along its length, the wheels and the light
// points. The mesh generator lofts the body through the stations; the
// texture painter reads the same lines to place windows, arches and lamps.
#pragma once

// The car is symmetric about the plane y = 685; half-widths are measured
// from it.
inline constexpr int midy = 685;

// One station: x of the lower and upper lines, then (half-width, z) of low,
// crease, shoulder and roof.
struct Station {
    int xlow, xup;
    int line[4][2];
};

// clang-format off
inline constexpr Station stations[12] = {
    {-10995, -10900, {{4200, 1250}, {5500, 1500}, {5650, 3020}, {4300, 3080}}}, // nose face
    {-10016, -10016, {{4737, 1143}, {6150, 1500}, {6050, 3120}, {4600, 3220}}}, // bonnet front
    { -7637,  -7637, {{4900,  950}, {6633, 1500}, {6250, 3280}, {4800, 3370}}}, // front arch
    { -4963,  -4963, {{4900,  950}, {6633, 1500}, {6250, 3420}, {4850, 3500}}}, // front arch
    { -2900,  -2900, {{4620,  420}, {6400, 1500}, {6200, 3500}, {4950, 3580}}}, // windscreen foot
    {  -500,   -500, {{4600,  340}, {6350, 1500}, {6150, 3560}, {5000, 5330}}}, // roof front
    {  1180,   1180, {{4596,  319}, {6350, 1500}, {6150, 3600}, {5000, 5439}}}, // roof top
    {  2700,   2700, {{4600,  340}, {6380, 1500}, {6180, 3650}, {4900, 5300}}}, // roof rear
    {  5593,   5593, {{4900,  950}, {6633, 1500}, {6300, 3700}, {4700, 4500}}}, // rear arch
    {  8267,   8267, {{4900,  950}, {6633, 1500}, {6150, 3720}, {4500, 4000}}}, // rear arch
    { 11679,  11679, {{4620,  937}, {5000, 1500}, {4300, 3650}, {3500, 3720}}}, // tail edge
    { 12040,  12040, {{4300, 1000}, {4600, 1500}, {3700, 3550}, {3300, 3620}}}, // tail face
};
// clang-format on

// Wheels: axle x, the two stations at the ends of the arch, on the left (-y)
// or right side. Their tyres are half octagons of radius wheelr round the
// crease at the axle.
inline constexpr int wheelr = 1337, wheelz = 1500;
struct Wheel {
    int x, sa, sb, side;
};
inline constexpr Wheel wheels[4] = {
    {-6300, 2, 3, -1}, {-6300, 2, 3, 1}, {6930, 8, 9, -1}, {6930, 8, 9, 1}};

// The light points, after the body: four headlamps and two tail lamps.
inline constexpr int lights[6][3] = {{-11012, 4468, 2694}, {-11006, -2108, 2694},
                                     {-11011, 3401, 2690}, {-11006, -3259, 2690},
                                     {12049, 3475, 3004},  {12048, -2130, 3003}};

enum Line { low, crease, shoulder, roofline };
