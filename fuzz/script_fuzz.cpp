// The replayer's script reader on any bytes: every line is either taken or
// refused with one short line of its own, and what is taken is in range.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t n)
{
    FILE* in = fmemopen(const_cast<uint8_t*>(data), n, "r");
    if (!in)
        return 0;
    Scriptreader reader(in);
    std::string line;
    while (reader.next(&line)) {
        Command cmd;
        std::string err = parseline(line, &cmd);
        if (!err.empty()) {
            if (err.size() > 80 || err.find('\n') != std::string::npos)
                abort();
            continue;
        }
        if (cmd.kind == Command::render && (cmd.now > SCRIPT_NOW_MAX || cmd.pos < -32768 ||
                                            cmd.pos > 32767 || cmd.row < 0 || cmd.row > 65535))
            abort();
        if (cmd.kind == Command::save && cmd.file.empty())
            abort();
    }
    if (!reader.error().empty())
        abort(); // memory never fails to read
    fclose(in);
    return 0;
}
