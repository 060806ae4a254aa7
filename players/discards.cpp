#include "players/discards.h"

#include "engine/model/hand_queries.h"

void Logics::Discard(const HandTable& table, int32_t seat, int32_t /*position*/, int32_t trump,
                     int32_t& result, int32_t /*mode*/) {
    const auto& cards = table[static_cast<size_t>(seat)];
    int32_t best = -1;
    const auto worse = [&](int32_t slot) {
        if (best < 0) return true;
        const bool slotTrump = cards[static_cast<size_t>(slot)][kSuitPlane] == trump;
        const bool bestTrump = cards[static_cast<size_t>(best)][kSuitPlane] == trump;
        if (slotTrump != bestTrump) return !slotTrump;
        const int32_t slotRank = cards[static_cast<size_t>(slot)][kRankPlane];
        const int32_t bestRank = cards[static_cast<size_t>(best)][kRankPlane];
        if (slotRank != bestRank) return slotRank < bestRank;
        return CardFunctions::CountSuit(table, seat, cards[static_cast<size_t>(slot)][kSuitPlane]) <
               CardFunctions::CountSuit(table, seat, cards[static_cast<size_t>(best)][kSuitPlane]);
    };
    for (int32_t slot = 0; slot <= 4; ++slot) {
        if (cards[static_cast<size_t>(slot)][kRankPlane] >= 0 && worse(slot)) best = slot;
    }
    if (best >= 0) result = best;
}
