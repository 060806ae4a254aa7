#pragma once

#include <cstdint>

#include "engine/model/state/hand_state.h"

namespace Logics {
// The card the seat gives up: its lowest card outside trump (the shortest suit first
// on equal ranks), or its lowest trump. result := the slot; mode 1 for the trick play.
void Discard(const HandTable& table, int32_t seat, int32_t position, int32_t trump, int32_t& result,
             int32_t mode);
}  // namespace Logics
