#pragma once

#include <cstdint>

#include "engine/model/state/hand_state.h"

namespace GamePlay {
// A CardsPlayed entry 0 … CardsPlayedCount holds the card.
bool IsCardPlayed(int32_t suit, int32_t rank);
}  // namespace GamePlay

namespace CardFunctions {
// The card is among the played cards with a seat code 0-3.
bool IsPlayedBySeat(int32_t suit, int32_t rank);
// The right (left) bower of trump lies in the current trick.
bool RightBowerPlayed();
bool LeftBowerPlayed();
// The number of played entries of the suit minus one: -1 when none.
int32_t CountPlayedOfSuit(int32_t suit);
// The seat's highest card of the suit is the highest one of it still out.
bool HoldsHighestOutstanding(const HandTable& table, int32_t seat, int32_t trump, int32_t suit);
}  // namespace CardFunctions
