// The soundtrack: the module writer's bytes, the instruments' loops and
// fades, the song's shape, and how libmikmod and other players take it.
#include <gtest/gtest.h>
#include <mikmod.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "samples.h"
#include "score.h"
#include "sections.h"

namespace
{

int u16(const std::vector<uint8_t>& b, size_t at) { return b[at] | b[at + 1] << 8; }
uint32_t u32(const std::vector<uint8_t>& b, size_t at)
{
    return uint32_t(u16(b, at)) | uint32_t(u16(b, at + 2)) << 16;
}

ItSong tinysong()
{
    ItSong song;
    song.name = "tiny";
    song.speed = 4;
    song.tempo = 140;
    ItSample s;
    s.name = "blip";
    s.pcm = {0, 1000, -1000, 0};
    s.c5speed = 8363;
    s.pan = 16;
    s.loopbegin = 1;
    s.loopend = 3;
    song.samples.push_back(s);
    ItPattern p(32, 2);
    p.at(0, 0) = {60, 1, 64, 1, 3};  // C-5, sample 1, volume 64, A03
    p.at(0, 1) = {254, 0, -1, 0, 0}; // note cut alone
    p.at(5, 1) = {-1, 0, 32, 0, 0};  // volume alone
    song.patterns.push_back(p);
    song.orders = {0};
    return song;
}

TEST(ItWriter, HeaderOrdersAndPointers)
{
    std::vector<uint8_t> b = writeit(tinysong());
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "IMPM");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[4])), "tiny");
    EXPECT_EQ(u16(b, 0x20), 2); // order 0 and the end marker
    EXPECT_EQ(u16(b, 0x22), 0); // sample mode
    EXPECT_EQ(u16(b, 0x24), 1);
    EXPECT_EQ(u16(b, 0x26), 1);
    EXPECT_EQ(u16(b, 0x28), 0x0214);
    EXPECT_EQ(u16(b, 0x2C), 1 | 8); // stereo, linear slides, no instruments
    EXPECT_EQ(b[0x32], 4);
    EXPECT_EQ(b[0x33], 140);
    EXPECT_EQ(b[0xC0], 0);
    EXPECT_EQ(b[0xC1], 255);

    uint32_t smp = u32(b, 0xC2), pat = u32(b, 0xC6);
    EXPECT_EQ(std::string(b.begin() + smp, b.begin() + smp + 4), "IMPS");
    EXPECT_EQ(b[smp + 0x12], 1 | 2 | 16); // data, 16-bit, looped
    EXPECT_EQ(b[smp + 0x2E], 1);          // signed
    EXPECT_EQ(b[smp + 0x2F], 16 + 128);   // own pan
    EXPECT_EQ(u32(b, smp + 0x30), 4u);
    EXPECT_EQ(u32(b, smp + 0x34), 1u);
    EXPECT_EQ(u32(b, smp + 0x38), 3u);
    EXPECT_EQ(u32(b, smp + 0x3C), 8363u);
    uint32_t data = u32(b, smp + 0x48);
    ASSERT_EQ(data + 8, b.size());
    EXPECT_EQ(int16_t(u16(b, data + 2)), 1000);
    EXPECT_EQ(int16_t(u16(b, data + 4)), -1000);
    EXPECT_EQ(u16(b, pat + 2), 32);
    EXPECT_LT(pat, data);
}

TEST(ItWriter, PacksOnlyWhatIsSet)
{
    std::vector<uint8_t> b = writeit(tinysong());
    uint32_t pat = u32(b, 0xC6);
    std::vector<uint8_t> want = {
        0x81, 1 | 2 | 4 | 8,
        60,   1,
        64,   1,
        3, // channel 1: note, sample, volume, A03
        0x82, 1,
        254, // channel 2: note cut
        0,   // end of row 0
        0,    0,
        0,    0, // rows 1-4 are empty
        0x82, 4,
        32,   0, // row 5: channel 2 volume 32
    };
    want.resize(want.size() + 26, 0); // rows 6-31
    ASSERT_EQ(u16(b, pat), int(want.size()));
    EXPECT_EQ(std::vector<uint8_t>(b.begin() + pat + 8, b.begin() + pat + 8 + want.size()), want);
}

