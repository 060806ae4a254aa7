#pragma once

#include <cstdint>

namespace Logics {
// The CardsPlayed index (21-23) of the best kitty card: with flag 0 trump first, then
// by rank; -1 when the kitty is empty.
int32_t BestKittyCard(int32_t flag);
// 1 to trade the three cards of the rank for the kitty, 0 to keep them. position is
// the seat's place after the dealer (4 the dealer).
int32_t TradeInDecision(int32_t rank, int32_t seat, int32_t position);
}  // namespace Logics
