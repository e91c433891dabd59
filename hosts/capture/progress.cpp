#include "progress.h"

#include <cstdio>

namespace
{

std::string minutes(double s)
{
    int t = s < 0 ? 0 : static_cast<int>(s + 0.5);
    char buf[32];
    snprintf(buf, sizeof buf, "%d:%02d", t / 60, t % 60);
    return buf;
}

} // namespace

std::string progressline(const ProgressPoint& p, bool bar)
{
    constexpr int width = 24;
    int filled = static_cast<int>(p.fraction * width);
    if (filled > width)
        filled = width;
    char buf[160];
    snprintf(buf, sizeof buf, "position %2d row %3d  %3d%%  %.1fx real time  %s left", p.pos, p.row,
             static_cast<int>(p.fraction * 100), p.speed, minutes(p.left).c_str());
    if (!bar)
        return buf;
    return "[" + std::string(filled, '#') + std::string(width - filled, '.') + "] " + buf;
}

void Progress::update(double fraction, int pos, int row, double songseconds)
{
    if (quiet)
        return;
    Clock::time_point now = Clock::now();
    if (terminal && drawn && now - shown < std::chrono::milliseconds(100) && fraction < 1)
        return;
    if (!terminal && static_cast<int>(fraction * 10) <= tenths)
        return;
    double work = std::chrono::duration<double>(now - start).count();
    ProgressPoint p{fraction, pos, row, work > 0 ? songseconds / work : 0,
                    fraction > 0 ? work * (1 - fraction) / fraction : 0};
    if (terminal) {
        fprintf(stderr, "\r%s\033[K", progressline(p, true).c_str());
        drawn = true;
        shown = now;
    } else {
        tenths = static_cast<int>(fraction * 10);
        fprintf(stderr, "demo-capture: %s\n", progressline(p, false).c_str());
    }
}

void Progress::done()
{
    if (drawn)
        fputc('\n', stderr);
    drawn = false;
}
