#pragma once

#include <cstdint>

namespace KavlorMain {
// A step above 0 arms the reminder for that step; 0 or less disarms it.
void SetSlowpokeTimer(int32_t step);
}  // namespace KavlorMain
