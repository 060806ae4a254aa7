#pragma once

#include <cstdint>

// Which card of the human's hand an answer names. Cards are named by their number keys
// (X = -n) or by the end mark; points on the cards wait for the table geometry.
namespace GamePlaySubs {
// Slot 0-4 of seat 0 of the n-th unplayed card, 6 for the end mark, -1 for none.
int32_t HandSlotAtPoint(float x, float y, int32_t cards);
// Position 0-5 of a six-card hand, -1 for none.
int32_t PassSlotAtPoint(float x, float y);
}  // namespace GamePlaySubs
