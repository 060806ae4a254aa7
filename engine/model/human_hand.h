#pragma once

#include <cstdint>

// The human's seat and the cards of its hand as the table shows them.
namespace GamePlaySubs {
// Seat 0 while the human decides for it (the computer does during a demo or a hint).
bool IsHumanSeat(int32_t seat);
// The slot of seat 0's hand named by a number key (x = -k) among the n unplayed
// cards, -1 for none. Points on the table are mapped once the table geometry exists.
int32_t HandSlotAtPoint(float x, float y, int32_t n);
}  // namespace GamePlaySubs
