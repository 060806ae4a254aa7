#pragma once

namespace GamePlay {
// Gives the human the hint for the question standing; the hint puts back every
// hand-state field it changes.
void RunHint();
}  // namespace GamePlay
