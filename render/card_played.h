#pragma once

#include <cstdint>

// Cards reaching the trick box PicB(0), each at its seat's spot with a fresh jitter.
namespace Video {
// Mode 0 the card (after the seat's hand is redrawn when redrawHand is set), 1 the same
// then flashed, 2-5 a claim's trumps laid down with their cue (2 both bowers, 3 both
// bowers and the ace, 4 the left bower and the ace, 5 all the seat's trumps fanned),
// 10 the card alone. Other modes draw nothing.
void ShowCardPlayed(int32_t seat, int32_t suit, int32_t rank, bool redrawHand, int32_t mode);
// The card last shown inverted, held, and restored.
void FlashCard();
// Inverts the rectangle of the card last shown and repaints the box.
void InvertPlayedCard();
// The "stopped them" effect: event 28 when n is 1, else 29.
void PlayEffectWave(int32_t n);
// A card dealt face up to a seat while the first dealer is chosen.
void DrawFirstDealerCard(int32_t seat, int32_t suit, int32_t rank);
}  // namespace Video
