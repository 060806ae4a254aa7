#include "engine/hand_slot_pick.h"

#include <cmath>

#include "engine/model/state/hand_state.h"
#include "render/key_labels.h"

int32_t GamePlaySubs::HandSlotAtPoint(float x, float y, int32_t cards) {
    int32_t position = -1;
    if (x < 0) {
        const auto key = static_cast<int32_t>(std::floor(-x));
        if (key > 0 && key <= cards) position = key - 1;
    }
    if (position >= 0) {
        int32_t seen = 0;
        for (int32_t slot = 0; slot < 5; ++slot) {
            if (hand.Hands[0][static_cast<size_t>(slot)][kRankPlane] < 0) continue;
            if (seen++ == position) {
                position = slot;
                break;
            }
        }
    }
    const auto& mark = keyLabels.KeyMarkRect;
    if (x > 0 && y > 0 && x >= mark[0] && x <= mark[2] && y >= mark[1] && y <= mark[3] &&
        mark[2] > mark[0]) {
        return 6;
    }
    return position;
}

int32_t GamePlaySubs::PassSlotAtPoint(float x, float /*y*/) {
    if (x >= 0) return -1;
    const auto key = static_cast<int32_t>(std::floor(-x));
    return key >= 1 && key <= 6 ? key - 1 : -1;
}
