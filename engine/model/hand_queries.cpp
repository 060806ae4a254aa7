#include "engine/model/hand_queries.h"

#include "engine/model/card_codes.h"
#include "engine/model/hand_words.h"
#include "engine/model/state/run_flags.h"
#include "platform/packed_fields.h"
#include "platform/settings/player_settings.h"

namespace {

constexpr int kCardsInHand = 5;

int32_t SuitAt(const HandTable& table, int32_t seat, int slot) {
    return table[static_cast<size_t>(seat)][static_cast<size_t>(slot)][kSuitPlane];
}

int32_t RankAt(const HandTable& table, int32_t seat, int slot) {
    return table[static_cast<size_t>(seat)][static_cast<size_t>(slot)][kRankPlane];
}

bool Holds(const HandTable& table, int32_t seat, int slot, int32_t suit, int32_t rank) {
    return SuitAt(table, seat, slot) == suit && RankAt(table, seat, slot) == rank;
}

int32_t FindOfAKind(int32_t seat, int32_t needed) {
    int32_t counts[6] = {};
    for (int slot = 0; slot < kCardsInHand; ++slot) {
        int32_t rank = RankAt(hand.Hands, seat, slot);
        if (rank == CardFunctions::kLeftBower || rank == CardFunctions::kRightBower) {
            rank = CardFunctions::kJack;
        }
        if (rank >= 0 && rank <= CardFunctions::kAce) ++counts[rank];
    }
    for (int32_t rank = CardFunctions::kAce; rank >= 0; --rank) {
        if (counts[rank] >= needed) return rank;
    }
    return -1;
}

}  // namespace

int32_t CardFunctions::FindLeftBower(const HandTable& table, int32_t seat, int32_t trump) {
    for (int slot = 0; slot < kCardsInHand; ++slot) {
        if (Holds(table, seat, slot, SameColorSuit(trump), kJack) ||
            Holds(table, seat, slot, trump, kLeftBower)) {
            return slot;
        }
    }
    return -1;
}

int32_t CardFunctions::FindRightBower(const HandTable& table, int32_t seat, int32_t trump) {
    for (int slot = 0; slot < kCardsInHand; ++slot) {
        if (Holds(table, seat, slot, trump, kRightBower) ||
            Holds(table, seat, slot, trump, kJack)) {
            return slot;
        }
    }
    return -1;
}

int32_t CardFunctions::FindCard(const HandTable& table, int32_t seat, int32_t suit, int32_t rank) {
    for (int slot = 0; slot < kCardsInHand; ++slot) {
        if (Holds(table, seat, slot, suit, rank)) return slot;
    }
    return -1;
}

int32_t CardFunctions::CountSuit(const HandTable& table, int32_t seat, int32_t suit) {
    int32_t count = 0;
    for (int slot = 0; slot < kCardsInHand; ++slot) {
        if (SuitAt(table, seat, slot) == suit && RankAt(table, seat, slot) >= 0) ++count;
    }
    return count;
}

int32_t CardFunctions::CountRank(const HandTable& table, int32_t seat, int32_t rank) {
    int32_t count = 0;
    for (int slot = 0; slot < kCardsInHand; ++slot) {
        if (RankAt(table, seat, slot) == rank) ++count;
    }
    return count;
}

int32_t CardFunctions::CountOffTrumpRank(const HandTable& table, int32_t seat, int32_t rank) {
    if (rank < 0) return 0;
    int32_t count = 0;
    for (int slot = 0; slot < kCardsInHand; ++slot) {
        if (RankAt(table, seat, slot) == rank && SuitAt(table, seat, slot) != Misc::TrumpSuit()) {
            ++count;
        }
    }
    return count;
}

int32_t CardFunctions::FindThreeOfAKind(int32_t seat) {
    return FindOfAKind(seat, 3);
}
int32_t CardFunctions::FindFourOfAKind(int32_t seat) {
    return FindOfAKind(seat, 4);
}

int32_t CardFunctions::FindHighestOfSuit(const HandTable& table, int32_t seat, int32_t suit) {
    int32_t best = -1;
    for (int slot = 0; slot < kCardsInHand; ++slot) {
        const int32_t rank = RankAt(table, seat, slot);
        if (SuitAt(table, seat, slot) != suit || rank < 0) continue;
        if (best < 0 || rank > RankAt(table, seat, best)) best = slot;
    }
    return best;
}

