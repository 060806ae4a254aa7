#pragma once

#include <cstdint>

// Drawing of the hands and the deck box. Minimal until the table's card drawing lands.
namespace Video {
void DrawHands(int32_t mode);
void DrawDeckBox();
// Wipes the message places of the four seats (codes 1, 3, 4, 5).
void EraseSeatMessages();
// Wipes the trick box and puts it back in its place.
void WipeTrickBox(int32_t pattern);
}  // namespace Video
