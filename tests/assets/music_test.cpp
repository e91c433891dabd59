// The soundtrack: the module writer's bytes, the instruments' loops and
// fades, the song's shape, and how libmikmod and other players take it.
#include <gtest/gtest.h>
#include <mikmod.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "parts.h"
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

// The notes sounding on the three pad channels at t.
std::vector<int> padnotes(Score& s, int t)
{
    std::vector<int> out;
    for (int ch = PADCH; ch < PADCH + 3; ch++)
        for (int u = t; u >= 0; u--)
            if (s.at(u, ch).note >= 0) {
                out.push_back(s.at(u, ch).note);
                break;
            }
    std::sort(out.begin(), out.end());
    return out;
}

TEST(Parts, PadsVoiceEachChordCloseAndHoldCommonTones)
{
    Score s;
    std::vector<Chord> cs = chords("Am F C G E");
    pads(s, 0, cs, 30);
    for (size_t b = 0; b < cs.size(); b++) {
        SCOPED_TRACE(b);
        std::vector<int> v = padnotes(s, int(b) * BAR);
        ASSERT_EQ(v.size(), 3u);
        EXPECT_LE(v[2] - v[0], 12);
        std::vector<int> pcs;
        for (int n : v)
            pcs.push_back(n % 12);
        std::sort(pcs.begin(), pcs.end());
        std::vector<int> want = cs[b].tones(0, 3);
        EXPECT_EQ(pcs, want);
    }
    // Am -> F keeps A and C: one voice moves.
    int moved = 0;
    for (int ch = PADCH; ch < PADCH + 3; ch++)
        moved += s.at(BAR, ch).note >= 0;
    EXPECT_EQ(moved, 1);
}

TEST(Parts, HarmonyIsAThirdBelowAndTakesGSharpOverE)
{
    Score s;
    s.line(0, LEADCH, LEAD, 50, "E5 D5 C5 . _ _ _ _ _ _ _ _ _ _ _ _ B5 G#5 E5");
    harmony(s, 0, 2 * BAR, chords("Am E"), 20);
    EXPECT_EQ(s.at(0, HARMCH).note, pitch("C5"));
    EXPECT_EQ(s.at(2, HARMCH).note, pitch("B4"));
    EXPECT_EQ(s.at(4, HARMCH).note, pitch("A4"));
    EXPECT_EQ(s.at(6, HARMCH).note, 254);
    EXPECT_EQ(s.at(BAR, HARMCH).note, pitch("G#5"));
    EXPECT_EQ(s.at(BAR + 2, HARMCH).note, pitch("E5"));
    EXPECT_EQ(s.at(BAR + 4, HARMCH).note, pitch("C5")); // the scale's third below E
    EXPECT_EQ(s.at(BAR, HARMCH).volume, 20);
}

TEST(Parts, EchoRepeatsLaterQuieterFromSideToSide)
{
    Score s;
    s.line(0, LEADCH, LEAD, 50, "A4 C5 . E5");
    echo(s, 0, 8, 6, 40);
    EXPECT_EQ(s.at(6, ECHOCH).note, pitch("A4"));
    EXPECT_EQ(s.at(6, ECHOCH).volume, 20);
    EXPECT_EQ(s.at(8, ECHOCH).note, pitch("C5"));
    EXPECT_NE(s.at(6, ECHOCH).param, s.at(8, ECHOCH).param); // panned apart
    EXPECT_EQ(s.at(10, ECHOCH).note, 254);
    EXPECT_EQ(s.at(12, ECHOCH).note, pitch("E5"));
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

// A looped voice rings until something stops it: on the melodic channels no
// looped note may outlast two bars, and nothing loops on past the end.
TEST(Song, LoopedVoicesStop)
{
    ItSong song = composezel();
    const int end = 27 * POS + LASTROWS;
    auto cell = [&](int t, int ch) -> const ItCell& {
        return song.patterns[size_t(t / POS)].cells[size_t(t % POS) * CHANNELS + size_t(ch)];
    };
    auto looped = [&](int sample) { return song.samples[size_t(sample) - 1].loopbegin >= 0; };
    for (int ch = 0; ch < CHANNELS; ch++) {
        SCOPED_TRACE(ch);
        int since = -1; // start of the looped note sounding, or -1
        for (int t = 0; t < end; t++) {
            const ItCell& c = cell(t, ch);
            if (c.note >= 0) {
                if (since >= 0 && (ch == LEADCH || ch == ECHOCH || ch == HARMCH || ch == CHIPCH)) {
                    EXPECT_LE(t - since, 2 * BAR) << "note from row " << since;
                }
                since = c.note < 120 && looped(c.sample) ? t : -1;
            }
        }
        EXPECT_EQ(since, -1) << "a looped note from row " << since << " rings to the end";
    }
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

    // The car flies in for 25 ticks of 50 ms once demotime passes 240: on
    // x86-64 over rows 113..127 of position 1 and row 0 of position 2, on ARM
    // (16 rows behind) over rows 1..16 of position 2. The slow rows run from
    // row 112 of position 1 to the end of the drop's first bar.
    double x86 = 0, arm = 0;
    for (int r = 112; r < 128; r++)
        EXPECT_GE(rowms[256 + r], 80 - 1e-9) << "position 1 row " << r;
    for (int r = 0; r < 32; r++)
        EXPECT_GE(rowms[2 * 256 + r], 80 - 1e-9) << "position 2 row " << r;
    for (int d = 241; d <= 256; d++) {
        x86 += rowms[d / 128 * 256 + d % 128];
        arm += rowms[2 * 256 + d - 240];
    }
    EXPECT_GE(x86, 1250);
    EXPECT_GE(arm, 1250);
    // Everywhere else a row lasts 60 ms.
    EXPECT_DOUBLE_EQ(rowms[1 * 256 + 100], 60);
    EXPECT_DOUBLE_EQ(rowms[1 * 256 + 111], 60);
    EXPECT_DOUBLE_EQ(rowms[2 * 256 + 32], 60);
    EXPECT_DOUBLE_EQ(rowms[27 * 256 + 45], 60);
}

// What the demo plays: libmikmod's mixer output, pulled directly, stays
// below -1 dBFS.
TEST(Song, LibmikmodMixStaysBelowFullScale)
{
    MikMod_RegisterDriver(&drv_nos);
    MikMod_RegisterLoader(&load_it);
    md_mode |= DMODE_SOFT_MUSIC;
    ASSERT_EQ(MikMod_Init(""), 0) << MikMod_strerror(MikMod_errno);
    MODULE* m = Player_Load(DEMO_RUN_DIR "/zel.it", 64, 0);
    ASSERT_TRUE(m) << MikMod_strerror(MikMod_errno);
    Player_Start(m);
    std::vector<SWORD> buf(4096);
    int peak = 0;
    long frames = 0;
    while (Player_Active() && frames < 300L * md_mixfreq) {
        ULONG n = VC_WriteBytes(reinterpret_cast<SBYTE*>(buf.data()), ULONG(buf.size() * 2)) / 2;
        for (ULONG i = 0; i < n; i++)
            peak = std::max(peak, std::abs(int(buf[i])));
        frames += long(n / 2);
    }
    Player_Stop();
    Player_Free(m);
    MikMod_Exit();
    EXPECT_LT(peak, 29205) << "-1 dBFS is 29204";
    EXPECT_GT(peak, 16384) << "and the song is not timid either";
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