// The joker, the top trump, comes out lowest only as the seat's one trump: the rules
// that ask for the lowest trump must still find a card.
int32_t CardFunctions::FindLowestOfSuit(const HandTable& table, int32_t seat, int32_t suit) {
    int32_t best = -1;
    for (int slot = 0; slot < kCardsInHand; ++slot) {
        const int32_t rank = RankAt(table, seat, slot);
        if (SuitAt(table, seat, slot) != suit || rank < 0) continue;
        if (best < 0 || rank < RankAt(table, seat, best)) best = slot;
    }
    return best;
}

int32_t CardFunctions::FindHigherOfSuit(const HandTable& table, int32_t seat, int32_t suit,
                                        int32_t rank) {
    for (int slot = kCardsInHand - 1; slot >= 0; --slot) {
        if (SuitAt(table, seat, slot) == suit && RankAt(table, seat, slot) > rank) return slot;
    }
    return -1;
}

int32_t CardFunctions::FindMiddleOfSuit(const HandTable& table, int32_t seat, int32_t suit) {
    const int32_t count = CountSuit(table, seat, suit);
    if (count == 0) return -1;
    if (count < 3) return -2;
    const int32_t highest = FindHighestOfSuit(table, seat, suit);
    const int32_t lowest = FindLowestOfSuit(table, seat, suit);
    for (int32_t slot = highest + 1; slot <= highest + 2; ++slot) {
        if (slot < lowest && RankAt(table, seat, slot) >= 0) return slot;
    }
    return -2;
}

std::pair<int32_t, int32_t> CardFunctions::FindRankSlots(int32_t seat, int32_t rank) {
    int32_t highest = -1;
    int32_t lowest = -1;
    for (int slot = 0; slot < kCardsInHand; ++slot) {
        if (RankAt(hand.Hands, seat, slot) != rank) continue;
        if (lowest < 0) lowest = slot;
        highest = slot;
    }
    return {highest, lowest};
}

bool CardFunctions::IsTopFiveTrumps(int32_t seat) {
    const int32_t trump = Misc::TrumpSuit();
    int32_t sum = 0;
    for (int slot = 0; slot < kCardsInHand; ++slot) {
        if (SuitAt(hand.Hands, seat, slot) != trump) return false;
        sum += RankAt(hand.Hands, seat, slot);
    }
    return sum == kRightBower + kLeftBower + kAce + 4 + 3;
}

bool CardFunctions::CanCallSuit(int32_t seat, int32_t suit) {
    const int32_t rule = (settings.Opts2 >> 3) & 3;
    if (rule == 0) return true;
    if (rule == 1 && seat == Misc::DealerSeat()) return true;
    if (CountSuit(hand.Hands, seat, suit) > 0) return true;
    const bool leftBowerCounts = (settings.Opts2 & (1 << 5)) != 0;
    return leftBowerCounts && FindLeftBower(hand.Hands, seat, suit) >= 0;
}

int32_t CardFunctions::FindMustMakeSuit(int32_t seat) {
    const int32_t upSuit = APIs::Nib(hand.CardUp, 0);
    const bool firstRound = Misc::CallingRound() == 1;
    if (firstRound && seat == Misc::DealerSeat() && CountSuit(hand.Hands, seat, upSuit) >= 2) {
        return upSuit;
    }
    int32_t found = -1;
    for (int32_t suit = 0; suit < 4; ++suit) {
        const bool qualifies = firstRound ? suit == upSuit : suit != upSuit;
        if (qualifies && CountSuit(hand.Hands, seat, suit) >= 3) found = suit;
    }
    return found;
}

int32_t CardFunctions::RefusedPlay(int32_t seat, int32_t slot) {
    constexpr int32_t kLeads = 1 << 28;
    const int32_t suit = SuitAt(hand.Hands, seat, slot);
    const int32_t led = Misc::Get3Bits(hand.GenInf, 1);
    const int32_t trump = Misc::TrumpSuit();
    const bool leads = (hand.Tricks & kLeads) != 0;
    if (!leads && led <= 3 && CountSuit(hand.Hands, seat, led) > 0 && suit != led) return 71;
    if ((settings.Opts2 & (1 << 20)) != 0 && leads && !IsSet(flags.Stat0, Stat0Bits::TrumpPlayed) &&
        suit == trump && CountSuit(hand.Hands, seat, trump) != 6 - Misc::GenInfField8()) {
        return 72;
    }
    return 0;
}
