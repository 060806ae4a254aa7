#pragma once

#include <cstdint>

#include "platform/sound/mixer_backend.h"

// Between a control's raw values and the 0-100 scale the game speaks. A range from 0 to
// above 100 keeps the long-standing arithmetic (a set of 100 on 0-65535 writes 65500);
// any other range is read and set as a share of its whole span.
namespace MixerScale {

int32_t ToPercent(const MixerControl& control, int64_t raw);
// The raw value to write, kept within the control's range.
int64_t FromPercent(const MixerControl& control, int32_t percent);

}  // namespace MixerScale
