#include "render/key_labels.h"

void Video::DrawKeyLabels() {}

void Video::MarkHandCard(int32_t /*slot*/) {}

void Video::ShowSeatCards(int32_t /*seat*/) {}
