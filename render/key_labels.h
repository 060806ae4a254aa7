#pragma once

#include <array>
#include <cstdint>

// The key numbers under the human's hand, the " N " end mark and the marks of cards
// chosen for the kitty. Minimal until the table's card drawing lands.
struct KeyLabels {
    // Left, top, right, bottom of the end mark; empty while none is drawn.
    std::array<int, 4> KeyMarkRect{};

    bool operator==(const KeyLabels&) const = default;
};

inline KeyLabels keyLabels;

namespace Video {
void DrawKeyLabels();
void MarkHandCard(int32_t slot);
// A seat's five cards in the trick box, with a caption.
void ShowSeatCards(int32_t seat);
void BlinkMarker(double seconds);
}  // namespace Video
