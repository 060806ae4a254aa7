#pragma once

#include <cstdint>

namespace Logics {
// The suit (first … last) the seat calls, or -1 to pass. total gets the chosen
// suit's total, or the highest total seen when nothing is chosen.
int32_t CallTrump(int32_t seat, int32_t firstSuit, int32_t lastSuit, int32_t& total);
}  // namespace Logics
