#pragma once

#include <string_view>

#include "engine/model/card_codes.h"
#include "engine/model/hand_words.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/trick_card.h"
#include "platform/packed_fields.h"
#include "support/hand_text.h"

// Puts a trick in progress on the table for the trick-play decisions: the hand
// words as the trick steps leave them before they ask the seat to play.
namespace TrickTable {

inline void Begin(int32_t trump, int32_t maker, int32_t dealer, int32_t trick, int32_t leader,
                  int32_t lone = CardFunctions::kNoSeat) {
    hand.GenInf = Misc::Set3Bits(hand.GenInf, trump, 0);
    hand.GenInf = Misc::Set3Bits(hand.GenInf, 7, 1);
    hand.GenInf = Misc::Set3Bits(hand.GenInf, maker, 2);
    hand.GenInf = Misc::Set3Bits(hand.GenInf, lone, 3);
    hand.GenInf = Misc::Set3Bits(hand.GenInf, dealer, 4);
    hand.GenInf = Misc::Set3Bits(hand.GenInf, 7, 6);
    hand.GenInf = Misc::Set3Bits(hand.GenInf, 0, 7);
    hand.GenInf = Misc::Set3Bits(hand.GenInf, trick, 8);
    hand.Leader = Misc::Set3Bits(hand.Leader, leader, trick - 1);
    hand.Tricks = Misc::NibSet(hand.Tricks, trick, 2);
    hand.CardsPlayedCount = 4 * (trick - 1);
}

// The next position of the trick: the count raised and the lead/last bits set.
inline int32_t NextPosition() {
    const int32_t position = Misc::Get3Bits(hand.GenInf, 7) + 1;
    hand.GenInf = Misc::Set3Bits(hand.GenInf, position, 7);
    ++hand.CardsPlayedCount;
    hand.Tricks &= ~((1 << 28) | (1 << 29) | (1 << 30));
    if (position == 1) hand.Tricks |= 1 << 28;
    if (position == 4) hand.Tricks |= 1 << 29;
    return Misc::SeatAtTrickIndex(position);
}

// Plays a card text into the trick for the seat whose turn it is ("--" for the
// empty place of a lone hand's partner); returns the seat winning the trick.
inline int32_t Play(std::string_view text) {
    const int32_t seat = NextPosition();
    int32_t entry = kEmptyTrickEntry;
    if (text != "--") {
        auto [suit, rank] = HandText::ParseCard(text);
        if (rank == CardFunctions::kTopJoker) suit = Misc::TrumpSuit();
        entry = suit | (rank << 4);
    }
    const auto position = static_cast<size_t>(Misc::Get3Bits(hand.GenInf, 7));
    hand.Trk[position] = entry;
    hand.CardsPlayed[static_cast<size_t>(hand.CardsPlayedCount)] = entry | (seat << 12);
    return GamePlaySubs::RecordTrickCard(seat).winner;
}

// Plays the cards of a text such as "9D AD TD" in turn; returns the seat winning.
inline int32_t PlayAll(std::string_view cards) {
    int32_t winner = -1;
    for (auto card : HandText::Words(cards)) winner = Play(card);
    return winner;
}

}  // namespace TrickTable
