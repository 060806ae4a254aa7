#pragma once

#include <cstdint>

namespace LogicMain {
// The card the seat to play puts into the trick: a slot 0-4, 6 for the human to
// choose, 0 when the seat sits out for its lone partner; 5 stays when nothing was
// found. The caller presets 5.
void MainLogic(int32_t& result);
}  // namespace LogicMain
