#pragma once

#include <cstdint>

// The end-of-hand review: the table drawn again from the hand's records.
namespace Video {
// The dealt hands (when everyone passed) or the five tricks, the side panel, the review
// buttons, the names, the scores and the deck box.
void DrawHandReview();
// The side panel with the kitty.
void DrawKittyPanel();
// The side panel with the hand of the lone player's partner.
void DrawSeatPanel();
// The upright caption of the side panel: 1 the kitty's, 0 the partner's.
void DrawPanelCaption(int32_t mode);
}  // namespace Video
