#include "script.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <vector>

namespace
{

// A word as it may be shown back: at most 32 bytes, every byte outside
// printable ASCII as '?'.
std::string shown(std::string_view w)
{
    const size_t most = 32;
    std::string s;
    for (size_t i = 0; i < w.size() && i < most; i++)
        s += w[i] >= 0x20 && w[i] < 0x7F ? w[i] : '?';
    return w.size() > most ? s + "..." : s;
}

// A whole word as an integer within [lo, hi], or false. An optional '+' is
// taken, as strtoll always did; nothing may follow the digits.
bool parseint(std::string_view s, long long lo, long long hi, long long* out)
{
    if (!s.empty() && s[0] == '+')
        s.remove_prefix(1);
    long long v;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size() || v < lo || v > hi)
        return false;
    *out = v;
    return true;
}

bool blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

} // namespace

std::string parseline(std::string_view line, Command* cmd)
{
    *cmd = Command{};
    if (line.size() > SCRIPT_LINE_MAX)
        return "longer than " + std::to_string(SCRIPT_LINE_MAX) + " bytes";
    for (size_t i = 0; i < line.size(); i++) {
        unsigned char c = line[i];
        if ((c < 0x20 && !blank(line[i])) || c == 0x7F) {
            char hex[8];
            snprintf(hex, sizeof hex, "0x%02X", c);
            return std::string("control byte ") + hex + " at column " + std::to_string(i + 1);
        }
    }
    std::vector<std::string_view> words;
    for (size_t i = 0; i < line.size();) {
        while (i < line.size() && blank(line[i]))
            i++;
        size_t start = i;
        while (i < line.size() && !blank(line[i]))
            i++;
        if (i > start)
            words.push_back(line.substr(start, i - start));
    }
    if (words.empty() || words[0][0] == '#')
        return "";
    std::string_view name = words[0];
    if (name == "render") {
        long long now, pos, row;
        if (words.size() != 4)
            return "render takes NOW POS ROW";
        if (!parseint(words[1], 0, SCRIPT_NOW_MAX, &now))
            return "NOW must be a whole number of milliseconds, 0 to " +
                   std::to_string(SCRIPT_NOW_MAX);
        if (!parseint(words[2], -32768, 32767, &pos))
            return "POS must be a signed 16-bit number";
        if (!parseint(words[3], 0, 65535, &row))
            return "ROW must be an unsigned 16-bit number";
        *cmd = {Command::render, static_cast<unsigned>(now), static_cast<int>(pos),
                static_cast<int>(row), ""};
        return "";
    }
    if (name == "save") {
        if (words.size() != 2)
            return "save takes one FILE";
        cmd->kind = Command::save;
        cmd->file = words[1];
        return "";
    }
    if (name == "state") {
        if (words.size() != 1)
            return "state takes nothing";
        cmd->kind = Command::state;
        return "";
    }
    if (name == "hash") {
        if (words.size() != 1)
            return "hash takes nothing";
        cmd->kind = Command::hash;
        return "";
    }
    return "unknown command '" + shown(name) + "'";
}

bool Scriptreader::next(std::string* line)
{
    line->clear();
    errno = 0;
    for (int c; (c = getc(in)) != EOF;) {
        if (c == '\n')
            return true;
        // Past the limit the rest is dropped: parseline refuses the line.
        if (line->size() <= SCRIPT_LINE_MAX)
            *line += static_cast<char>(c);
    }
    if (ferror(in)) {
        err = std::string("cannot read: ") + strerror(errno ? errno : EIO);
        return false;
    }
    return !line->empty(); // a last line without its newline
}
