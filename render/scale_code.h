#pragma once

#include <cstdint>

// The scale the player chose, as a code kept in the run-time flag word Stat1:
// 0 automatic, 1 = 1.0, 2 = 1.2, 3 = 1.5, 4 = 1.9.
namespace KavlorMain {

int32_t ScaleCode();
void SetScaleCode(int32_t code);
// The code of a factor by its text with one decimal; 0 for any other factor.
int32_t ScaleCodeOf(float factor);
// The factor of a code; 0 (automatic) for code 0 and unknown codes.
float ScaleFactorOfCode(int32_t code);

}  // namespace KavlorMain
