#include "engine/model/deck_draw.h"

#include "engine/model/card_codes.h"
#include "engine/model/state/hand_state.h"
#include "platform/message_boxes.h"
#include "platform/random_source.h"
#include "platform/settings/player_settings.h"

namespace {

constexpr int32_t kInDeck = -1;
constexpr int kRandomDraws = 21;
constexpr int kMaxTries = 10000;

int32_t DeckSize() {
    return (settings.Opts2 & (1 << 19)) != 0 ? 25 : 24;
}

int32_t& Cell(int32_t rank, int32_t suit) {
    return hand.DeckTable[static_cast<size_t>(rank)][static_cast<size_t>(suit)];
}

int32_t CardsLeft(int32_t deckSize) {
    int32_t left = 0;
    for (int32_t rank = 0; rank <= CardFunctions::kAce; ++rank) {
        for (int32_t suit = 0; suit < 4; ++suit) left += Cell(rank, suit) == kInDeck ? 1 : 0;
    }
    if (deckSize == 25 && Cell(CardFunctions::kJoker, 0) == kInDeck) ++left;
    return left;
}

bool TryRandom(int32_t deckSize, int32_t& suit, int32_t& rank) {
    for (int tries = 0; tries < kMaxTries; ++tries) {
        const int32_t r = RandomBelow(deckSize);
        const int32_t drawSuit = r > 23 ? 0 : r / 6;
        const int32_t drawRank = r > 23 ? CardFunctions::kJoker : r % 6;
        if (Cell(drawRank, drawSuit) == kInDeck) {
            suit = drawSuit;
            rank = drawRank;
            return true;
        }
    }
    return false;
}

// Keeps the last cell found: coin 1 the lowest rank of the highest suit, coin 0
// the highest rank of the lowest suit.
void Scan(int32_t deckSize, int32_t& suit, int32_t& rank) {
    const int32_t top = deckSize - 19;
    const auto visit = [&](int32_t r, int32_t s) {
        if (Cell(r, s) == kInDeck) {
            suit = s;
            rank = r;
        }
    };
    if (RandomBelow(2) == 1) {
        for (int32_t r = top; r >= 0; --r) {
            for (int32_t s = 0; s < 4; ++s) visit(r, s);
        }
    } else {
        for (int32_t r = 0; r <= top; ++r) {
            for (int32_t s = 3; s >= 0; --s) visit(r, s);
        }
    }
}

}  // namespace

bool CardFunctions::DrawRandomCard(int32_t& suit, int32_t& rank) {
    const int32_t deckSize = DeckSize();
    const int32_t left = CardsLeft(deckSize);
    if (left == 0) return false;
    const bool randomDraw = deckSize - left < kRandomDraws;
    if (!randomDraw || !TryRandom(deckSize, suit, rank)) {
        if (randomDraw) MsgBox("Bad Code");
        Scan(deckSize, suit, rank);
    }
    if (rank == kJoker) {
        for (int32_t s = 0; s < 4; ++s) Cell(kJoker, s) = 0;
        suit = kJokerSuit;
    } else {
        Cell(rank, suit) = 0;
    }
    return true;
}
