#include "engine/hand_slots.h"

#include <algorithm>
#include <cmath>

#include "engine/model/state/hand_state.h"
#include "render/cards/card_images.h"
#include "render/key_labels.h"
#include "render/table_geometry.h"

namespace {
int32_t Floor(double value) {
    return static_cast<int32_t>(std::floor(value));
}
bool WithinHandRow(float y, const HandBox& box) {
    return y >= box.OriginY && y <= box.OriginY + box.CardHeight;
}
}  // namespace

int32_t GamePlaySubs::HandSlotAtPoint(float x, float y, int32_t n, int32_t& slot,
                                      const HandBox& box) {
    int32_t position = -1;
    const double w = box.CardWidth;
    if (x < 0) {
        const int32_t key = Floor(-x);
        if (key > 0 && key <= n) position = key - 1;
    } else if (WithinHandRow(y, box) && w > 0 && n > 0) {
        const double shift = box.OriginX + (5 - n) * w / 3;
        const int32_t left = Floor(shift);
        const int32_t right = Floor(2 * w / 3 * (n - 1) + shift + w);
        if (x >= left && x <= right) position = std::min(Floor((x - left) / (2 * w / 3)), n - 1);
    }
    if (position >= 0) {
        int32_t unplayed = 0;
        for (int32_t each = 0; each < 5; ++each) {
            if (hand.Hands[0][each][kRankPlane] < 0) continue;
            if (unplayed++ == position) {
                position = each;
                break;
            }
        }
    }
    if (x > 0 && y > 0 && x >= box.KeyMarkLeft && x <= box.KeyMarkRight && y >= box.KeyMarkTop &&
        y <= box.KeyMarkBottom) {
        position = 6;
    }
    slot = position;
    return position;
}

int32_t GamePlaySubs::PassSlotAtPoint(float x, float y, int32_t& slot, const HandBox& box) {
    int32_t position = -1;
    if (x < 0) {
        const int32_t key = Floor(-x);
        if (key >= 1 && key <= 6) position = key - 1;
    } else if (WithinHandRow(y, box) && x >= box.OriginX &&
               x <= box.OriginX + 3.7 * box.CardWidth && box.CardWidth > 0) {
        position = std::clamp(Floor((x - box.OriginX) / (0.54 * box.CardWidth)), 0, 5);
    }
    slot = position;
    return position;
}

HandBox GamePlaySubs::HumanHandBox() {
    const auto& mark = keyLabels.KeyMarkRect;
    HandBox box;
    box.OriginX = tableGeometry.HandOriginX;
    box.OriginY = tableGeometry.HandOriginY;
    box.CardWidth = CardImages.CardWidth();
    box.CardHeight = CardImages.CardHeight();
    if (mark[2] > mark[0]) {
        box.KeyMarkLeft = mark[0];
        box.KeyMarkTop = mark[1];
        box.KeyMarkRight = mark[2];
        box.KeyMarkBottom = mark[3];
    }
    return box;
}

int32_t GamePlaySubs::HandSlotAtPoint(float x, float y, int32_t n) {
    int32_t slot = -1;
    return HandSlotAtPoint(x, y, n, slot, HumanHandBox());
}

int32_t GamePlaySubs::PassSlotAtPoint(float x, float y) {
    int32_t slot = -1;
    return PassSlotAtPoint(x, y, slot, HumanHandBox());
}
