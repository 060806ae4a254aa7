#pragma once

#include <cstdint>

namespace PlayHelp {
// The hint for the question standing, for the human at seat: with Learn Mode the
// explanation window, else the advised answer flashed on the table. The hand goes on
// as if nobody had asked; the hint draws from its own copy of the random source.
void GiveHint(int32_t seat);
// The explanation of ReasonCode in the hint window, the pointer put back afterwards.
void ShowHelpWindow();
// Pulses the advised button or circles the advised card; nothing for kNoHintTarget.
void ShowAdvisedAnswer();
}  // namespace PlayHelp
