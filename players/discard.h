#pragma once

#include <cstdint>

#include "engine/model/state/hand_state.h"

namespace Logics {
// The answer that gives up the turned-up card itself in the dealer's pick-up.
inline constexpr int32_t kKeepTurnedUpOut = 6;
// The slot (0-5) the seat gives up with trump as trump, or kKeepTurnedUpOut. A
// position of 4 marks the dealer about to take the turned-up card. With traceFlag 1
// the reasons go to LogicTrace, else to trace lines. outSlot gets the same answer.
int32_t Discard(const HandTable& table, int32_t seat, int32_t position, int32_t trump,
                int32_t& outSlot, int32_t traceFlag);
}  // namespace Logics
