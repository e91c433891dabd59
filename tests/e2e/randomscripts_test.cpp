// demo-replay on scripts from fixed seeds: whole songs with the skips a
// viewer makes, and scripts of extreme values (any clock reading, forwards
// and backwards, any song position and row). Each must run to its end with
// status 0 and nothing on standard error; in the sanitizer build this is
// where undefined behaviour or a bad address would show.
// DEMO_SONGS and DEMO_EXTREME_SCRIPTS set how many (default 1 and 20).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>

#include "e2e.h"

namespace fs = std::filesystem;

namespace
{

int count(const char* variable, int fallback)
{
    const char* v = std::getenv(variable);
    return v && *v ? std::atoi(v) : fallback;
}

// A whole song from its first row to past the timeline's end: frames at an
// uneven pace, rows at 60 ms, now and then a position skipped back or on.
std::string songscript(unsigned seed)
{
    std::mt19937 random(seed);
    std::ostringstream s;
    long long now = 0;
    int pos = 0, row = 0, carry = 0;
    for (int frame = 0; pos * 128 + row < 3520; frame++) {
        int gap = 1 + int(random() % 120);
        now += gap;
        for (carry += gap; carry >= 60; carry -= 60)
            if (++row == 128)
                row = 0, pos++;
        switch (random() % 300) {
        case 0:
            pos = pos > 0 ? pos - 1 : 0, row = 0;
            break;
        case 1:
            pos++, row = 0;
            break;
        }
        s << "render " << now << " " << pos << " " << row << "\n";
        if (frame % 25 == 0)
            s << "hash\nstate\n";
    }
    s << "state\n";
    return s.str();
}

// Thirty lines of extreme values. Forward jumps stay below 10^7 ms (200,000
// ticks) but for every fiftieth script, which starts near the top of the
// clock: those work off 43 million ticks.
std::string extremescript(unsigned seed, const std::string& savefile)
{
    std::mt19937 random(seed);
    auto pick = [&](long long lo, long long hi) {
        return lo + (long long)(random() % (unsigned long long)(hi - lo + 1));
    };
    const long long top = 2147483599;
    std::ostringstream s;
    long long now = seed % 50 == 0 ? top - pick(0, 100000) : pick(0, 1000);
    for (int line = 0; line < 30; line++) {
        switch (random() % 10) {
        case 0: // backwards, anywhere
            now = pick(0, now);
            break;
        case 1: // a long stall
            now = std::min(top, now + pick(0, 10000000));
            break;
        case 2: // the top itself
            if (now > top - 10000000)
                now = top;
            break;
        default:
            now = std::min(top, now + pick(0, 200));
        }
        int pos, row;
        switch (random() % 4) {
        case 0:
            pos = int(pick(-32768, 32767)), row = int(pick(0, 65535));
            break;
        case 1:
            pos = random() % 2 ? 32767 : -32768, row = random() % 2 ? 65535 : 0;
            break;
        default:
            pos = int(pick(-1, 28)), row = int(pick(0, 127));
        }
        s << "render " << now << " " << pos << " " << row << "\n";
        switch (random() % 8) {
        case 0:
            s << "state\n";
            break;
        case 1:
            s << "hash\n";
            break;
        case 2:
            s << "save " << savefile << "\n";
            break;
        }
    }
    return s.str();
}

} // namespace

TEST(RandomScripts, WholeSongsWithSkips)
{
    int songs = count("DEMO_SONGS", 1);
    for (int i = 0; i < songs; i++) {
        for (const char* offset : {"--offset 0", "--offset -16"}) {
            Replay r = replay(songscript(1000 + i), offset);
            ASSERT_EQ(r.status, 0) << "song " << i << " " << offset << ": " << r.err;
            EXPECT_EQ(r.err, "");
            std::string last = r.out.substr(r.out.rfind("d="));
            EXPECT_NE(last.find(" quit=1 "), std::string::npos) << last;
        }
    }
}

TEST(RandomScripts, ExtremeValues)
{
    int scripts = count("DEMO_EXTREME_SCRIPTS", 20);
    fs::path save = fs::temp_directory_path() / ("extreme-" + std::to_string(getpid()) + ".raw");
    for (int i = 0; i < scripts; i++) {
        Replay r = replay(extremescript(i, save.string()), "--offset 0");
        ASSERT_EQ(r.status, 0) << "script " << i << ": " << r.err;
        EXPECT_EQ(r.err, "") << "script " << i;
    }
    fs::remove(save);
}
