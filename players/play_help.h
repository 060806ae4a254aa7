#pragma once

#include <cstdint>

// The hint's logic: the computer's own decisions asked for the human's seat.
namespace PlayHelp {
// Works out the advice for the question open at Ptrg: sets ReasonCode, HintTarget
// and, with Learn Mode at a calling question, AdviceText. Everything else the
// decisions touch is put back, so the hand goes on as if nobody had asked. False when
// there is nothing to show: no question is open, or the trick logic failed twice.
bool FindAdvice(int32_t seat);
}  // namespace PlayHelp
