#include "render/hand_drawing.h"

#include "render/table_messages.h"

void Video::DrawDealtHands() {}
void Video::DrawHands(int32_t /*mode*/) {}
void Video::DrawDeckBox() {}
void Video::DrawHandReview() {}
void Video::DrawFirstDealerCard(int32_t, int32_t, int32_t) {}

void Video::EraseSeatMessages() {
    for (int32_t code : {1, 3, 4, 5}) EraseMessage(code, -1);
}
