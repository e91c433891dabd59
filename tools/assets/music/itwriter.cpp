#include "itwriter.h"

namespace
{

struct Out {
    std::vector<uint8_t> b;
    void u8(int v) { b.push_back(uint8_t(v)); }
    void u16(int v) { u8(v & 255), u8(v >> 8 & 255); }
    void u32(uint32_t v) { u16(v & 0xFFFF), u16(v >> 16); }
    void text(const std::string& s, size_t n)
    {
        for (size_t i = 0; i < n; i++)
            u8(i < s.size() ? s[i] : 0);
    }
    void put32(size_t at, uint32_t v)
    {
        for (int i = 0; i < 4; i++)
            b[at + i] = uint8_t(v >> (8 * i));
    }
};

std::vector<uint8_t> packpattern(const ItPattern& p)
{
    Out o;
    for (int r = 0; r < p.rows; r++) {
        for (int ch = 0; ch < p.channels; ch++) {
            const ItCell& c = p.cells[size_t(r) * p.channels + ch];
            int mask = (c.note >= 0 ? 1 : 0) | (c.sample > 0 ? 2 : 0) | (c.volume >= 0 ? 4 : 0) |
                       (c.command > 0 ? 8 : 0);
            if (!mask)
                continue;
            o.u8((ch + 1) | 128); // always an explicit mask
            o.u8(mask);
            if (mask & 1)
                o.u8(c.note);
            if (mask & 2)
                o.u8(c.sample);
            if (mask & 4)
                o.u8(c.volume);
            if (mask & 8)
                o.u8(c.command), o.u8(c.param);
        }
        o.u8(0);
    }
    return o.b;
}

} // namespace

std::vector<uint8_t> writeit(const ItSong& song)
{
    Out o;
    o.text("IMPM", 4);
    o.text(song.name, 26);
    o.u8(4), o.u8(16);
    std::vector<int> orders = song.orders;
    orders.push_back(255);
    o.u16(int(orders.size()));
    o.u16(0);
    o.u16(int(song.samples.size()));
    o.u16(int(song.patterns.size()));
    o.u16(0x0214), o.u16(0x0214);
    o.u16(1 | 8); // stereo, linear slides
    o.u16(0);
    o.u8(song.globalvolume), o.u8(song.mixvolume), o.u8(song.speed), o.u8(song.tempo);
    o.u8(128), o.u8(0);
    o.u16(0), o.u32(0), o.u32(0);
    for (int ch = 0; ch < 64; ch++)
        o.u8(32);
    for (int ch = 0; ch < 64; ch++)
        o.u8(64);
    for (int ord : orders)
        o.u8(ord);

    size_t sampleptrs = o.b.size();
    for (size_t i = 0; i < song.samples.size(); i++)
        o.u32(0);
    size_t patternptrs = o.b.size();
    for (size_t i = 0; i < song.patterns.size(); i++)
        o.u32(0);

    std::vector<size_t> dataptr(song.samples.size());
    for (size_t i = 0; i < song.samples.size(); i++) {
        const ItSample& s = song.samples[i];
        o.put32(sampleptrs + 4 * i, uint32_t(o.b.size()));
        bool loop = s.loopbegin >= 0 && s.loopend > s.loopbegin;
        o.text("IMPS", 4);
        o.text(s.name.substr(0, 12), 12);
        o.u8(0);
        o.u8(s.globalvolume);
        o.u8(1 | 2 | (loop ? 16 : 0));
        o.u8(s.volume);
        o.text(s.name, 26);
        o.u8(1); // signed samples
        o.u8(s.pan >= 0 ? s.pan + 128 : 32);
        o.u32(uint32_t(s.pcm.size()));
        o.u32(loop ? s.loopbegin : 0);
        o.u32(loop ? s.loopend : 0);
        o.u32(s.c5speed);
        o.u32(0), o.u32(0);
        dataptr[i] = o.b.size();
        o.u32(0);
        o.u8(0), o.u8(0), o.u8(0), o.u8(0);
    }
    for (size_t i = 0; i < song.patterns.size(); i++) {
        o.put32(patternptrs + 4 * i, uint32_t(o.b.size()));
        std::vector<uint8_t> packed = packpattern(song.patterns[i]);
        o.u16(int(packed.size()));
        o.u16(song.patterns[i].rows);
        o.u32(0);
        o.b.insert(o.b.end(), packed.begin(), packed.end());
    }
    for (size_t i = 0; i < song.samples.size(); i++) {
        o.put32(dataptr[i], uint32_t(o.b.size()));
        for (int16_t v : song.samples[i].pcm)
            o.u16(uint16_t(v));
    }
    return o.b;
}
