#pragma once

#include <cstdint>

// Cards are (suit, rank) pairs. Suits 0-3 hearts, diamonds, clubs, spades, 7 the
// joker; ranks 0-5 nine to ace, 6 the joker, and once trump is fixed 7 the left
// bower, 8 the right bower, 9 the joker as top trump. A played card keeps its suit
// and stores its rank as -rank-1; a card put away for a lone hand stores both as
// -value-100. Seats 0-3 go south, west, north, east; 7 means no seat.
namespace CardFunctions {

inline constexpr int32_t kJokerSuit = 7;
inline constexpr int32_t kNine = 0;
inline constexpr int32_t kTen = 1;
inline constexpr int32_t kJack = 2;
inline constexpr int32_t kQueen = 3;
inline constexpr int32_t kKing = 4;
inline constexpr int32_t kAce = 5;
inline constexpr int32_t kJoker = 6;
inline constexpr int32_t kLeftBower = 7;
inline constexpr int32_t kRightBower = 8;
inline constexpr int32_t kTopJoker = 9;
inline constexpr int32_t kNoSeat = 7;

// (n + 3) mod 4: Wrap4(seat + 1) is the seat, + 2 the next, + 3 the partner.
constexpr int32_t Wrap4(int32_t n) {
    return ((n + 3) % 4 + 4) % 4;
}
// The other suit of the same colour.
constexpr int32_t SameColorSuit(int32_t suit) {
    return suit % 2 == 0 ? suit + 1 : suit - 1;
}
bool IsOtherColor(int32_t suitA, int32_t suitB);
// The picture of a card in the card-image store: 1-24 for nine of hearts to ace of
// spades, 25 the joker, 0 for anything else. Played and put-away codes are undone.
int32_t CardNumber(int32_t suit, int32_t rank);

}  // namespace CardFunctions
