#include "render/hand_drawing.h"

void Video::DrawDealtHands() {}
void Video::DrawHands(int32_t /*mode*/) {}
void Video::DrawDeckBox() {}
void Video::DrawHandReview() {}
void Video::DrawFirstDealerCard(int32_t, int32_t, int32_t) {}
