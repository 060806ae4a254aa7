#pragma once

#include <array>
#include <cstdint>

// The key numbers under the human's hand, the " N " end mark, the star marks on cards
// of the human's hand and a seat's hand shown in the trick box.
struct KeyLabels {
    // Left, top, right, bottom of the end mark; empty while none is drawn.
    std::array<int, 4> KeyMarkRect{};

    bool operator==(const KeyLabels&) const = default;
};

inline KeyLabels keyLabels;

namespace Video {
// The numbers 1-6 of the keys that play the human's cards, and the end mark while a
// discard is being chosen.
void DrawKeyLabels();
// A star on slot 0-4 of the human's hand; below 0 the hand redrawn with every marked slot.
void MarkHandCard(int32_t slot);
// A seat's five cards in the trick box, with a caption.
void ShowSeatCards(int32_t seat);
// The end mark blinked, with game pauses of the given seconds.
void BlinkMarker(double seconds);
}  // namespace Video
