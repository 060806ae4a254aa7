#pragma once

#include <cstdint>

// The hint's effects: the advised answer stands out on the table.
namespace Video {
// Pulses the caption of Choice(index) three times; a pulse asked for while one runs
// returns at once.
void PulseChoice(int index);
// The growth of a pulsing caption of captionWidth pixels on a button buttonWidth wide:
// 1.25 unless that would not fit, then the largest tenth within 97% of the button.
double PulseFactor(double captionWidth, int buttonWidth);
// Circles the card in slot 0-5 of the human's hand of count cards; slot 6 blinks the
// end mark instead (BlinkMarker, with the key numbers).
void SwirlCard(int32_t slot, int32_t count);
}  // namespace Video
