#pragma once

#include <cstdint>
#include <utility>

#include "engine/model/state/hand_state.h"

// Queries over one seat's hand. A hand-table argument is hand.Hands, hand.DealtHands
// or a copy of the same shape; slots are 0-4, -1 when nothing qualifies.
namespace CardFunctions {

int32_t FindLeftBower(const HandTable& table, int32_t seat, int32_t trump);
int32_t FindRightBower(const HandTable& table, int32_t seat, int32_t trump);
int32_t FindCard(const HandTable& table, int32_t seat, int32_t suit, int32_t rank);
// Cards of the suit still in play.
int32_t CountSuit(const HandTable& table, int32_t seat, int32_t suit);
int32_t CountRank(const HandTable& table, int32_t seat, int32_t rank);
int32_t CountOffTrumpRank(const HandTable& table, int32_t seat, int32_t rank);
// The highest rank 0-5 the seat holds three (four) of, bowers counting as jacks; -1.
int32_t FindThreeOfAKind(int32_t seat);
int32_t FindFourOfAKind(int32_t seat);
int32_t FindHighestOfSuit(const HandTable& table, int32_t seat, int32_t suit);
int32_t FindLowestOfSuit(const HandTable& table, int32_t seat, int32_t suit);
// Scanning from slot 4 down, the first card of the suit ranked above rank.
int32_t FindHigherOfSuit(const HandTable& table, int32_t seat, int32_t suit, int32_t rank);
// A card between the highest and the lowest of a suit held three or more times in a
// sorted hand; -1 when the seat holds none of the suit, -2 otherwise.
int32_t FindMiddleOfSuit(const HandTable& table, int32_t seat, int32_t suit);
// The highest and the lowest slot of hand.Hands holding the rank, -1 each when none.
std::pair<int32_t, int32_t> FindRankSlots(int32_t seat, int32_t rank);
// All five cards are the top five trumps: both bowers, ace, king, queen.
bool IsTopFiveTrumps(int32_t seat);
// Whether the seat may name the suit under the trump-in-hand rule.
bool CanCallSuit(int32_t seat, int32_t suit);
// The suit the seat must make under the calling rules, or -1.
int32_t FindMustMakeSuit(int32_t seat);
// Why the rules refuse the seat's card at slot for the trick in play: the message
// number (71 not following suit, 72 trump led before any was played under "No First
// Blood"), 0 when it may be played. Reads the lead flag the trick step set.
int32_t RefusedPlay(int32_t seat, int32_t slot);

}  // namespace CardFunctions
