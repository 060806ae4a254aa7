#pragma once

#include <cstdint>

class Surface;

// Single cards onto a surface through the card store, at pixel positions.
namespace Video {
// The face of picture 1-25, or the current back while a dealt joker hides the hands.
void DrawCard(Surface& dc, int32_t x, int32_t y, int32_t card);
void DrawScoreCard(Surface& dc, int32_t x, int32_t y, int32_t index, int32_t orientation);
void DrawTrickCard(Surface& dc, int32_t x, int32_t y, int32_t index, int32_t orientation);
void DrawCardBack(Surface& dc, int32_t x, int32_t y, int32_t design);
// Whether DrawCard shows the back of that picture as the hand stands.
bool CardShowsBack(int32_t card);
}  // namespace Video
