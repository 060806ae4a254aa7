#pragma once

#include <cstdint>

#include "players/trick_context.h"

namespace LogicMain {
void ChooseLead(TrickContext& c, int32_t& result);
void ChooseFollow(TrickContext& c, int32_t& result);
}  // namespace LogicMain
