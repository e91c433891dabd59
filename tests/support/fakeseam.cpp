#include "support.h"

unsigned fakenow;
int fakepos, fakerow;
int fakesleeps, fakeupdates;

unsigned clockticks() { return fakenow; }
void clocksleep(unsigned) { fakesleeps++; }
void musicupdate() { fakeupdates++; }
void songposition(int* pos, int* row)
{
    *pos = fakepos;
    *row = fakerow;
}
