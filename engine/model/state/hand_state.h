#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// A table of four hands: seat 0-3, slot 0-5, plane 0 suit / 1 rank.
using HandTable = std::array<std::array<std::array<int32_t, 2>, 6>, 4>;

inline constexpr int kSuitPlane = 0;
inline constexpr int kRankPlane = 1;

// Values the packed words take at a new hand.
inline constexpr int32_t kNewHandGenInf = 0x381FFFFF;
inline constexpr int32_t kNewHandCardUp = 0x090770F7;
inline constexpr int32_t kNewHandTricks = 0x777000;
inline constexpr int32_t kNewHandWhoPlayed = 0x3FFFF;
inline constexpr int32_t kNewHandSuitWord = 0x09240000;
inline constexpr int32_t kStartOfPlayLeader = 0x7FFF;
// A CardsPlayed entry that holds nothing, and an empty trick entry.
inline constexpr int32_t kEmptyPlayedEntry = 61695;
inline constexpr int32_t kEmptyTrickEntry = 247;
// CardsPlayed entries of the kitty, their copy taken at the deal, and the lone
// player's partner's put-away cards.
inline constexpr int kFirstKittyEntry = 21;
inline constexpr int kKittyCopyEntry = 25;
inline constexpr int kFirstPutAwayEntry = 29;
// GenInf bit 30: a three-of-a-kind trade put cards the trader saw into the kitty.
inline constexpr int32_t kGenInfKittyKnown = 1 << 30;
// Seat code in nibble 3 of a kitty card.
inline constexpr int32_t kKittySeatCode = 5;

template <std::size_t N>
constexpr std::array<int32_t, N> Filled(int32_t value) {
    std::array<int32_t, N> entries{};
    entries.fill(value);
    return entries;
}

// The hand in play: the card tables and the packed words that every part of the
// game reads. One hand at a time.
struct HandState {
    HandTable Hands{};
    HandTable DealtHands{};
    // (rank 0-6, suit 0-3): -1 while the card is in the deck, 0 once drawn.
    std::array<std::array<int32_t, 4>, 7> DeckTable{};
    std::array<int32_t, 34> CardsPlayed = Filled<34>(kEmptyPlayedEntry);
    int32_t CardsPlayedCount = 0;
    std::array<int32_t, 6> Trk = Filled<6>(kEmptyTrickEntry);
    // Entries 1-5: the team that took each trick (7 before it is played).
    std::array<int32_t, 6> TrickSeatFlags = Filled<6>(7);

    int32_t GenInf = kNewHandGenInf;
    int32_t CardUp = kNewHandCardUp;
    int32_t Tricks = kNewHandTricks;
    int32_t Score = 0;
    // 3-bit field t holds the seat that led trick t + 1.
    int32_t Leader = kStartOfPlayLeader;
    int32_t WhoPlayed = kNewHandWhoPlayed;

    int32_t SutOutInf = 0;
    int32_t SutShownInf = 0;
    int32_t SutLedInf = kNewHandSuitWord;
    int32_t SutOffInf = kNewHandSuitWord;

    int32_t NibCounter = 0;
    int32_t LoopSaver = 0;
    int32_t DealerCounter = 0;

    // Entries 0/2 suit and rank of the card that ended in the partner's hand,
    // 1/3 those of the partner's best card the loner kept; -1 when none.
    std::array<std::array<int32_t, 2>, 2> TradedBest{{{-1, -1}, {-1, -1}}};

    // The total the calling logic gave for the call just made.
    int32_t CallTotal = 0;
    // The forced-call message of the last computer-side rule check, shown to the human.
    std::string ForcedCallText;
    // The cards dealt face up to choose the first dealer, rank × 16 + suit.
    std::array<int32_t, 26> FirstDealerCards{};

    bool operator==(const HandState&) const = default;
};

inline HandState hand;
