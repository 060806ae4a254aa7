#include "players/tie_break.h"

#include <algorithm>

#include "engine/model/card_codes.h"
#include "engine/model/hand_queries.h"
#include "engine/model/played_cards.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/suit_knowledge.h"
#include "platform/packed_fields.h"
#include "players/analysis_state.h"

namespace {

bool SomeoneLed(int32_t suit) {
    return CardFunctions::TestSeatSuitFlag(7, suit, hand.SutLedInf);
}

int32_t PlayedOfSuit(int32_t suit) {
    int32_t count = 0;
    for (int32_t i = 0; i <= std::min<int32_t>(hand.CardsPlayedCount, 33); ++i) {
        if (APIs::Nib(hand.CardsPlayed[static_cast<size_t>(i)], 0) == suit) ++count;
    }
    return count;
}

int32_t Count(const LogicMain::SuitCounts& counts, int32_t suit) {
    return counts[static_cast<size_t>(suit)];
}

// The card (suit, rank) that the seat does not hold cannot beat its trump.
bool NoThreat(int32_t seat, int32_t suit, int32_t rank, int32_t trick,
              const LogicMain::SuitCounts& counts, bool top, int32_t teamTricks, int32_t& found) {
    using namespace CardFunctions;
    if (GamePlay::IsCardPlayed(suit, rank)) return true;
    if (rank == kRightBower) return true;
    if (rank == kLeftBower && FindCard(hand.Hands, seat, suit, 4) >= 0 &&
        FindCard(hand.Hands, seat, suit, kAce) >= 0) {
        return true;
    }
    if (trick >= 4 || top) return true;
    if (TestSeatSuitFlag((seat + 1) % 4, suit, hand.SutOutInf) &&
        TestSeatSuitFlag((seat + 3) % 4, suit, hand.SutOutInf)) {
        analysis.ReasonCode = 44;
        return true;
    }
    if (Count(counts, suit) == 6 - trick) {
        analysis.ReasonCode = 73;
        return true;
    }
    if (Count(counts, suit) == 5 - trick && analysis.ReasonCode != 44) {
        if (trick >= 3 && teamTricks < trick - 1 && rank < kAce) {
            for (int32_t slot = 0; slot <= 4; ++slot) {
                if (LogicMain::SlotRank(seat, slot) >= 0 && LogicMain::SlotSuit(seat, slot) != suit)
                    found = slot;
            }
            if (found >= 0 && LogicMain::SlotRank(seat, found) >= 4) {
                analysis.ReasonCode = 45;
                return false;
            }
        }
        return true;
    }
    return false;
}

}  // namespace

void LogicMain::BreakTie(int32_t seat, const SuitCounts& counts, int32_t trump, int32_t a,
                         int32_t& b) {
    const int32_t suitA = SlotSuit(seat, a);
    const int32_t suitB = SlotSuit(seat, b);
    const bool ledA = SomeoneLed(suitA);
    const bool ledB = SomeoneLed(suitB);
    if (ledA != ledB) {
        if (ledB) b = a;
        return;
    }
    if (Count(counts, suitA) != Count(counts, suitB)) {
        if (Count(counts, suitA) < Count(counts, suitB)) b = a;
        return;
    }
    const int32_t playedA = PlayedOfSuit(suitA);
    const int32_t playedB = PlayedOfSuit(suitB);
    if (playedA != playedB) {
        if (playedA < playedB) b = a;
        return;
    }
    if (suitB == CardFunctions::SameColorSuit(trump)) b = a;
}

void LogicMain::LeadBossTest(int32_t seat, int32_t suit, int32_t trick, const SuitCounts& counts,
                             bool top, int32_t teamTricks, int32_t& chosen) {
    using namespace CardFunctions;
    analysis.ReasonCode = 42;
    int32_t rank = kRightBower;
    int32_t found = -1;
    bool goOn = false;
    do {
        if (rank == kJoker) rank = kAce;
        goOn = false;
        found = FindCard(hand.Hands, seat, suit, rank);
        if (found == -1 && rank > 0) {
            goOn = NoThreat(seat, suit, rank, trick, counts, top, teamTricks, found);
        }
        --rank;
    } while (rank >= 0 && goOn);
    if (found >= 0) {
        chosen = found;
        if (analysis.ReasonCode == 42 && top) analysis.ReasonCode = 43;
        return;
    }
    for (int32_t k = kAce; k >= 0 && chosen == 5; --k) {
        const auto [highest, lowest] = FindRankSlots(seat, k);
        if (highest < 0) continue;
        if (SlotSuit(seat, highest) == suit) {
            if (lowest != highest) chosen = lowest;
        } else {
            chosen = highest;
        }
    }
    analysis.ReasonCode = Count(counts, suit) == 0 ? 46 : 47;
}
