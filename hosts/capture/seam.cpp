// The clock/music seam of the capture: the clock is the recorder's virtual
// one, sleeping is the passing of time, and the song position is read from
// the player the recorder mixes.
#include "seam.h"
#include "recorder.h"
#include "sequencer/sequencer.h"

Recorder* recorder;

unsigned clockticks() { return recorder->now(); }
void clocksleep(unsigned ms)
{
    for (unsigned i = 0; i < ms; i++)
        recorder->step();
}
// The mixing follows the clock, in clocksleep.
void musicupdate() {}
void songposition(int* pos, int* row)
{
    *pos = module->sngpos;
    *row = module->patpos;
    recorder->drawn(*pos, *row);
}
