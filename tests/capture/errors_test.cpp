// What goes wrong: bad options and outputs, the demo's own start-up errors,
// and Ctrl-C; none of them leaves a file behind.
#include <gtest/gtest.h>

#include "capturerun.h"

namespace
{

int lines(const std::string& s)
{
    int n = 0;
    for (char c : s)
        n += c == '\n';
    return n;
}

// Nothing but the links to the run directory is left in `s`.
void expectnothingwritten(const Scratch& s)
{
    for (const fs::directory_entry& e : fs::directory_iterator(s.dir)) {
        std::string name = e.path().filename();
        EXPECT_TRUE(name == "zel.it" || name == "data") << name << " was left behind";
    }
}

} // namespace

TEST(CaptureErrors, BadOptionsAndOutputs)
{
    Scratch s;
    struct Case {
        const char* args;
        int status;
        const char* says;
    } cases[] = {
        {"--fps 0 a.mp4", 2, "--fps takes a whole number"},
        {"--scale", 2, "--scale takes"},
        {"--frobnicate a.mp4", 2, "unknown option --frobnicate"},
        {"", 2, "no OUT file"},
        {"--from 30 a.mkv", 2, "--from 30: the song has 28 positions"},
        {"a.avi", 1, "a.avi: unknown extension"},
        {"/nonexistent-dir/a.mp4", 1, "cannot write /nonexistent-dir/a.mp4:"},
        {"--script /nonexistent-dir/s.txt a.mp4", 1, "cannot write /nonexistent-dir/s.txt"},
        {"--dir /nonexistent-dir a.mp4", 1, "/nonexistent-dir: cannot enter"},
    };
    for (const Case& c : cases) {
        RunResult r = capture(s.dir, std::string("--quiet ") + c.args);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_EQ(r.err.rfind(std::string("demo-capture: ") + c.says, 0), 0u) << r.err;
        if (c.status == 1) {
            EXPECT_EQ(lines(r.err), 1) << r.err;
        }
    }
    expectnothingwritten(s);
}

// A missing module and a picture of the wrong shape: the demo's own lines.
TEST(CaptureErrors, StartupFailuresAreTheDemos)
{
    Scratch nomodule(false);
    fs::create_directory_symlink(fs::path(DEMO_RUN_DIR) / "data", nomodule.dir / "data");
    Scratch badpicture(false);
    fs::create_symlink(fs::path(DEMO_RUN_DIR) / "zel.it", badpicture.dir / "zel.it");
    fs::copy(fs::path(DEMO_RUN_DIR) / "data", badpicture.dir / "data");
    fs::copy_file(badpicture.dir / "data/car.png", badpicture.dir / "data/flare-green.png",
                  fs::copy_options::overwrite_existing);

    for (const Scratch* s : {&nomodule, &badpicture}) {
        RunResult demo =
            runprogram("cd '" + s->dir.string() +
                       "' && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy " + demoalone());
        RunResult r = capture(s->dir, "out.mp4");
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, demo.err);
        EXPECT_EQ(lines(r.err), 1) << r.err;
        EXPECT_FALSE(fs::exists(s->dir / "out.mp4"));
        EXPECT_FALSE(fs::exists(s->dir / "out.mp4.part"));
    }
}

TEST(CaptureErrors, InterruptRemovesThePartialFiles)
{
    Scratch s;
    // A background job of a script ignores SIGINT until the program sets its
    // own handler, which the capture does before it opens its files.
    RunResult r =
        runprogram("cd '" + s.dir.string() +
                   "' && { " DEMO_CAPTURE_BIN " --quiet --script run.txt song.mkv & pid=$!; "
                   "while [ ! -e song.mkv.part ]; do sleep 0.1; done; sleep 0.5; "
                   "kill -INT $pid; wait $pid; echo status $? >&2; }");
    EXPECT_NE(r.err.find("demo-capture: interrupted"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("status 130"), std::string::npos) << r.err;
    expectnothingwritten(s);
}
