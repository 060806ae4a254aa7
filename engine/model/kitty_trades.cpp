#include "engine/model/kitty_trades.h"

#include <array>

#include "engine/model/card_codes.h"
#include "engine/model/hand_queries.h"
#include "engine/model/hand_words.h"
#include "engine/model/sorts.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "platform/packed_fields.h"
#include "platform/settings/player_settings.h"

namespace {

using CardFunctions::kAce;

int32_t& Suit(int32_t seat, int32_t slot) {
    return hand.Hands[static_cast<size_t>(seat)][static_cast<size_t>(slot)][kSuitPlane];
}

int32_t& Rank(int32_t seat, int32_t slot) {
    return hand.Hands[static_cast<size_t>(seat)][static_cast<size_t>(slot)][kRankPlane];
}

// Swaps one hand card with kitty entry `entry`.
void ExchangeWithKitty(int32_t seat, int32_t slot, int32_t entry) {
    int32_t& kitty = hand.CardsPlayed[static_cast<size_t>(entry)];
    const int32_t kittySuit = APIs::Nib(kitty, 0);
    const int32_t kittyRank = APIs::Nib(kitty, 1);
    kitty = Rank(seat, slot) * 16 + Suit(seat, slot);
    Suit(seat, slot) = kittySuit;
    Rank(seat, slot) = kittyRank;
}

// Trades the flagged slots in slot order, as far as the kitty reaches.
void ExchangeFlagged(int32_t seat, const std::array<bool, 5>& trade, int32_t kittySize) {
    int32_t entry = kFirstKittyEntry;
    for (int32_t slot = 0; slot < 5 && entry < kFirstKittyEntry + kittySize; ++slot) {
        if (trade[static_cast<size_t>(slot)]) ExchangeWithKitty(seat, slot, entry++);
    }
}

}  // namespace

int32_t CardFunctions::KittySize() {
    return (settings.Opts2 & (1 << 19)) != 0 ? 4 : 3;
}

void CardFunctions::TradeThreeForKitty(int32_t seat, int32_t keptSlot) {
    const int32_t rank = FindThreeOfAKind(seat);
    if (rank < 0) return;
    if (keptSlot < 0 && FindFourOfAKind(seat) == rank) {
        keptSlot = FindCard(hand.Hands, seat, APIs::Nib(hand.CardUp, 0), rank);
    }
    std::array<bool, 5> trade{};
    for (int32_t slot = 0; slot < 5; ++slot) {
        trade[static_cast<size_t>(slot)] = slot != keptSlot && Rank(seat, slot) == rank;
    }
    ExchangeFlagged(seat, trade, 3);
    Sorts::SortHand(hand.Hands, seat);
    hand.GenInf |= kGenInfKittyKnown;
    SetBit(flags.Stat0, Stat0Bits::KittyKnown);
}

void CardFunctions::HumanKittySwap() {
    std::array<bool, 5> trade{};
    for (int32_t slot = 0; slot < 5; ++slot) {
        trade[static_cast<size_t>(slot)] = (flags.Stat2 & (1 << (slot + 3))) != 0;
    }
    ExchangeFlagged(0, trade, KittySize());
    RemarkBowersAndSort(0);
}

void CardFunctions::ComputerKittyExchange(int32_t seat) {
    const int32_t trump = Misc::TrumpSuit();
    std::array<bool, 5> kept{};
    std::array<bool, 5> thrown{};
    std::array<int32_t, 4> suitCounts{};
    int32_t trumps = 0;
    int32_t keptCount = 0;
    int32_t aceSuit = -1;
    for (int32_t slot = 0; slot < 5; ++slot) {
        const int32_t suit = Suit(seat, slot);
        const bool isTrump = suit == trump;
        const bool isAce = Rank(seat, slot) == kAce;
        if (isTrump) ++trumps;
        if (suit >= 0 && suit < 4) ++suitCounts[static_cast<size_t>(suit)];
        if (isAce && !isTrump) aceSuit = suit;
        kept[static_cast<size_t>(slot)] = isTrump || isAce;
        keptCount += kept[static_cast<size_t>(slot)] ? 1 : 0;
    }
    const auto keep = [&](int32_t slot) {
        if (kept[static_cast<size_t>(slot)] || thrown[static_cast<size_t>(slot)]) return false;
        kept[static_cast<size_t>(slot)] = true;
        ++keptCount;
        return true;
    };
    if (trumps == 3) {
        const int32_t nine = FindCard(hand.Hands, seat, trump, 0);
        if (nine >= 0) kept[static_cast<size_t>(nine)] = false;
    }
    const bool enoughTrumps = trumps == 2 || trumps == 3 || (trumps == 1 && keptCount == 2);
    if (!enoughTrumps && aceSuit >= 0) {
        if (suitCounts[static_cast<size_t>(aceSuit)] >= 2) {
            for (int32_t rank = kAce; rank >= 0 && keptCount < 2; --rank) {
                for (int32_t slot = 0; slot < 5 && keptCount < 2; ++slot) {
                    if (Suit(seat, slot) == aceSuit && Rank(seat, slot) == rank) keep(slot);
                }
            }
        } else {
            for (int32_t slot = 0; slot < 5; ++slot) {
                if (Rank(seat, slot) == 1 && keep(slot)) break;
            }
        }
    } else if (!enoughTrumps) {
        int32_t singles = 0;
        int32_t lastSingle = -1;
        for (int32_t suit = 0; suit < 4; ++suit) {
            if (suitCounts[static_cast<size_t>(suit)] != 1) continue;
            lastSingle = suit;
            if (suit != trump) ++singles;
        }
        if (singles == 1) {
            for (int32_t slot = 0; slot < 5; ++slot) {
                if (Suit(seat, slot) != lastSingle) continue;
                thrown[static_cast<size_t>(slot)] = true;
                if (kept[static_cast<size_t>(slot)]) --keptCount;
                kept[static_cast<size_t>(slot)] = false;
            }
        }
        for (int32_t rank = 3; rank >= 0 && keptCount < 2; --rank) {
            for (int32_t slot = 0; slot < 5; ++slot) {
                if (Rank(seat, slot) == rank && Suit(seat, slot) != trump && keep(slot)) break;
            }
        }
    }
    std::array<bool, 5> trade{};
    for (size_t slot = 0; slot < 5; ++slot) trade[slot] = !kept[slot];
    ExchangeFlagged(seat, trade, KittySize());
}

void CardFunctions::RemarkBowers(int32_t seat) {
    const int32_t trump = Misc::TrumpSuit();
    if (trump < 0 || trump > 3) return;
    if (const int32_t left = FindLeftBower(hand.Hands, seat, trump); left >= 0) {
        Suit(seat, left) = trump;
        Rank(seat, left) = kLeftBower;
    }
    if (const int32_t right = FindRightBower(hand.Hands, seat, trump); right >= 0) {
        Rank(seat, right) = kRightBower;
    }
    // The joker joins trump as its top card.
    for (int32_t slot = 0; slot < 6; ++slot) {
        if (Suit(seat, slot) != kJokerSuit || Rank(seat, slot) < 0) continue;
        Suit(seat, slot) = trump;
        Rank(seat, slot) = kTopJoker;
    }
}

void CardFunctions::RemarkBowersAndSort(int32_t seat) {
    RemarkBowers(seat);
    Sorts::SortHand(hand.Hands, seat);
}
