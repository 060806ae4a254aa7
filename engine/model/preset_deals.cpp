#include "engine/model/preset_deals.h"

#include "engine/model/state/hand_state.h"
#include "platform/packed_fields.h"

namespace {

struct Card {
    int32_t suit;
    int32_t rank;
};
using Layout = std::array<Card, 5>;

// Suits 0 hearts … 3 spades; ranks 0 nine … 5 ace.
constexpr std::array<Layout, 2> kGroupA{{
    {{{0, 2}, {1, 2}, {0, 5}, {0, 4}, {2, 5}}},
    {{{3, 2}, {2, 2}, {3, 5}, {3, 4}, {1, 5}}},
}};
constexpr std::array<Layout, 4> kGroupB{{
    {{{2, 2}, {3, 2}, {2, 5}, {2, 3}, {0, 0}}},
    {{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {0, 1}}},
    {{{1, 2}, {1, 5}, {1, 4}, {1, 3}, {1, 1}}},
    {{{0, 3}, {1, 3}, {2, 3}, {3, 3}, {3, 1}}},
}};
constexpr std::array<Layout, 4> kGroupC{{
    {{{3, 5}, {3, 4}, {3, 3}, {3, 1}, {3, 0}}},
    {{{0, 1}, {1, 1}, {2, 1}, {3, 1}, {2, 0}}},
    {{{2, 4}, {2, 3}, {2, 1}, {0, 3}, {1, 4}}},
    {{{0, 4}, {1, 4}, {2, 4}, {3, 4}, {1, 0}}},
}};
// The up cards groups C and B layout 0 fix, taken from what the layouts leave.
constexpr Card kUpCardOfC{0, 2};
constexpr Card kUpCardOfB{2, 1};

bool IsSet(int32_t word, int bit) {
    return (word & (1 << bit)) != 0;
}

bool CardFree(const Card& card) {
    return hand.DeckTable[static_cast<size_t>(card.rank)][static_cast<size_t>(card.suit)] == -1;
}

bool LayoutFree(const Layout& layout) {
    for (const Card& card : layout) {
        if (!CardFree(card)) return false;
    }
    return true;
}

void Place(int32_t seat, const Layout& layout) {
    auto& slots = hand.Hands[static_cast<size_t>(seat)];
    for (size_t slot = 0; slot < layout.size(); ++slot) {
        slots[slot][kSuitPlane] = layout[slot].suit;
        slots[slot][kRankPlane] = layout[slot].rank;
        hand.DeckTable[static_cast<size_t>(layout[slot].rank)]
                      [static_cast<size_t>(layout[slot].suit)] = 0;
    }
}

void FixUpCard(const Card& card) {
    hand.CardUp = Misc::NibSet(hand.CardUp, card.suit, 0);
    hand.CardUp = Misc::NibSet(hand.CardUp, card.rank, 1);
    hand.DeckTable[static_cast<size_t>(card.rank)][static_cast<size_t>(card.suit)] = 0;
}

}  // namespace

bool CardFunctions::ApplyPresetDeals(int32_t development, std::array<bool, 4>& taken) {
    taken = {};
    bool upFixed = false;
    // A group whose seat an earlier group took is dropped; so is one whose cards an
    // earlier group already dealt, so that no card is ever dealt twice.
    const auto apply = [&](int enableBit, int seatBit, const Layout& layout, bool fixesUp,
                           const Card& upCard) {
        if (!IsSet(development, enableBit)) return;
        const int32_t seat = (development >> seatBit) & 3;
        if (taken[static_cast<size_t>(seat)] || !LayoutFree(layout)) return;
        if (fixesUp && (upFixed || !CardFree(upCard))) fixesUp = false;
        Place(seat, layout);
        taken[static_cast<size_t>(seat)] = true;
        if (fixesUp) {
            FixUpCard(upCard);
            upFixed = true;
        }
    };
    apply(10, 11, kGroupA[static_cast<size_t>((development >> 13) & 1)], false, kUpCardOfC);
    const int32_t variantB = (development >> 8) & 3;
    apply(5, 6, kGroupB[static_cast<size_t>(variantB)], variantB == 0, kUpCardOfB);
    apply(0, 1, kGroupC[static_cast<size_t>((development >> 3) & 3)], true, kUpCardOfC);
    return upFixed;
}
