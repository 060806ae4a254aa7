#include "render/hand_drawing.h"

// Placeholders until the hand drawing is built: the game flow already calls them.
void Video::DrawDealtHands() {}
void Video::DrawHands() {}
void Video::DrawDeckBox() {}
void Video::DrawHandReview() {}
void CardFunctions::DrawTrickPiles(int32_t) {}
void Video::DrawFirstDealerCard(int32_t, int32_t, int32_t) {}
