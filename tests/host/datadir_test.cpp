// Where the demo looks for zel.it and data/. The package test runs an
// unpacked installation from a directory without the data.
#include <gtest/gtest.h>

#include <filesystem>

#include "datadir.h"

namespace fs = std::filesystem;

TEST(DataDir, WorkingDirectoryFirstThenBesideTheProgram)
{
    std::vector<std::string> dirs = datacandidates("/opt/q/games");
    ASSERT_EQ(dirs.size(), 4u);
    EXPECT_EQ(dirs[0], ".");
    EXPECT_EQ(dirs[1], fs::path("/opt/q/games/" DEMO_DATA_FROM_PROGRAM).lexically_normal());
    EXPECT_EQ(dirs[2], "/opt/q/games/");
    EXPECT_EQ(dirs[3], "/opt/q/games/run");
    EXPECT_EQ(datacandidates(""), std::vector<std::string>{"."});
}
