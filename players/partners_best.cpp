#include "players/partners_best.h"

#include "engine/model/card_codes.h"
#include "engine/model/hand_queries.h"
#include "engine/model/hand_words.h"
#include "engine/model/state/hand_state.h"
#include "players/analysis_state.h"

namespace {

int32_t SuitAt(int32_t seat, int32_t slot) {
    return hand.Hands[static_cast<size_t>(seat)][static_cast<size_t>(slot)][kSuitPlane];
}
int32_t RankAt(int32_t seat, int32_t slot) {
    return hand.Hands[static_cast<size_t>(seat)][static_cast<size_t>(slot)][kRankPlane];
}

int32_t BestTrump(int32_t seat, int32_t trump) {
    using namespace CardFunctions;
    if (const int32_t right = FindRightBower(hand.Hands, seat, trump); right >= 0) return right;
    if (const int32_t left = FindLeftBower(hand.Hands, seat, trump); left >= 0) return left;
    return FindHighestOfSuit(hand.Hands, seat, trump);
}

// Of the seat's cards of one rank, the one to pass, or -1 to try the next lower rank.
int32_t PickOfRank(int32_t seat, int32_t trump, int32_t rank) {
    using CardFunctions::CountSuit;
    int32_t found[5];
    int32_t count = 0;
    for (int32_t slot = 0; slot < 5; ++slot) {
        if (RankAt(seat, slot) == rank) found[count++] = slot;
    }
    if (count == 1) return found[0];
    if (count == 2) {
        const int32_t first = CountSuit(hand.Hands, seat, SuitAt(seat, found[0]));
        const int32_t second = CountSuit(hand.Hands, seat, SuitAt(seat, found[1]));
        if (first != second) return first < second ? found[0] : found[1];
        return SuitAt(seat, found[0]) == CardFunctions::SameColorSuit(trump) ? found[1] : found[0];
    }
    for (int32_t i = 0; i < count; ++i) {
        if (CountSuit(hand.Hands, seat, SuitAt(seat, found[i])) == 1) return found[i];
    }
    return -1;
}

}  // namespace

int32_t Logics::PartnersBestCard() {
    const int32_t trump = Misc::TrumpSuit();
    const int32_t partner = (Misc::GenInfField3() + 2) % 4;
    analysis.ReasonCode = 104;
    if (const int32_t slot = BestTrump(partner, trump); slot >= 0) return slot;
    for (int32_t rank = CardFunctions::kAce; rank >= 0; --rank) {
        if (const int32_t slot = PickOfRank(partner, trump, rank); slot >= 0) {
            analysis.ReasonCode = rank == CardFunctions::kAce ? 105 : 106;
            return slot;
        }
    }
    // Only a hand with no card in play gets here; its first slot is as good as any.
    return 0;
}