TEST(Score, NotesChordsAndLines)
{
    EXPECT_EQ(pitch("A4"), 69);
    EXPECT_EQ(pitch("C4"), 60);
    EXPECT_EQ(pitch("G#4"), 68);
    EXPECT_EQ(pitch("Bb3"), 58);
    std::vector<Chord> cs = chords("Am F");
    ASSERT_EQ(cs.size(), 2u);
    EXPECT_EQ(cs[0].tones(57, 4), (std::vector<int>{57, 60, 64, 69}));
    EXPECT_EQ(cs[1].tones(57, 3), (std::vector<int>{57, 60, 65}));

    Score s;
    int end = s.line(POS - 4, LEADCH, LEAD, 40, "E5 - . A4");
    EXPECT_EQ(end, POS + 4);
    EXPECT_EQ(s.at(POS - 4, LEADCH).note, 76);
    EXPECT_EQ(s.at(POS, LEADCH).note, 254); // lines run on into the next position
    EXPECT_EQ(s.at(POS + 2, LEADCH).note, 69);
    EXPECT_EQ(s.at(POS + 2, LEADCH).volume, 40);
}

// Loops close on themselves: the loop starts on an upward zero crossing, the
// sample before the loop end continues into the loop start as smoothly as
// inside the loop, and the loop holds whole cycles of the pitch.
TEST(Instruments, LoopsAreSeamlessAndOneShotsFadeOut)
{
    std::vector<ItSample> all = makesamples();
    ASSERT_EQ(int(all.size()), SAMPLECOUNT);
    int loops = 0;
    for (const ItSample& s : all) {
        SCOPED_TRACE(s.name);
        ASSERT_FALSE(s.pcm.empty());
        EXPECT_LE(s.name.size(), 26u);
        EXPECT_GE(s.pan, 0);
        if (s.loopbegin < 0) {
            int n = int(s.pcm.size());
            for (int i = n - 8; i < n; i++)
                EXPECT_LT(std::abs(s.pcm[size_t(i)]), 655); // 2% of full scale
            EXPECT_EQ(s.pcm.back(), 0);
            continue;
        }
        loops++;
        EXPECT_EQ(s.loopend, int(s.pcm.size()));
        int b = s.loopbegin, e = s.loopend;
        EXPECT_LT(s.pcm[size_t(b) - 1], 0);
        EXPECT_GE(s.pcm[size_t(b)], 0);
        EXPECT_EQ(s.pcm[size_t(e) - 1], s.pcm[size_t(b) - 1]);
        double cycle = s.c5speed / 261.6255653005986;
        double cycles = (e - b) / cycle;
        EXPECT_NEAR(cycles, std::round(cycles), 0.01);
    }
    EXPECT_EQ(loops, 5); // sub, lead, pad, chip pulse, triangle
}

TEST(Song, RunsOffTheEndThroughTwentyEightPositions)
{
    ItSong song = composezel();
    EXPECT_EQ(song.speed, 3);
    EXPECT_EQ(song.tempo, 125);
    ASSERT_EQ(song.orders.size(), 28u);
    for (int p = 0; p < 28; p++) {
        SCOPED_TRACE(p);
        EXPECT_EQ(song.orders[size_t(p)], p);
        const ItPattern& pat = song.patterns[size_t(p)];
        EXPECT_EQ(pat.rows, p == 27 ? LASTROWS : 128);
        EXPECT_LE(pat.rows * pat.channels, 12800);
        for (const ItCell& c : pat.cells) {
            // No jumps or breaks: the song must run off its order list.
            EXPECT_NE(c.command, 'B' - 'A' + 1);
            EXPECT_NE(c.command, 'C' - 'A' + 1);
            EXPECT_LE(c.sample, SAMPLECOUNT);
        }
    }
    EXPECT_GE(LASTROWS, 46);
}

