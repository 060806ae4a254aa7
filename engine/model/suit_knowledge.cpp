#include "engine/model/suit_knowledge.h"

#include "platform/packed_fields.h"

namespace {

int32_t SeatSuitBit(int32_t seat, int32_t suit) {
    return 1 << (4 * seat + suit);
}

}  // namespace

bool CardFunctions::TestSeatSuitFlag(int32_t seat, int32_t suit, int32_t word) {
    if (suit < 0 || suit > 3) return false;
    if (seat == 7) {
        int32_t all = 0;
        for (int32_t each = 0; each < 4; ++each) all |= SeatSuitBit(each, suit);
        return (word & all) != 0;
    }
    if (seat < 0 || seat > 3) return false;
    return (word & SeatSuitBit(seat, suit)) != 0;
}

int32_t CardFunctions::SetSeatSuitFlag(int32_t seat, int32_t suit, int32_t word) {
    if (seat < 0 || seat > 3 || suit < 0 || suit > 3) return word;
    return word | SeatSuitBit(seat, suit);
}

int32_t CardFunctions::SetSeatSuitFlagAndSuit(int32_t seat, int32_t suit, int32_t word) {
    if (seat < 0 || seat > 3 || suit < 0 || suit > 3) return word;
    return Misc::Set3Bits(SetSeatSuitFlag(seat, suit, word), suit, seat + 6);
}
