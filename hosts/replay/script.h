// The reader of demo-replay's scripts: lines into commands, or the reason a
// line is wrong. It runs nothing, so it can be fed any bytes.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

struct Command {
    enum Kind { none, render, save, state, hash } kind = none; // none: blank or a comment
    unsigned now = 0;                                          // render
    int pos = 0, row = 0;                                      // render
    std::string file;                                          // save
};

// The largest NOW a script may give: the clock's last tick, up to 49 ms
// ahead of it, must still fit the state line's int.
constexpr long long SCRIPT_NOW_MAX = 2147483599;

// Longer lines are refused before they are looked at.
constexpr size_t SCRIPT_LINE_MAX = 4096;

// Parses one line (without its newline). Returns "" and fills `cmd`, or what
// is wrong, cut to a readable length.
std::string parseline(std::string_view line, Command* cmd);

// Reads a script line by line from a stream.
class Scriptreader
{
  public:
    explicit Scriptreader(FILE* in) : in(in) {}
    // The next line into `line`; false at the end or on a read error.
    bool next(std::string* line);
    // After next() returned false: "" at the end, or why reading failed.
    const std::string& error() const { return err; }

  private:
    FILE* in;
    std::string err;
};
