#pragma once

#include <string>
#include <vector>

#include "synth.h"

namespace MediaGen {

struct EventSound {
    std::string event;     // as the sounds dialog lists it
    std::string fileName;  // the event's name with only letters and digits kept
    std::vector<int16_t> samples;
};

// The 32 default event sounds, in event order.
std::vector<EventSound> MakeEventSounds();

// "Got Kavlord (Us)" -> "GotKavlordUs".
std::string SafeFileName(const std::string& event);

}  // namespace MediaGen
