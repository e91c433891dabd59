// The soundtrack: loaded once by every host, with the driver the host chose,
// and checked to run as far as the timeline does.
#include <mikmod.h>

#include <algorithm>

#include "runtime/runtime.h"

MODULE* module;

namespace
{

// The highest demotime a straight run through the song reaches: the last
// row of every position counts, since a short pattern early on may stand
// before a long one.
int lastdemotime(const MODULE* m)
{
    int last = -1;
    for (int p = 0; p < m->numpos; p++) {
        int pattern = m->positions[p];
        int rows = pattern < m->numpat ? m->pattrows[pattern] : 0;
        if (rows > 0)
            last = std::max(last, p * 128 + rows - 1 + DEMOTIME_OFFSET);
    }
    return last;
}

// What the song lacks to reach the timeline's end, or "".
std::string shortfall(const MODULE* m)
{
    int last = lastdemotime(m);
    if (last >= DEMOTIME_END)
        return "";
    int need = DEMOTIME_END - DEMOTIME_OFFSET; // position x 128 + row
    int p = m->numpos - 1;
    if (p < need / 128)
        return "the song has " + std::to_string(m->numpos) + " positions, the timeline needs " +
               std::to_string(need / 128 + 1);
    return "the song ends at position " + std::to_string(last / 128) + ", row " +
           std::to_string(last % 128) + "; the timeline needs position " +
           std::to_string(need / 128) + ", row " + std::to_string(need % 128);
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
