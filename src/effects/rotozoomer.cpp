// Rotozoomer: the band of rows 20..219 shows the picture turned and zoomed
// about the screen centre; the rows above and below keep the plain copy.
#include "base/base.h"
#include "effects/effects.h"
#include "effects/rotorow.h"

int roto;

void drawrotozoomer()
{
    const Uint16* pic = static_cast<const Uint16*>(mirv->pixels);
    Uint16* scr = static_cast<Uint16*>(screen->pixels);
    const int sn = rotosin[roto], cs = rotocos[roto];
    const Rotorow draw = rotorowbest();
    // A row starts from the sums of its column 0 and steps them by (sn, cs)
    // a column.
    for (int y = 20; y < 220; y++) {
        const int dy = y - 120;
        draw(scr + ymult[y], pic, -160 * sn + dy * cs, -160 * cs - dy * sn, sn, cs);
    }
}
