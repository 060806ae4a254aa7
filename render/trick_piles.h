#pragma once

#include <cstdint>

namespace CardFunctions {
// The tricks-taken piles: 0 team 0's, 1 team 1's, 2 (any even value above 0) both.
void DrawTrickPiles(int32_t which);
// The whole table drawn again for the step the game stands at: the main window's repaint.
void RedrawTrickPiles();
}  // namespace CardFunctions
