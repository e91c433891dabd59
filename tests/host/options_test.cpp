// The demo's command line, parsed and as the program answers it.
#include <gtest/gtest.h>

#include "options.h"
#include "support.h"

namespace
{

std::optional<int> parse(std::vector<std::string> args, Options& o)
{
    return parseoptions(args, o);
}

} // namespace

TEST(Options, NoArgumentsKeepTheDefaults)
{
    Options o;
    EXPECT_EQ(parse({}, o), std::nullopt);
    EXPECT_FALSE(o.fullscreen);
    EXPECT_EQ(o.scale, 0);
}

TEST(Options, FullscreenAndScaleCombine)
{
    Options o;
    EXPECT_EQ(parse({"--scale", "3", "--fullscreen"}, o), std::nullopt);
    EXPECT_TRUE(o.fullscreen);
    EXPECT_EQ(o.scale, 3);
    EXPECT_EQ(parse({"--scale", "16"}, o), std::nullopt);
    EXPECT_EQ(o.scale, 16);
}

TEST(Options, BadScalesAndUnknownArgumentsStopWithStatus2)
{
    for (std::vector<std::string> args : {std::vector<std::string>{"--scale"},
                                          {"--scale", "0"},
                                          {"--scale", "17"},
                                          {"--scale", "-2"},
                                          {"--scale", "2x"},
                                          {"--scale", ""},
                                          {"--scale", "007"},
                                          {"--fullscreen", "extra"},
                                          {"-h"},
                                          {"--Fullscreen"},
                                          {"--scale=2"}}) {
        Options o;
        EXPECT_EQ(parse(args, o), 2) << args.back();
    }
}

TEST(Options, VersionAndHelpStopWithStatus0)
{
    Options o;
    testing::internal::CaptureStdout();
    EXPECT_EQ(parse({"--fullscreen", "--version"}, o), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "quorvast " DEMO_VERSION "\n");
    testing::internal::CaptureStdout();
    EXPECT_EQ(parse({"--help", "--bogus"}, o), 0); // the first that stops wins
    EXPECT_EQ(testing::internal::GetCapturedStdout(), helptext());
}

TEST(Options, HelpNamesEveryKeyOptionAndVariable)
{
    std::string help = helptext();
    for (const char* word : {"Escape", "Left", "Right", "F11", "Alt+Enter", "--fullscreen",
                             "--scale", "--version", "SDL12COMPAT_WINDOW_SCALING",
                             "SDL12COMPAT_SCALE_METHOD", "SDL_VIDEODRIVER", "SDL_AUDIODRIVER"})
        EXPECT_NE(help.find(word), std::string::npos) << word;
}

// The real program answers before it opens anything: no display is needed.
TEST(Options, TheProgramAnswersWithItsStatus)
{
    RunResult r = runprogram(std::string(DEMO_BIN) + " --version");
    EXPECT_EQ(r.status, 0);
    r = runprogram(std::string(DEMO_BIN) + " --help");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    r = runprogram(std::string(DEMO_BIN) + " --scale 99");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err,
              "quorvast: --scale wants a whole number from 1 to 16, not '99' (try --help)\n");
    r = runprogram(std::string(DEMO_BIN) + " zel.it");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "quorvast: unknown argument 'zel.it' (try --help)\n");
}
