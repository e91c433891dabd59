#include "recorder.h"

#include "encoder.h"
#include "mixdriver.h"
#include "progress.h"
#include "sequencer/sequencer.h"

Recorder::Recorder(MODULE* module, Span span, int fps, Encoder* encoder, FILE* script,
                   Progress* progress)
    : module(module), span(span), fps(fps), encoder(encoder), script(script), progress(progress),
      pixels(static_cast<const uint16_t*>(screen->pixels))
{
    int lastpos = span.to < 0 || span.to > module->numpos ? module->numpos : span.to;
    firstrow = songrows(span.from);
    lastrow = songrows(lastpos);
    // The mix runs one sample ahead of the clock: a row that starts on the
    // very sample of an instant is then the song's position at that instant.
    mixmusic(ahead, 1);
    checkspan();
}

int Recorder::songrows(int pos) const
{
    int rows = 0;
    for (int p = 0; p < pos && p < module->numpos; p++)
        rows += module->pattrows[module->positions[p]];
    return rows;
}

double Recorder::seconds() const
{
    unsigned upto = finished ? end : recording ? clock : start;
    return (upto - start) / 1000.0;
}

void Recorder::drawn(int pos, int row)
{
    draws++;
    if (script)
        fprintf(script, "render %u %d %d\n", clock, pos, row);
}

bool Recorder::over() const { return finished || !failure.empty(); }

// Frame K of the video stands at start + K * 1000 / fps ms; the screen as
// it is when the clock leaves that millisecond is its picture.
void Recorder::takeframe()
{
    std::string err = encoder->video(pixels, draws != lastdraw);
    lastdraw = draws;
    if (!err.empty())
        failure = err;
    if (script)
        fprintf(script, "save frame-%06ld.raw\n", frame);
    frame++;
}

// The capture starts at the first instant the song stands at `from` and
// stops at the first instant it stands at `to` or has ended.
void Recorder::checkspan()
{
    if (!recording && !finished && module->sngpos >= span.from) {
        recording = true;
        start = clock;
    }
    if (recording && ((span.to >= 0 && module->sngpos >= span.to) || !Player_Active())) {
        recording = false;
        finished = true;
        end = clock;
    }
    if (finished && progress)
        progress->update(1, module->sngpos, module->patpos, seconds());
    if (recording && clock % 10 == 0 && progress) {
        int row = songrows(module->sngpos) + module->patpos;
        progress->update(double(row - firstrow) / (lastrow - firstrow), module->sngpos,
                         module->patpos, seconds());
    }
}

void Recorder::step()
{
    if (over())
        return;
    if (recording)
        while (!over() && start + frame * 1000 / fps <= clock)
            takeframe();
    // The samples of this millisecond: those from t * 44.1 up to (t + 1) *
    // 44.1, rounded down, so no rounding error builds up.
    short mix[2 * (mixrate / 1000 + 2)];
    int n =
        static_cast<int>(uint64_t(clock + 1) * mixrate / 1000 - uint64_t(clock) * mixrate / 1000);
    mix[0] = ahead[0];
    mix[1] = ahead[1];
    mixmusic(mix + 2, n);
    ahead[0] = mix[2 * n];
    ahead[1] = mix[2 * n + 1];
    if (recording && failure.empty()) {
        std::string err = encoder->audio(mix, n);
        if (!err.empty())
            failure = err;
    }
    clock++;
    checkspan();
}
