#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Play times read from the bytes of a media file, with no sound device needed.

namespace MediaLength {

enum class Format { Wave, Midi, Other };

// What the file's first bytes say it is: a RIFF wave, a standard or RIFF MIDI file, or else.
Format Sniff(std::string_view bytes);

// The wave's play time in ms from its format and data chunks; nullopt for a broken header.
std::optional<double> WaveMs(std::string_view bytes);

// The tune's play time in ms up to its last event, following its tempo changes;
// nullopt for a broken file.
std::optional<double> MidiMs(std::string_view bytes);

// The play time of the MPEG audio frames in ms (a Xing or VBRI header's frame count when
// there is one); 0 when no run of valid frames is found.
double Mp3Ms(std::string_view bytes);

}  // namespace MediaLength
