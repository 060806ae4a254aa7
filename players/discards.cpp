#include "players/discards.h"

#include "platform/packed_fields.h"

// A plain version until the computer's own discard rules arrive: the lowest card that is
// not trump, else the lowest card.
int32_t Logics::Discard(const HandTable& table, int32_t seat, int32_t /*position*/, int32_t trump,
                        int32_t& out, int32_t /*traceFlag*/) {
    out = -1;
    const int32_t last = (hand.NibCounter & (1 << 28)) != 0 ? 5 : 4;
    const auto& cards = table[static_cast<size_t>(seat)];
    auto card = [&](int32_t slot) -> std::array<int32_t, 2> {
        if (slot == 5) return {APIs::Nib(hand.NibCounter, 4), APIs::Nib(hand.NibCounter, 5)};
        return cards[static_cast<size_t>(slot)];
    };
    for (bool anyTrump : {false, true}) {
        for (int32_t slot = 0; slot <= last; ++slot) {
            const auto c = card(slot);
            if (c[kRankPlane] < 0 || (!anyTrump && c[kSuitPlane] == trump)) continue;
            if (out < 0 || c[kRankPlane] < card(out)[kRankPlane]) out = slot;
        }
        if (out >= 0) break;
    }
    if (out == 5) hand.NibCounter |= 1 << 29;
    return out;
}

int32_t Logics::BestKittyCard(int32_t /*flag*/) {
    int32_t best = -1;
    for (int32_t entry = kFirstKittyEntry; entry < kFirstKittyEntry + 3; ++entry) {
        const int32_t rank = APIs::Nib(hand.CardsPlayed[static_cast<size_t>(entry)], 1);
        if (rank >= 0 && rank <= 8 &&
            (best < 0 || rank > APIs::Nib(hand.CardsPlayed[static_cast<size_t>(best)], 1))) {
            best = entry;
        }
    }
    return best;
}

int32_t Logics::TradeInDecision(int32_t /*rank*/, int32_t /*seat*/, int32_t /*position*/) {
    return 0;
}
