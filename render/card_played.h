#pragma once

#include <cstdint>

namespace Video {
// A seat's card moving to its spot in the trick box.
void ShowCardPlayed(int32_t seat, int32_t suit, int32_t rank, bool redrawHand, int32_t mode);
// Inverts the rectangle of the card last drawn in the trick box.
void InvertPlayedCard();
// The "stopped them" effect: event 28 when n is 1, else 29.
void PlayEffectWave(int32_t n);
}  // namespace Video
