#include "engine/model/played_cards.h"

#include <algorithm>
#include <array>

#include "engine/model/card_codes.h"
#include "engine/model/hand_queries.h"
#include "engine/model/hand_words.h"
#include "engine/model/suit_knowledge.h"
#include "platform/packed_fields.h"

namespace {

int32_t LastPlayedEntry() {
    return std::min<int32_t>(hand.CardsPlayedCount,
                             static_cast<int32_t>(hand.CardsPlayed.size()) - 1);
}

int32_t EntrySuit(int32_t entry) {
    return APIs::Nib(entry, 0);
}
int32_t EntryRank(int32_t entry) {
    return APIs::Nib(entry, 1);
}

bool TrickHolds(int32_t rank) {
    const int32_t trump = Misc::TrumpSuit();
    for (size_t i = 1; i <= 4; ++i) {
        if (EntrySuit(hand.Trk[i]) == trump && EntryRank(hand.Trk[i]) == rank) return true;
    }
    return false;
}

}  // namespace

bool GamePlay::IsCardPlayed(int32_t suit, int32_t rank) {
    for (int32_t i = 0; i <= LastPlayedEntry(); ++i) {
        const int32_t entry = hand.CardsPlayed[static_cast<size_t>(i)];
        if (EntrySuit(entry) == suit && EntryRank(entry) == rank) return true;
    }
    return false;
}

bool CardFunctions::IsPlayedBySeat(int32_t suit, int32_t rank) {
    if (!GamePlay::IsCardPlayed(suit, rank)) return false;
    for (int32_t i = 0; i <= LastPlayedEntry(); ++i) {
        const int32_t entry = hand.CardsPlayed[static_cast<size_t>(i)];
        const int32_t seat = APIs::Nib(entry, 3);
        if (EntrySuit(entry) == suit && EntryRank(entry) == rank && seat >= 0 && seat <= 3) {
            return true;
        }
    }
    return false;
}

bool CardFunctions::RightBowerPlayed() {
    return TrickHolds(kRightBower);
}
bool CardFunctions::LeftBowerPlayed() {
    return TrickHolds(kLeftBower);
}

int32_t CardFunctions::CountPlayedOfSuit(int32_t suit) {
    int32_t count = 0;
    for (int32_t i = 0; i <= LastPlayedEntry(); ++i) {
        if (EntrySuit(hand.CardsPlayed[static_cast<size_t>(i)]) == suit) ++count;
    }
    return count - 1;
}

bool CardFunctions::HoldsHighestOutstanding(const HandTable& table, int32_t seat, int32_t trump,
                                            int32_t suit) {
    bool othersOut = true;
    for (int32_t other = 0; other < 4; ++other) {
        if (other != seat && !TestSeatSuitFlag(other, suit, hand.SutOutInf)) othersOut = false;
    }
    if (othersOut) return true;

    std::array<bool, 10> gone{};
    const auto noteGone = [&](int32_t entry) {
        const int32_t rank = EntryRank(entry);
        if (EntrySuit(entry) == suit && APIs::Nib(entry, 2) == 0 && rank >= 0 && rank <= 9) {
            gone[static_cast<size_t>(rank)] = true;
        }
    };
    const int32_t first = Misc::CallingRound() == 2 ? 0 : 1;
    for (int32_t i = first; i <= LastPlayedEntry(); ++i)
        noteGone(hand.CardsPlayed[static_cast<size_t>(i)]);
    if ((hand.GenInf & kGenInfKittyKnown) != 0) {
        for (size_t i = kFirstKittyEntry; i < kFirstKittyEntry + 3; ++i)
            noteGone(hand.CardsPlayed[i]);
    }

    const int32_t own = FindHighestOfSuit(table, seat, suit);
    if (own < 0) return false;
    const int32_t ownRank = table[static_cast<size_t>(seat)][static_cast<size_t>(own)][kRankPlane];
    const bool isTrump = suit == trump;
    for (int32_t rank = isTrump ? kRightBower : kAce; rank >= 0; --rank) {
        if (rank == kJoker) continue;
        if (rank <= ownRank) return true;
        const bool rankGone = gone[static_cast<size_t>(rank)] || (isTrump && rank == kJack);
        if (!rankGone) return false;
    }
    return true;
}
