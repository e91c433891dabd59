// The real demo binary, run headless: its start-up failures and that it
// keeps running with all its data.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "image.h"
#include "support.h"

namespace fs = std::filesystem;

namespace
{

// A scratch copy of the run directory that a test may spoil.
struct Demo : ::testing::Test {
    fs::path dir;

    void SetUp() override
    {
        std::string tmpl = (fs::temp_directory_path() / "demo-e2e-XXXXXX").string();
        ASSERT_TRUE(mkdtemp(tmpl.data()));
        dir = tmpl;
        fs::copy(DEMO_RUN_DIR, dir, fs::copy_options::recursive);
    }
    void TearDown() override { fs::remove_all(dir); }

    RunResult run(const std::string& seconds = "5")
    {
        return runprogram("cd '" + dir.string() +
                          "' && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy timeout " + seconds +
                          " " DEMO_BIN);
    }
};

} // namespace

TEST_F(Demo, MissingModule)
{
    fs::remove(dir / "zel.it");
    RunResult r = run();
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("Could not load module, reason: ", 0), 0u) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
}

TEST_F(Demo, MissingPicture)
{
    fs::remove(dir / "data/2torus.png");
    RunResult r = run();
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("Could not load picture data/2torus.png: ", 0), 0u) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
}

TEST_F(Demo, PicturesOfTheWrongShape)
{
    const std::pair<const char*, std::string> cases[] = {
        {"car.png", "expected 256x256, got 128x128"},
        {"zellogo.png", "expected 320x240, got 128x128"},
        {"sinitausta.png", "expected 256x240 or taller, got 128x128"},
        {"back-16x16.png", "expected 514x192 or taller, got 128x128"},
        // One row too many is as wrong as one too few where the size is exact.
        {"mirvroto.png", "expected 320x240, got 320x241"},
        {"2torus.png", "expected 256x256, got 256x257"},
        {"flare-green.png", "expected 64x64, got 64x65"},
    };
    for (auto& [file, why] : cases) {
        fs::path p = dir / "data" / file;
        fs::path keep = dir / "keep.png";
        fs::rename(p, keep);
        int w = 128, h = 128;
        std::sscanf(why.c_str() + why.find("got ") + 4, "%dx%d", &w, &h);
        Image(w, h).save(p.string());
        RunResult r = run();
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, std::string("Could not load picture data/") + file + ": " + why + "\n");
        fs::rename(keep, p);
    }
}

TEST_F(Demo, NotAPicture)
{
    std::FILE* f = std::fopen((dir / "data/flare-red2.png").c_str(), "w");
    std::fputs("not a png", f);
    std::fclose(f);
    RunResult r = run();
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("Could not load picture data/flare-red2.png: ", 0), 0u) << r.err;
}

TEST_F(Demo, KeepsRunningWithAllItsData)
{
    RunResult r = run("3");
    EXPECT_EQ(r.status, 124) << r.err; // still running when timeout stopped it
    EXPECT_EQ(r.err, "");
}
