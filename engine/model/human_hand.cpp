#include "engine/model/human_hand.h"

#include <cmath>

#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"

bool GamePlaySubs::IsHumanSeat(int32_t seat) {
    return seat == 0 && !IsSet(flags.Stat1, Stat1Bits::ComputerDecidesSouth);
}

int32_t GamePlaySubs::HandSlotAtPoint(float x, float /*y*/, int32_t n) {
    if (x >= 0) return -1;
    const auto key = static_cast<int32_t>(std::floor(-x));
    if (key <= 0 || key > n) return -1;
    int32_t seen = 0;
    for (int32_t slot = 0; slot <= 4; ++slot) {
        if (hand.Hands[0][static_cast<size_t>(slot)][kRankPlane] < 0) continue;
        if (seen++ == key - 1) return slot;
    }
    return key - 1;
}
