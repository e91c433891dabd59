// demo-replay: the scripted clock and song position, its state lines and
// its errors.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support.h"

namespace fs = std::filesystem;

namespace
{

struct Replay {
    int status;
    std::string out, err;
};

// The scripts below speak in demotime; --offset 0 makes them hold for the
// ARM build too, whose own offset is -16.
Replay replay(const std::string& script, const std::string& args = "--offset 0")
{
    fs::path dir = fs::temp_directory_path();
    fs::path in = dir / ("replay-in-" + std::to_string(getpid()));
    fs::path errfile = dir / ("replay-err-" + std::to_string(getpid()));
    std::ofstream(in) << script;
    Replay r{-1, "", ""};
    std::string cmd = "cd " DEMO_RUN_DIR " && " DEMO_REPLAY_BIN " " + args + " < '" + in.string() +
                      "' 2> '" + errfile.string() + "'";
    FILE* p = popen(cmd.c_str(), "r");
    char buf[512];
    while (fgets(buf, sizeof buf, p))
        r.out += buf;
    int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    std::stringstream err;
    err << std::ifstream(errfile).rdbuf();
    r.err = err.str();
    fs::remove(in);
    fs::remove(errfile);
    return r;
}

// The value of one field of a state line.
int field(const std::string& line, const std::string& name)
{
    size_t at = line.find(" " + name + "=");
    if (line.rfind(name + "=", 0) == 0)
        at = 0;
    else if (at == std::string::npos)
        return -99999;
    else
        at++;
    return std::stoi(line.substr(at + name.size() + 1));
}

std::vector<std::string> lines(const std::string& s)
{
    std::vector<std::string> v;
    std::istringstream in(s);
    for (std::string l; std::getline(in, l);)
        v.push_back(l);
    return v;
}

} // namespace

TEST(Replay, StartUpTimeRunsAsTicks)
{
    Replay r = replay("render 1234 0 0\nstate\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "d=0 ao=-100 clearr=1 last_tick=1249 framepierr=25 framedelay=4 quit=0 "
                     "xr=1 yr=400 offsetx=160 offsety=320 offsetz=-170 scrlpos1=350 ang1=0 "
                     "ang2=0 lensx=0 lensy=0 roto=157 tw1=1 tw2=1\n");
}

// A run through the song with the skips a viewer makes with the arrow keys.
TEST(Replay, StateAcrossSkips)
{
    Replay r = replay("# logo, fly-in, then a skip back to the logo and forward to 1988\n"
                      "render 0 1 10\nstate\n"
                      "render 50 1 112\nstate\n"
                      "render 100 1 113\nstate\n"
                      "render 150 0 113\nstate\n"
                      "\n"
                      "render 200 5 20\nstate\n"
                      "render 250 5 21\n"
                      "render 299 5 21\nstate\n"
                      "render 1000 27 46\nstate\n"
                      "render 1050 27 47\nstate\n");
    ASSERT_EQ(r.status, 0) << r.err;
    auto s = lines(r.out);
    ASSERT_EQ(s.size(), 8u);
    EXPECT_EQ(field(s[0], "d"), 138);
    EXPECT_EQ(field(s[0], "ao"), -101);
    EXPECT_EQ(field(s[1], "ao"), -104); // d 240: the fly-in starts
    EXPECT_EQ(field(s[1], "offsetz"), -1042);
    EXPECT_EQ(field(s[2], "offsetz"), -1004);
    EXPECT_EQ(field(s[3], "d"), 113); // back on the blank scene
    EXPECT_EQ(field(s[3], "ao"), -100);
    EXPECT_EQ(field(s[4], "ao"), -106);
    EXPECT_EQ(field(s[5], "framepierr"), 6); // a call with no tick due changes nothing
    EXPECT_EQ(field(s[5], "last_tick"), 299);
    EXPECT_EQ(field(s[6], "quit"), 1);
    EXPECT_EQ(field(s[6], "framepierr"), 21);
    EXPECT_EQ(field(s[6], "framedelay"), 0);
    EXPECT_EQ(field(s[7], "framepierr"), 22); // the replayer never stops early
}

TEST(Replay, BuildOffsetIsTheDefault)
{
    Replay r = replay("render 0 0 10\nstate\n", "");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(field(r.out, "d"), 10 + DEMOTIME_OFFSET);
}

TEST(Replay, OffsetMovesTheTimeline)
{
    Replay r = replay("render 0 0 10\nstate\n", "--offset -16");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(field(r.out, "d"), -6);
    EXPECT_EQ(field(r.out, "ao"), -100);
}

TEST(Replay, SavesRawAndPng)
{
    fs::path dir = fs::temp_directory_path();
    std::string raw = (dir / "replay-frame.raw").string();
    std::string png = (dir / "replay-frame.png").string();
    Replay r = replay("render 0 1 50\nsave " + raw + "\nsave " + png + "\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(fs::file_size(raw), 153600u);
    std::ifstream f(png, std::ios::binary);
    char sig[8] = {};
    f.read(sig, 8);
    EXPECT_EQ(std::string(sig + 1, 3), "PNG");
    fs::remove(raw);
    fs::remove(png);
}

// The hash is FNV-1a over the bytes `save` writes raw: here the black
// screen before any frame, then the logo, which must hash otherwise.
TEST(Replay, HashesTheScreen)
{
    uint64_t black = 0xcbf29ce484222325ULL;
    for (int i = 0; i < 153600; i++)
        black *= 0x100000001b3ULL; // xor with a zero byte changes nothing
    char want[40];
    snprintf(want, sizeof want, "hash=%016llx\n", static_cast<unsigned long long>(black));
    Replay r = replay("hash\nrender 0 1 50\nhash\n");
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> out = lines(r.out);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0] + "\n", want);
    EXPECT_NE(out[1], out[0]);
    EXPECT_EQ(out[1].size(), 21u);
}

TEST(Replay, MalformedLinesStopWithTheirNumber)
{
    const std::pair<const char*, const char*> cases[] = {
        {"state\nrender 1 2\n", "demo-replay: line 2: render takes NOW POS ROW\n"},
        {"render x 0 0\n",
         "demo-replay: line 1: NOW must be a whole number of milliseconds, 0 to 4294967295\n"},
        {"render 0 40000 0\n", "demo-replay: line 1: POS must be a signed 16-bit number\n"},
        {"render 0 0 -1\n", "demo-replay: line 1: ROW must be an unsigned 16-bit number\n"},
        {"\n# note\nfly\n", "demo-replay: line 3: unknown command 'fly'\n"},
        {"save\n", "demo-replay: line 1: save takes one FILE\n"},
        {"state now\n", "demo-replay: line 1: state takes nothing\n"},
        {"hash it\n", "demo-replay: line 1: hash takes nothing\n"},
    };
    for (auto [script, err] : cases) {
        Replay r = replay(script);
        EXPECT_EQ(r.status, 2) << script;
        EXPECT_EQ(r.err, err);
    }
}
