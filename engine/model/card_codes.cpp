#include "engine/model/card_codes.h"

namespace {

bool IsRed(int32_t suit) {
    return suit == 0 || suit == 1;
}
bool IsBlack(int32_t suit) {
    return suit == 2 || suit == 3;
}

}  // namespace

bool CardFunctions::IsOtherColor(int32_t suitA, int32_t suitB) {
    return (IsRed(suitA) && IsBlack(suitB)) || (IsBlack(suitA) && IsRed(suitB));
}

int32_t CardFunctions::CardNumber(int32_t suit, int32_t rank) {
    if (rank < -98) {
        rank = -rank - 100;
        if (suit < 0) suit = -suit - 100;
    }
    if (rank < 0) {
        rank = -rank - 1;
        if (suit < 0) suit = -suit - 1;
    }
    if (rank == kJoker || rank == kTopJoker) return 25;
    if (suit < 0 || suit > 3) return 0;
    if (rank >= 0 && rank <= kAce) return rank * 4 + suit + 1;
    if (rank == kRightBower) return suit + 9;
    if (rank == kLeftBower) return SameColorSuit(suit) + 9;
    return 0;
}
