#pragma once

#include <cstdint>

#include "engine/model/state/hand_state.h"

namespace Logics {
// The slot 0-5 the seat gives up (5: the sixth card, held while NibCounter bit 28 is
// set), or 6 for the turned-up card itself; also written to out.
int32_t Discard(const HandTable& table, int32_t seat, int32_t position, int32_t trump, int32_t& out,
                int32_t traceFlag);
// The kitty entry (21-23) of the best card to take, or -1.
int32_t BestKittyCard(int32_t flag);
// 1 to trade the three cards of the rank for the kitty, 0 to keep them.
int32_t TradeInDecision(int32_t rank, int32_t seat, int32_t position);
}  // namespace Logics
