// What a person sees while the capture runs: on a terminal one bar redrawn
// in place, otherwise one line every tenth of the way.
#pragma once

#include <chrono>
#include <string>

struct ProgressPoint {
    double fraction; // of the span captured, 0 to 1
    int pos, row;    // where the song is
    double speed;    // song seconds captured per second of work
    double left;     // seconds of work still to go, estimated
};

// One line of progress: with `bar`, the form redrawn on a terminal.
std::string progressline(const ProgressPoint& p, bool bar);

class Progress
{
  public:
    Progress(bool quiet, bool terminal) : quiet(quiet), terminal(terminal) {}
    // `fraction` of the span is done, the song at `pos`, `row`, after
    // `songseconds` of captured song.
    void update(double fraction, int pos, int row, double songseconds);
    void done(); // ends the bar's line

  private:
    using Clock = std::chrono::steady_clock;
    bool quiet, terminal;
    Clock::time_point start = Clock::now(), shown;
    int tenths = 0; // lines written so far, when not on a terminal
    bool drawn = false;
};
