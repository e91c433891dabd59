// Bad data at start-up, every kind a user or a hostile file gives: each
// picture and the module missing, empty, cut short, of another kind or
// shape, a directory; a module of another song. The demo and the replayer
// must each stop with exactly one line and status 1 (in the sanitizer build
// too, where a crash or a leak would add lines of its own).
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "base/base.h"
#include "e2e.h"
#include "image.h"

namespace fs = std::filesystem;

namespace
{

using Bytes = std::vector<char>;

Bytes readbytes(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void writebytes(const fs::path& p, const Bytes& b)
{
    std::ofstream(p, std::ios::binary).write(b.data(), b.size());
}

// One way of spoiling a file: what stands in its place.
struct Spoil {
    const char* name;
    void (*apply)(const fs::path& file, const Bytes& good);
};

const Spoil filespoils[] = {
    {"missing", [](const fs::path& f, const Bytes&) { fs::remove(f); }},
    {"empty", [](const fs::path& f, const Bytes&) { writebytes(f, {}); }},
    {"cut in half",
     [](const fs::path& f, const Bytes& g) {
         writebytes(f, Bytes(g.begin(), g.begin() + g.size() / 2));
     }},
    {"cut after 100 bytes",
     [](const fs::path& f, const Bytes& g) { writebytes(f, Bytes(g.begin(), g.begin() + 100)); }},
    {"text",
     [](const fs::path& f, const Bytes&) {
         std::string t = "not what it should be\n";
         writebytes(f, Bytes(t.begin(), t.end()));
     }},
    {"a directory",
     [](const fs::path& f, const Bytes&) {
         fs::remove(f);
         fs::create_directory(f);
     }},
};

// A scratch copy of the run directory, made once: each case spoils one file
// and puts it back.
struct Baddata : ::testing::Test {
    static fs::path dir;

    static void SetUpTestSuite()
    {
        std::string tmpl = (fs::temp_directory_path() / "demo-baddata-XXXXXX").string();
        ASSERT_TRUE(mkdtemp(tmpl.data()));
        dir = tmpl;
        fs::copy(DEMO_RUN_DIR, dir, fs::copy_options::recursive);
    }
    static void TearDownTestSuite() { fs::remove_all(dir); }

    void SetUp() override
    {
#if defined(__arm__)
        // The start-up is the same code on both targets; under the emulator
        // this matrix would take minutes.
        GTEST_SKIP();
#endif
    }

    // Runs the demo headless and, unless told not to, the replayer: each
    // must fail with one line starting with `prefix`.
    void expectoneline(const std::string& prefix, const std::string& what, bool replayer = true)
    {
        RunResult demo = runprogram("cd '" + dir.string() +
                                    "' && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy timeout 60 " +
                                    demoalone());
        EXPECT_EQ(demo.status, 1) << what << ": " << demo.err;
        expectline(demo.err, prefix, what);
        if (!replayer)
            return;
        Replay r = replay("state\n", "", dir.string());
        EXPECT_EQ(r.status, 1) << what << ": " << r.err;
        EXPECT_EQ(r.out, "") << what;
        expectline(r.err, "demo-replay: " + prefix, what);
    }

    static void expectline(const std::string& err, const std::string& prefix,
                           const std::string& what)
    {
        EXPECT_EQ(err.rfind(prefix, 0), 0u) << what << ": " << err;
        EXPECT_EQ(err.find('\n'), err.size() - 1) << what << ": " << err;
        EXPECT_LT(err.size(), 200u) << what;
    }

    // Replaces `file` by `spoiled` for one case.
    void withfile(const fs::path& file, const Bytes& spoiled, const std::string& prefix,
                  const std::string& what)
    {
        Bytes good = readbytes(file);
        writebytes(file, spoiled);
        expectoneline(prefix, what);
        writebytes(file, good);
    }
};

fs::path Baddata::dir;

} // namespace

// The replayer loads the pictures with the same function; the first one
// shows that it reports the same lines.
TEST_F(Baddata, EveryPictureSpoiledEveryWay)
{
    int cases = 0;
    for (int i = 0; i < PICTURES; i++) {
        std::string name = picturefile(i);
        fs::path file = dir / name;
        std::string prefix = "Could not load picture " + name + ": ";
        Bytes good = readbytes(file);
        for (const Spoil& s : filespoils) {
            s.apply(file, good);
            expectoneline(prefix, name + " " + s.name, i == 0);
            fs::remove_all(file);
            writebytes(file, good);
            cases++;
        }
        // A good PNG of a shape no reader of it takes.
        Image(100, 50).save(file.string());
        expectoneline(prefix, name + " 100x50", i == 0);
        writebytes(file, good);
        cases++;
    }
    EXPECT_EQ(cases, 16 * 7);
}

// Found by fuzzing: a chunk that claims 16 MB of a 177-byte file. SDL_image
// ignores libpng's short reads, so the stale bytes came round again and the
// start-up never ended.
TEST_F(Baddata, PictureWhoseChunkRunsPastTheEnd)
{
    Bytes fixture = readbytes(DEMO_SOURCE_DIR "/tests/fixtures/png-chunk-past-end.png");
    ASSERT_EQ(fixture.size(), 177u);
    withfile(dir / "data/car.png", fixture,
             "Could not load picture data/car.png: cut short: a chunk runs past the end",
             "a chunk past the end");
}

TEST_F(Baddata, ModuleSpoiledEveryWay)
{
    fs::path file = dir / "zel.it";
    const std::string prefix = "Could not load module, reason: ";
    Bytes good = readbytes(file);
    for (const Spoil& s : filespoils) {
        s.apply(file, good);
        expectoneline(prefix, std::string("zel.it ") + s.name);
        fs::remove_all(file);
        writebytes(file, good);
    }
}

// Random bytes behind the magic of every format MikMod's loaders know, so
// each loader reads past its first check.
TEST_F(Baddata, RandomBytesBehindEachTrackerMagic)
{
    const struct {
        const char* format;
        size_t at;
        std::string magic;
    } magics[] = {
        {"IT", 0, "IMPM"},
        {"XM", 0, "Extended Module: "},
        {"S3M", 0x2C, "SCRM"},
        {"MOD", 1080, "M.K."},
        {"MOD 8 channels", 1080, "8CHN"},
        {"MTM", 0, "MTM"},
        {"669", 0, "if"},
        {"669 extended", 0, "JN"},
        {"STM", 20, "!Scream!"},
        {"STX", 0x3C, "SCRM"},
        {"ULT", 0, "MAS_UTrack_V004"},
        {"FAR", 0, "FAR\xfe"},
        {"MED", 0, "MMD0"},
        {"OKT", 0, "OKTASONG"},
        {"DSM", 0, "RIFF\0\0\0\0DSMF"},
        {"AMF", 0, "AMF\x0e"},
        {"ASY", 0, "ASYLUM Music Format V1.0"},
        {"GDM", 0, "GDM\xfe"},
        {"IMF", 0x3C, "IM10"},
        {"UNI", 0, "UN06"},
        {"APUN", 0, "APUN\x01"},
        {"GT2", 0, "GT2"},
        {"UMX", 0, "\xC1\x83\x2A\x9E"},
    };
    std::mt19937 random(20261208);
    for (auto& m : magics) {
        for (size_t length : {m.at + m.magic.size() + 16, size_t(8192)}) {
            Bytes b(length);
            for (char& c : b)
                c = char(random());
            std::copy(m.magic.begin(), m.magic.end(), b.begin() + m.at);
            withfile(dir / "zel.it", b, "Could not load module, reason: ",
                     std::string(m.format) + " " + std::to_string(length) + " bytes");
        }
    }
}

// A good module that is not our song: it ends before the timeline does, so
// the demo would never end by itself.
TEST_F(Baddata, ModuleOfAShorterSong)
{
    fs::path file = dir / "zel.it";
    Bytes good = readbytes(file);
    for (int positions : {1, 20, 27}) {
        // The order list starts at 0xC0; 255 ends the song there.
        Bytes b = good;
        b[0xC0 + positions] = char(255);
        withfile(file, b,
                 "Could not load module, reason: the song has " + std::to_string(positions) +
                     " positions",
                 std::to_string(positions) + " positions");
    }
}
