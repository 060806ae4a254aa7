#pragma once

#include <cstdint>

#include "engine/model/state/hand_state.h"

// A seat's hand kept grouped by suit, colours alternating where the hand allows,
// each group from the highest rank down. Suit and rank always move together.
namespace Sorts {
void Swap(int32_t& a, int32_t& b);
// Orders slots first … last by suit, ascending; the pivot is drawn at random.
void QuickSortHand(int32_t first, int32_t last, HandTable& table, int32_t seat);
void SortSuitGroups(HandTable& table, int32_t seat);
// Moves one red group behind a black one.
void ArrangeSuits(HandTable& table, int32_t seat);
// The three steps in their order over slots 0-4.
void SortHand(HandTable& table, int32_t seat);
}  // namespace Sorts
