#pragma once

#include <cstdint>

// The hands, the deck box, the tricks-taken piles and the review of the last hand.
namespace Video {
// Draws the four hands with the deal sequence.
void DrawDealtHands();
// Redraws the hands as they stand.
void DrawHands();
void DrawDeckBox();
// The review of the hand just played.
void DrawHandReview();
}  // namespace Video

namespace CardFunctions {
void DrawTrickPiles(int32_t code);
}  // namespace CardFunctions

namespace Video {
// A card dealt face up to a seat in the trick box while the first dealer is chosen.
void DrawFirstDealerCard(int32_t seat, int32_t suit, int32_t rank);
}  // namespace Video
