#include "render/key_labels.h"

#include "platform/waits.h"

void Video::DrawKeyLabels() {}

void Video::MarkHandCard(int32_t /*slot*/) {}

void Video::ShowSeatCards(int32_t /*seat*/) {}

void Video::BlinkMarker(double seconds) {
    APIs::Pause(seconds);
}
