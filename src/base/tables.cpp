// The lookup tables shared by many scenes, filled once at start-up.
#include <cmath>

#include "base/base.h"

double PI = 3.141592653589;

int ymult[321], yintf[513];
int sini[629], kosi[629];
int scrl1[419], scrl2[419], scrl3[419];
int rotosin[629], rotocos[629];
int deloreanwarp[256];
int bigfontwidth[96], backfontwidth[96];

// The angles are running sums, as the tables were always built: a starts at
// -PI and the step is added after each entry. Conversions truncate.
void buildtables()
{
    for (int i = 0; i <= 320; i++)
        ymult[i] = i * SCREEN_W;
    for (int i = 0; i < size; i++)
        static_cast<Uint16*>(tempbuff->pixels)[i] = 0;

    for (int i = 0; i < 96; i++)
        bigfontwidth[i] = 31;
    for (int i = 0; i < 96; i++)
        backfontwidth[i] = 31;
    backfontwidth[1] = 15;  // !
    backfontwidth[17] = 15; // 1
    backfontwidth[41] = 15; // I
    bigfontwidth[1] = 18;   // !
    bigfontwidth[41] = 16;  // I
    bigfontwidth[70] = 24;  // f
    bigfontwidth[73] = 16;  // i
    bigfontwidth[74] = 21;  // j
    bigfontwidth[76] = 16;  // l
    bigfontwidth[84] = 25;  // t

    double a = -PI;
    for (int i = 0; i < 629; i++) {
        sini[i] = static_cast<int>(256 * sin(a));
        kosi[i] = static_cast<int>(256 * cos(a));
        a += 0.01;
    }
    a = -PI;
    for (int i = 0; i < 419; i++) {
        scrl1[i] = static_cast<int>(20 * sin(a)) + 50;
        scrl2[i] = static_cast<int>(20 * sin(2 * a)) + 100;
        scrl3[i] = static_cast<int>(10 * sin(3 * a)) + 150;
        a += 0.015;
    }
    for (int i = 0; i < 629; i++) {
        rotosin[i] = sini[i];
        rotocos[i] = 2 * kosi[i];
    }
    for (int i = 0; i <= 512; i++)
        yintf[i] = i * 512;
    // The half is added before truncating and the sign flipped after it,
    // so the wobble runs -50..49.
    a = -PI;
    for (int i = 0; i < 256; i++) {
        deloreanwarp[i] = -static_cast<int>(50 * sin(a) + 0.5);
        a += 0.0245;
    }
}
