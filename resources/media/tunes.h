#pragma once

#include <string>
#include <vector>

namespace MediaGen {

struct Tune {
    std::string fileName;  // "Tune01" ...
    std::string title;
    std::string bytes;  // a standard MIDI file
};

// The 15 default tunes of the playlist, each in its own style and key.
std::vector<Tune> MakeTunes();

}  // namespace MediaGen
