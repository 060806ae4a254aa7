#pragma once

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/model/card_codes.h"
#include "engine/model/hand_words.h"
#include "engine/model/state/hand_state.h"

// Hands written as short card texts for fixtures: "JH AH 9S TD QC KS", ranks
// 9 T J Q K A, suits H D C S, "BJ" the joker; "L" and "R" before a suit letter
// give the left and right bower once trump is fixed ("RH", "LD"), "TJ" the joker
// as top trump (of the trump suit in a hand). "--" leaves a slot empty (the card was played).
namespace HandText {

using Card = std::pair<int32_t, int32_t>;  // suit, rank

inline Card ParseCard(std::string_view text) {
    using namespace CardFunctions;
    if (text == "BJ") return {kJokerSuit, kJoker};
    if (text.size() != 2) throw std::invalid_argument("card text: " + std::string(text));
    if (text == "TJ") return {kJokerSuit, kTopJoker};
    constexpr std::string_view kSuits = "HDCS";
    constexpr std::string_view kRanks = "9TJQKA";
    const auto suit = kSuits.find(text[1]);
    if (suit == std::string_view::npos) throw std::invalid_argument("suit: " + std::string(text));
    if (text[0] == 'L') return {static_cast<int32_t>(suit), kLeftBower};
    if (text[0] == 'R') return {static_cast<int32_t>(suit), kRightBower};
    const auto rank = kRanks.find(text[0]);
    if (rank == std::string_view::npos) throw std::invalid_argument("rank: " + std::string(text));
    return {static_cast<int32_t>(suit), static_cast<int32_t>(rank)};
}

// The text ParseCard reads back for a held card; "--" for an empty slot.
inline std::string CardText(const std::array<int32_t, 2>& card) {
    using namespace CardFunctions;
    const int32_t suit = card[kSuitPlane], rank = card[kRankPlane];
    if (rank < 0) return "--";
    if (suit == kJokerSuit) return rank == kTopJoker ? "TJ" : "BJ";
    if (suit < 0 || suit > 3) return "suit " + std::to_string(suit);
    const char suitLetter = "HDCS"[suit];
    if (rank == kLeftBower) return std::string("L") + suitLetter;
    if (rank == kRightBower) return std::string("R") + suitLetter;
    if (rank == kTopJoker) return "TJ";
    if (rank > kAce) return "rank " + std::to_string(rank);
    return std::string{"9TJQKA"[rank], suitLetter};
}

inline std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    while (!text.empty()) {
        const auto start = text.find_first_not_of(' ');
        if (start == std::string_view::npos) break;
        text.remove_prefix(start);
        const auto end = text.find(' ');
        words.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end);
    }
    return words;
}

// Puts the cards into the seat's slots 0-5 of the table; slots not named are
// left as played nines of hearts (suit 0, rank -1) so that no query sees them.
inline void SetHand(HandTable& table, int seat, std::string_view cards) {
    const auto words = Words(cards);
    for (size_t slot = 0; slot < 6; ++slot) {
        auto& entry = table[static_cast<size_t>(seat)][slot];
        if (slot < words.size() && words[slot] != "--") {
            const auto [suit, rank] = ParseCard(words[slot]);
            entry = {rank == CardFunctions::kTopJoker ? Misc::TrumpSuit() : suit, rank};
        } else {
            entry = {0, -1};
        }
    }
}

inline void SetHand(int seat, std::string_view cards) {
    SetHand(hand.Hands, seat, cards);
}

// A card as the played-card entries hold it: the suit below the rank's nibble.
inline int32_t Entry(std::string_view text) {
    const auto [suit, rank] = ParseCard(text);
    return suit | (rank << 4);
}

// Puts three cards into the kitty's entries, each with `owner` in bits 12-15 (the deal
// marks them with kKittySeatCode).
inline void SetKitty(std::string_view cards, int32_t owner = 0) {
    size_t entry = kFirstKittyEntry;
    for (auto card : Words(cards)) hand.CardsPlayed[entry++] = Entry(card) | (owner << 12);
}

inline bool KittyHolds(std::string_view text, int32_t owner = 0) {
    for (int entry = kFirstKittyEntry; entry < kFirstKittyEntry + 3; ++entry) {
        const int32_t held = hand.CardsPlayed[static_cast<size_t>(entry)];
        if (held == (Entry(text) | (owner << 12))) return true;
    }
    return false;
}

}  // namespace HandText
