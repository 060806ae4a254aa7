#include <array>

#include "engine/deal.h"
#include "engine/event_sounds.h"
#include "engine/model/card_codes.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/state/tables.h"
#include "platform/random_source.h"
#include "platform/settings/player_settings.h"
#include "platform/sound/sound_system.h"
#include "platform/waits.h"
#include "render/card_played.h"
#include "render/table_host.h"
#include "render/table_messages.h"
#include "render/table_parts.h"

namespace {

constexpr int kDealSound = 8;
constexpr int kRandomDraws = 19;
constexpr int32_t kFirstJokerDeals = 1 << 11;
constexpr int32_t kTrickBoxPart = 4;

using PrivateDeck = std::array<std::array<int32_t, 4>, 7>;

struct Card {
    int32_t suit;
    int32_t rank;
};

bool Stopped() {
    return flow.QuitNow || IsSet(flags.Stat0, Stat0Bits::PlayersChanged);
}

bool InDeck(const PrivateDeck& deck, int32_t rank, int32_t suit) {
    return deck[static_cast<size_t>(rank)][static_cast<size_t>(suit)] == -1;
}

Card RandomCard(const PrivateDeck& deck, int32_t deckSize) {
    while (true) {
        const int32_t r = RandomBelow(deckSize);
        const Card card = r > 23 ? Card{0, CardFunctions::kJoker} : Card{r / 6, r % 6};
        if (InDeck(deck, card.rank, card.suit)) return card;
    }
}

// The last card still in over ranks up and suits down: the highest rank, lowest suit.
Card ScannedCard(const PrivateDeck& deck, int32_t deckSize) {
    Card found{-1, -1};
    for (int32_t rank = 0; rank <= deckSize - 19; ++rank) {
        for (int32_t suit = 3; suit >= 0; --suit) {
            if (InDeck(deck, rank, suit)) found = {suit, rank};
        }
    }
    return found;
}

void MarkOut(PrivateDeck& deck, const Card& card) {
    if (card.rank == CardFunctions::kJoker) {
        deck[static_cast<size_t>(card.rank)].fill(0);
    } else {
        deck[static_cast<size_t>(card.rank)][static_cast<size_t>(card.suit)] = 0;
    }
}

// The count of cards dealt, or 0 when stopped.
int32_t DealFaceUp(int32_t deckSize, int32_t decidingRank) {
    PrivateDeck deck{};
    for (auto& row : deck) row.fill(-1);
    hand.FirstDealerCards.fill(0);
    for (int32_t count = 0; count < static_cast<int32_t>(hand.FirstDealerCards.size());) {
        if (Stopped()) return 0;
        const Card card =
            count < kRandomDraws ? RandomCard(deck, deckSize) : ScannedCard(deck, deckSize);
        if (card.rank < 0) break;
        MarkOut(deck, card);
        const int32_t suit =
            card.rank == CardFunctions::kJoker ? CardFunctions::kJokerSuit : card.suit;
        hand.FirstDealerCards[static_cast<size_t>(count)] = card.rank * 16 + suit;
        ++count;
        if (card.rank == decidingRank) return count;
    }
    return 0;
}

void SetTrickBoxVisible(bool visible) {
    TableHost* table = CurrentTable();
    if (!table) return;
    PictureBox box = table->PicBState(0);
    box.Visible = visible;
    table->SetPicBState(0, box);
    if (visible) table->PicB(0).Fill(box.BackColor);
}

void CardSound() {
    if (!settings.SoundOn || flow.QuitNow) {
        APIs::Pause(0.7);
        return;
    }
    const int32_t length = SoundPlayer.GetSoundTime(kDealSound);
    if (length == 0) {
        APIs::Pause(0.6);
        return;
    }
    Misc::PlayEventSound(kDealSound);
    if (length > 0) APIs::WaitMs(length);
}

void ShowCards(int32_t count) {
    SetTrickBoxVisible(true);
    for (int32_t i = 0; i < count; ++i) {
        const int32_t entry = hand.FirstDealerCards[static_cast<size_t>(i)];
        Video::DrawFirstDealerCard((i + 1) % 4, entry % 16, entry / 16);
        CardSound();
        if (TableHost* table = CurrentTable()) table->RefreshPicB(0);
        APIs::Pause(0.4);
    }
}

}  // namespace

int32_t GamePlaySubs::ChooseFirstDealer() {
    const bool joker = (settings.Opts3 & kFirstJokerDeals) != 0;
    Video::DrawMessage(1, tables.MessageTable[13]);
    Video::DrawMessage(2, tables.MessageTable[joker ? 15 : 14]);
    APIs::Pause(7.0);
    const int32_t count =
        DealFaceUp(joker ? 25 : 24, joker ? CardFunctions::kJoker : CardFunctions::kJack);
    if (count == 0) return 0;
    ShowCards(count);
    Video::EraseMessage(1);
    Video::EraseMessage(2);
    const int32_t seat = count % 4;
    Video::ShowMessageTimed(
        1, settings.PlayerNames[static_cast<size_t>(seat)] + tables.MessageTable[17], 9.0);
    Video::ClearTableParts(kTrickBoxPart);
    SetTrickBoxVisible(false);
    return seat;
}
