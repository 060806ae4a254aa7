#include "engine/model/hand_words.h"

#include "engine/model/card_codes.h"
#include "engine/model/state/hand_state.h"
#include "platform/packed_fields.h"

int32_t Misc::TrumpSuit() {
    return Get3Bits(hand.GenInf, 0);
}
int32_t Misc::GenInfField2() {
    return Get3Bits(hand.GenInf, 2);
}
int32_t Misc::GenInfField3() {
    return Get3Bits(hand.GenInf, 3);
}
int32_t Misc::DealerSeat() {
    return Get3Bits(hand.GenInf, 4);
}
int32_t Misc::GenInfField7() {
    return Get3Bits(hand.GenInf, 7);
}
int32_t Misc::GenInfField8() {
    return Get3Bits(hand.GenInf, 8);
}
int32_t Misc::TricksNibble5() {
    return APIs::Nib(hand.Tricks, 5);
}
int32_t Misc::CallingRound() {
    return APIs::Nib(hand.CardUp, 2);
}

int32_t Misc::TrickLeader() {
    if (hand.CardsPlayedCount >= 25) return CardFunctions::kNoSeat;
    // Truncating division: a count of 0 reads the first trick's leader too.
    return Get3Bits(hand.Leader, (hand.CardsPlayedCount - 1) / 4);
}

int32_t Misc::PlusTwoOrOne(int32_t seat) {
    return seat == 0 ? 1 : seat + 2;
}

int32_t Misc::SeatAtTrickIndex(int32_t index) {
    return CardFunctions::Wrap4(TrickLeader() + index);
}

void Misc::NoteTrumpOnLead(int32_t index) {
    hand.GenInf = Set3Bits(hand.GenInf, SeatAtTrickIndex(index), 6);
}
