// The soundtrack: loaded once by every host, with the driver the host chose,
// and checked to run as far as the timeline does.
#include <mikmod.h>

#include <algorithm>

#include "sequencer/sequencer.h"

MODULE* module;

namespace
{

// The highest demotime a straight run through the song reaches. Once the
// player has run off the end of its order list it reports the position past
// the last, row 0, and that is what usually ends the demo; a long last
// pattern may reach further.
int lastdemotime(const MODULE* m)
{
    int last = m->numpos * 128;
    for (int p = 0; p < m->numpos; p++) {
        int pattern = m->positions[p];
        if (pattern < m->numpat)
            last = std::max(last, p * 128 + m->pattrows[pattern] - 1);
    }
    return last + DEMOTIME_OFFSET;
}

// What the song lacks to reach the timeline's end, or "".
std::string shortfall(const MODULE* m)
{
    int last = lastdemotime(m);
    if (last >= DEMOTIME_END)
        return "";
    int need = (DEMOTIME_END - DEMOTIME_OFFSET + 127) / 128;
    return "the song has " + std::to_string(m->numpos) + " positions and ends at demotime " +
           std::to_string(last) + "; the timeline needs " + std::to_string(need) +
           ", to demotime " + std::to_string(DEMOTIME_END);
}

} // namespace

std::string loadmodule()
{
    std::string why;
    {
        // A loader may print warnings of its own; the user sees our line.
        Stderrmuted quiet;
        module = Player_Load("zel.it", 64, 0);
    }
    if (!module)
        why = MikMod_strerror(MikMod_errno);
    else
        why = shortfall(module);
    if (!why.empty()) {
        if (module)
            Player_Free(module);
        module = nullptr;
        return "Could not load module, reason: " + why;
    }
    // A jump back in the song would play it for ever and the timeline would
    // never reach its end: without looping the player runs on to the end.
    module->loop = 0;
    return "";
}
