#pragma once

#include <cstdint>

namespace CardFunctions {
// The tricks-taken piles: 0 team 0's, 1 team 1's, 2 both.
void DrawTrickPiles(int32_t which);
}  // namespace CardFunctions
