// The virtual clock of the capture and what happens on each 1 ms step: the
// video frames whose instants fall in it are taken from the screen, then the
// samples that belong to it are mixed, so at every instant the song position
// is the position of the sound heard then.
#pragma once

#include <mikmod.h>

#include <cstdint>
#include <cstdio>
#include <string>

class Encoder;
class Progress;

struct Span {
    int from = 0, to = -1; // song positions: the capture runs from `from` to `to`
};

class Recorder
{
  public:
    Recorder(MODULE* module, Span span, int fps, Encoder* encoder, FILE* script,
             Progress* progress);

    unsigned now() const { return clock; }
    // One render() read the song position: it draws a frame now.
    void drawn(int pos, int row);
    void step();       // the clock moves on 1 ms
    bool over() const; // the span has been captured, or writing failed
    const std::string& error() const { return failure; }
    long frames() const { return frame; }
    double seconds() const; // of song captured so far

  private:
    void takeframe();
    void checkspan();
    int songrows(int pos) const; // rows of the song before position `pos`

    MODULE* module;
    Span span;
    int fps;
    Encoder* encoder;
    FILE* script;
    Progress* progress;
    const uint16_t* pixels;
    unsigned clock = 0, start = 0, end = 0;
    bool recording = false, finished = false;
    long frame = 0;                // the next video frame
    long draws = 0, lastdraw = -1; // render()s that drew; the one last taken
    int firstrow, lastrow;         // the span in rows of the song
    short ahead[2];                // the sample mixed ahead of the clock
    std::string failure;
};
