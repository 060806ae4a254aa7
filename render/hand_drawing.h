#pragma once

#include <cstdint>

// The hands, the deck box and the review of the last hand.
// Minimal until the table's card drawing lands: the game flow already calls them.
namespace Video {
// Draws the four hands with the deal sequence.
void DrawDealtHands();
// Redraws the hands as they stand.
void DrawHands(int32_t mode = 0);
void DrawDeckBox();
// The review of the hand just played.
void DrawHandReview();
// A card dealt face up to a seat in the trick box while the first dealer is chosen.
void DrawFirstDealerCard(int32_t seat, int32_t suit, int32_t rank);
}  // namespace Video
