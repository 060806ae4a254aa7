#include "midi_writer.h"

#include <algorithm>

namespace MediaGen {
namespace {

void Be(std::string& out, uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.push_back(char((value >> (8 * i)) & 0xFF));
}

void Vlq(std::string& out, uint32_t value) {
    std::string bytes(1, char(value & 0x7F));
    while (value >>= 7) bytes.insert(bytes.begin(), char(0x80 | (value & 0x7F)));
    out += bytes;
}

std::string Bytes3(int a, int b, int c) {
    return {char(a), char(b), char(c)};
}

}  // namespace

MidiSong::MidiSong(int beatsPerMinute, int beatsPerBar)
    : beatsPerMinute_(beatsPerMinute), beatsPerBar_(beatsPerBar) {}

void MidiSong::Program(int channel, int program) {
    events_.push_back({0, 0, {char(0xC0 | channel), char(program)}});
}

void MidiSong::ChannelVolume(int channel, int volume) {
    events_.push_back({0, 0, Bytes3(0xB0 | channel, 7, volume)});
}

void MidiSong::Note(int channel, int64_t tick, int64_t length, int note, int velocity) {
    note = std::clamp(note, 0, 127);
    events_.push_back({tick, 2, Bytes3(0x90 | channel, note, std::clamp(velocity, 1, 127))});
    events_.push_back({tick + std::max<int64_t>(length, 1), 1, Bytes3(0x80 | channel, note, 0)});
}

std::string MidiSong::Bytes(int64_t tail) const {
    std::vector<Event> events = events_;
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });

    std::string track;
    Vlq(track, 0);
    track += "\xFF\x51\x03";
    Be(track, uint32_t(60000000 / beatsPerMinute_), 3);
    Vlq(track, 0);
    track += std::string("\xFF\x58\x04", 3) + char(beatsPerBar_) + std::string("\x02\x18\x08", 3);
    int64_t now = 0;
    for (const auto& e : events) {
        Vlq(track, uint32_t(e.tick - now));
        track += e.bytes;
        now = e.tick;
    }
    Vlq(track, uint32_t(tail));
    track += std::string("\xFF\x2F\x00", 3);

    std::string file = "MThd";
    Be(file, 6, 4);
    Be(file, 0, 2);  // one track
    Be(file, 1, 2);
    Be(file, kTicksPerQuarter, 2);
    file += "MTrk";
    Be(file, uint32_t(track.size()), 4);
    return file + track;
}

}  // namespace MediaGen
