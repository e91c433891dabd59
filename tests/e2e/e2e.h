// Running demo-replay from the end-to-end tests.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support.h"

struct Replay {
    int status;
    std::string out, err;
};

// Runs demo-replay in `dir` on `script` given on standard input. The
// scripts speak in demotime; --offset 0 makes them hold for the ARM build
// too, whose own offset is -16.
inline Replay replay(const std::string& script, const std::string& args = "--offset 0",
                     const std::string& dir = DEMO_RUN_DIR)
{
    namespace fs = std::filesystem;
    fs::path tmp = fs::temp_directory_path();
    std::string id = std::to_string(getpid());
    fs::path in = tmp / ("replay-in-" + id);
    fs::path errfile = tmp / ("replay-err-" + id);
    std::ofstream(in, std::ios::binary) << script;
    Replay r{-1, "", ""};
    // A replayer that hangs is stopped (status 124) rather than the suite.
    std::string cmd = "cd '" + dir + "' && timeout 600 " DEMO_REPLAY_BIN " " + args + " < '" +
                      in.string() + "' 2> '" + errfile.string() + "'";
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
