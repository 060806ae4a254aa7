#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace MediaGen {

// The events of one tune, placed freely in time and written out in order as a
// single-track standard MIDI file.
class MidiSong {
  public:
    static constexpr int kTicksPerQuarter = 480;

    MidiSong(int beatsPerMinute, int beatsPerBar);

    void Program(int channel, int program);
    void ChannelVolume(int channel, int volume);
    void Note(int channel, int64_t tick, int64_t length, int note, int velocity);
    // Ends the tune this many ticks after its last note.
    std::string Bytes(int64_t tail) const;

  private:
    struct Event {
        int64_t tick;
        int order;  // at one tick: set-up first, then note-offs, then note-ons
        std::string bytes;
    };

    int beatsPerMinute_;
    int beatsPerBar_;
    std::vector<Event> events_;
};

}  // namespace MediaGen