TEST(Song, SameBytesEveryRunAndInTheBuild)
{
    std::vector<uint8_t> a = writeit(composezel());
    std::vector<uint8_t> b = writeit(composezel());
    EXPECT_TRUE(a == b);
    std::ifstream in(DEMO_RUN_DIR "/zel.it", std::ios::binary);
    ASSERT_TRUE(in) << "no zel.it in the run directory";
    std::vector<uint8_t> built((std::istreambuf_iterator<char>(in)), {});
    EXPECT_TRUE(built == a) << "build/run/zel.it differs from what the generator writes now";
}

// libmikmod as the demo uses it, driven through the no-sound driver; a hook
// on the player's tick records how long each row lasts.
MODULE* playing;
MikMod_player_t player;
std::map<int, double> rowms; // position * 256 + row -> milliseconds
std::vector<int> order;      // positions in the order they were first seen

void tick()
{
    player();
    if (playing->sngpos >= playing->numpos)
        return;
    rowms[playing->sngpos * 256 + playing->patpos] += 2500.0 / playing->bpm;
    if (order.empty() || order.back() != playing->sngpos)
        order.push_back(playing->sngpos);
}

TEST(Song, LibmikmodPlaysEveryPositionAndSlowsForTheCar)
{
    MikMod_RegisterDriver(&drv_nos);
    MikMod_RegisterLoader(&load_it);
    md_mode |= DMODE_SOFT_MUSIC;
    ASSERT_EQ(MikMod_Init(""), 0) << MikMod_strerror(MikMod_errno);
    playing = Player_Load(DEMO_RUN_DIR "/zel.it", 64, 0);
    ASSERT_TRUE(playing) << MikMod_strerror(MikMod_errno);
    player = MikMod_RegisterPlayer(tick);
    Player_Start(playing);
    for (int i = 0; i < 5000 && Player_Active(); i++)
        MikMod_Update();
    bool ended = !Player_Active();
    Player_Stop();
    Player_Free(playing);
    MikMod_RegisterPlayer(player);
    MikMod_Exit();

    EXPECT_TRUE(ended);
    std::vector<int> all(28);
    for (int p = 0; p < 28; p++)
        all[size_t(p)] = p;
    EXPECT_EQ(order, all);
    EXPECT_TRUE(rowms.count(27 * 256 + 45)) << "the demo ends at position 27, row 45";

    // The car flies in for 25 ticks of 50 ms once demotime passes 240.
    double flyin = 0;
    for (int r = 113; r < 128; r++) {
        EXPECT_GE(rowms[256 + r], 80 - 1e-9) << "row " << r;
        flyin += rowms[256 + r];
    }
    EXPECT_GE(rowms[2 * 256], 80 - 1e-9);
    flyin += rowms[2 * 256];
    EXPECT_GE(flyin, 1250);
    // Everywhere else a row lasts 60 ms.
    EXPECT_DOUBLE_EQ(rowms[1 * 256 + 100], 60);
    EXPECT_DOUBLE_EQ(rowms[2 * 256 + 1], 60);
    EXPECT_DOUBLE_EQ(rowms[27 * 256 + 45], 60);
}

// Another player's opinion, when it is installed.
std::string run(const std::string& command, int* status)
{
    std::string out;
    FILE* p = popen(command.c_str(), "r");
    if (!p)
        return out;
    char buf[256];
    while (fgets(buf, sizeof buf, p))
        out += buf;
    *status = pclose(p);
    return out;
}

TEST(Song, OtherPlayersAcceptIt)
{
    int status = -1;
    if (system("command -v openmpt123 >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "openmpt123 is not installed";
    std::string info = run("openmpt123 --info " DEMO_RUN_DIR "/zel.it 2>&1", &status);
    EXPECT_EQ(status, 0) << info;
    size_t at = info.find("Duration...: ");
    ASSERT_NE(at, std::string::npos) << info;
    int minutes = 0, seconds = 0;
    ASSERT_EQ(sscanf(info.c_str() + at, "Duration...: %d:%d", &minutes, &seconds), 2);
    int total = minutes * 60 + seconds;
    EXPECT_GE(total, 200);
    EXPECT_LE(total, 225);

    if (system("command -v xmp >/dev/null 2>&1") == 0) {
        std::string out = run("xmp --load-only " DEMO_RUN_DIR "/zel.it 2>&1", &status);
        EXPECT_EQ(status, 0) << out;
    }
}

} // namespace
