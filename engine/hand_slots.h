#pragma once

#include <cstdint>

// Where the human's hand lies on the table, in pixels.
struct HandBox {
    double OriginX = 0;
    double OriginY = 0;
    double CardWidth = 0;
    double CardHeight = 0;
    // The " N " mark drawn after the key numbers: left, top, right, bottom.
    double KeyMarkLeft = 0;
    double KeyMarkTop = 0;
    double KeyMarkRight = -1;
    double KeyMarkBottom = -1;
};

// A mouse point or number key (x = -k) mapped to a card of the human's hand.
namespace GamePlaySubs {
// The slot of seat 0 holding the card under the point among its n unplayed cards,
// -1 for none, 6 for the key mark. slot receives the same answer.
int32_t HandSlotAtPoint(float x, float y, int32_t n, int32_t& slot, const HandBox& box);
// The position 0-5 of a six-card hand under the point, -1 for none.
int32_t PassSlotAtPoint(float x, float y, int32_t& slot, const HandBox& box);
// The human's hand as the table lays it out now, with the end mark drawn last.
HandBox HumanHandBox();
// The same answers for the hand as it lies on the table now.
int32_t HandSlotAtPoint(float x, float y, int32_t n);
int32_t PassSlotAtPoint(float x, float y);
}  // namespace GamePlaySubs
