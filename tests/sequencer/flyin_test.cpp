// The car's fly-in against the song as libmikmod really plays it: on both
// builds' timelines (demotime offset 0 and -16) the car must come in to its
// resting depth one step at a time instead of jumping there because the rows
// under the fly-in ran out before it landed.
#include <gtest/gtest.h>
#include <mikmod.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "scene3d/scene3d.h"
#include "sequencer/sequencer.h"
#include "support.h"

namespace
{

// When each row of the song starts, in ms, from libmikmod's player ticks
// (2500 / bpm ms each) through the no-sound driver.
struct RowStart {
    double ms;
    int pos, row;
};
std::vector<RowStart> rows;
MODULE* song;
MikMod_player_t player;
double songms;

void hook()
{
    player();
    if (song->sngpos < song->numpos &&
        (rows.empty() || rows.back().pos != song->sngpos || rows.back().row != song->patpos))
        rows.push_back({songms, song->sngpos, song->patpos});
    songms += 2500.0 / song->bpm;
}

// The rows up to position `last`, as the demo hears them.
std::vector<RowStart> playsong(int last)
{
    rows.clear();
    songms = 0;
    MikMod_RegisterDriver(&drv_nos);
    MikMod_RegisterLoader(&load_it);
    md_mode |= DMODE_SOFT_MUSIC;
    if (MikMod_Init(""))
        return {};
    song = Player_Load(DEMO_RUN_DIR "/zel.it", 64, 0);
    if (song) {
        player = MikMod_RegisterPlayer(hook);
        Player_Start(song);
        while (Player_Active() && (rows.empty() || rows.back().pos <= last))
            MikMod_Update();
        Player_Stop();
        Player_Free(song);
        MikMod_RegisterPlayer(player);
    }
    MikMod_Exit();
    return rows;
}

constexpr int STEP = 38, REST = -100;

} // namespace

TEST(FlyIn, LandsStepByStepOnBothBuildsTimelines)
{
    std::vector<RowStart> song = playsong(3);
    ASSERT_GT(song.size(), 3u * 128) << "libmikmod did not play " DEMO_RUN_DIR "/zel.it";
    setupscreen();
    for (int offset : {0, -16}) {
        SCOPED_TRACE("demotime offset " + std::to_string(offset));
        resetclock();
        demotimeoffset = offset;
        // One tick every 50 ms, each seeing the row the song plays then.
        size_t at = 0;
        int before = offsetz, steps = 0, largest = 0;
        bool started = false;
        for (int now = 0; song[at].pos < 3; now += 50) {
            while (at + 1 < song.size() && song[at + 1].ms <= now)
                at++;
            demotime = song[at].pos * 128 + song[at].row + demotimeoffset;
            tick();
            bool flying = started;
            started |= ao == Scene::flyin && offsetz == -1042;
            if (flying && offsetz != before) {
                steps++;
                largest = std::max(largest, std::abs(offsetz - before));
                EXPECT_LE(std::abs(offsetz - before), STEP)
                    << "the car jumps from " << before << " to " << offsetz << " at demotime "
                    << demotime;
            }
            before = offsetz;
        }
        EXPECT_TRUE(started);
        EXPECT_EQ(offsetz, REST);
        // 25 steps in, then the short settle from -92 to its rest.
        EXPECT_GE(steps, 25);
        EXPECT_EQ(largest, STEP);
    }
}
