#include "engine/deal.h"

#include <array>

#include "engine/event_sounds.h"
#include "engine/hand_log.h"
#include "engine/model/card_codes.h"
#include "engine/model/deck_draw.h"
#include "engine/model/preset_deals.h"
#include "engine/model/sorts.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/state/tables.h"
#include "platform/message_boxes.h"
#include "platform/packed_fields.h"
#include "platform/settings/player_settings.h"
#include "platform/sound/sound_system.h"
#include "platform/waits.h"
#include "render/lay_down.h"
#include "render/table_messages.h"

namespace {

constexpr int kShuffleSound = 25;
constexpr int32_t kJokerInDeck = 1 << 19;

bool SoundAllowed() {
    return settings.SoundOn && !flow.QuitNow;
}

int32_t KittyEntry(int32_t suit, int32_t rank) {
    return Misc::NibSet(rank * 16 + suit, kKittySeatCode, 3);
}

void ResetHandWords() {
    hand.GenInf = kNewHandGenInf;
    hand.CardUp = kNewHandCardUp;
    hand.SutOutInf = 0;
    hand.SutShownInf = 0;
    hand.SutLedInf = kNewHandSuitWord;
    hand.SutOffInf = kNewHandSuitWord;
    for (const int32_t bit :
         {Stat2Bits::MustCall, Stat2Bits::MustGoAlone, Stat2Bits::SeatSwapsKitty})
        ClearBit(flags.Stat2, bit);
    ClearBit(flags.Stat0, Stat0Bits::KittyKnown);
}

void DrawInto(int32_t& suit, int32_t& rank) {
    int32_t drawnSuit = 0;
    int32_t drawnRank = 0;
    CardFunctions::DrawRandomCard(drawnSuit, drawnRank);
    suit = drawnSuit;
    rank = drawnRank;
}

void DealCards() {
    for (auto& row : hand.DeckTable) row.fill(-1);
    hand.CardsPlayed.fill(kEmptyPlayedEntry);
    std::array<bool, 4> preset{};
    const bool upFixed = CardFunctions::ApplyPresetDeals(settings.Development0, preset);
    for (size_t seat = 0; seat < 4; ++seat) {
        if (preset[seat]) continue;
        for (size_t slot = 0; slot < 5; ++slot) {
            auto& card = hand.Hands[seat][slot];
            DrawInto(card[kSuitPlane], card[kRankPlane]);
        }
    }
    for (size_t i = 1; i < hand.Trk.size(); ++i) hand.Trk[i] = kEmptyTrickEntry;
    if (!upFixed) {
        int32_t suit = 0;
        int32_t rank = 0;
        DrawInto(suit, rank);
        hand.CardUp = Misc::NibSet(Misc::NibSet(hand.CardUp, suit, 0), rank, 1);
    }
    const int kittySize = (settings.Opts2 & kJokerInDeck) != 0 ? 4 : 3;
    for (int i = 0; i < kittySize; ++i) {
        int32_t suit = 0;
        int32_t rank = 0;
        DrawInto(suit, rank);
        hand.CardsPlayed[static_cast<size_t>(kFirstKittyEntry + i)] = KittyEntry(suit, rank);
    }
    for (int i = 0; i < 4; ++i)
        hand.CardsPlayed[static_cast<size_t>(kKittyCopyEntry + i)] =
            hand.CardsPlayed[static_cast<size_t>(kFirstKittyEntry + i)];
}

void ReloadFromLog(int development) {
    if (!Misc::ReadHandLog()) {
        MsgBox("File " + Misc::ErrorLogPath() + tables.MessageTable[291]);
    } else if (development == 0) {
        SetBit(flags.Stat2, Stat2Bits::HandReloaded);
    }
    if (development == 0) {
        ClearBit(flags.Stat2, Stat2Bits::ReloadHandFromLog);
        Video::ShowMessageSeries(2, tables.MessageTable[292], 1.0);
    }
}

}  // namespace

void GamePlaySubs::ShuffleAnnounce() {
    Video::EraseMessage(0);
    Video::DrawMessage(0, tables.MessageTable[12]);
    for (int i = 0; i < 2; ++i) {
        if (SoundAllowed()) {
            Misc::PlayEventSound(kShuffleSound);
            APIs::WaitMs(100);
        }
        if (flow.QuitNow) continue;
        const bool soundCard = IsSet(flags.Stat1, Stat1Bits::SoundCard);
        APIs::WaitMs(soundCard ? SoundPlayer.GetSoundTime(kShuffleSound) : 550);
    }
    Video::EraseMessage(0);
}

void GamePlaySubs::DealHand(int development) {
    ResetHandWords();
    DealCards();
    for (int32_t seat = 0; seat < 4; ++seat) Sorts::SortHand(hand.Hands, seat);
    hand.CardsPlayedCount = 0;
    ++hand.DealerCounter;
    hand.GenInf = Misc::Set3Bits(hand.GenInf, CardFunctions::Wrap4(hand.DealerCounter), 4);
    if (IsSet(flags.Stat2, Stat2Bits::ReloadHandFromLog)) ReloadFromLog(development);
    for (size_t seat = 0; seat < 4; ++seat) {
        for (size_t slot = 0; slot < 5; ++slot)
            hand.DealtHands[seat][slot] = hand.Hands[seat][slot];
    }
    hand.Tricks = kNewHandTricks;
    hand.NibCounter = 0;
    hand.LoopSaver = 0;
    hand.WhoPlayed = kNewHandWhoPlayed;
}

void GamePlaySubs::ResetHandForReplay() {
    hand.GenInf = Misc::Set3Bits(kNewHandGenInf, CardFunctions::Wrap4(hand.DealerCounter), 4);
    hand.SutLedInf = kNewHandSuitWord;
    hand.SutOffInf = kNewHandSuitWord;
    hand.SutOutInf = 0;
    hand.SutShownInf = 0;
    int32_t up = hand.CardUp;
    if (APIs::Nib(up, 1) == CardFunctions::kRightBower)
        up = Misc::NibSet(up, CardFunctions::kJack, 1);
    // A joker re-marked once trump was fixed goes back to its own rank too.
    if (APIs::Nib(up, 1) == CardFunctions::kTopJoker) {
        up = Misc::NibSet(Misc::NibSet(up, CardFunctions::kJokerSuit, 0), CardFunctions::kJoker, 1);
    }
    up = Misc::NibSet(up, 0, 2);
    up = Misc::NibSet(up, 7, 3);
    up = Misc::NibSet(up, 7, 4);
    up = Misc::NibSet(up, 0, 5);
    up = Misc::NibSet(up, 9, 6);
    hand.CardUp = up & ~((1 << 28) | (1 << 29) | (1 << 30));
    for (const int32_t bit : {Stat2Bits::MustCall, Stat2Bits::MustGoAlone,
                              Stat2Bits::SeatSwapsKitty, Stat2Bits::FastMode})
        ClearBit(flags.Stat2, bit);
    hand.NibCounter = 0;
    hand.LoopSaver = 0;
    hand.CardsPlayedCount = 0;
    for (size_t seat = 0; seat < 4; ++seat) {
        for (size_t slot = 0; slot < 5; ++slot)
            hand.Hands[seat][slot] = hand.DealtHands[seat][slot];
    }
    for (size_t i = 0; i < hand.CardsPlayed.size(); ++i) {
        if (i >= kFirstKittyEntry && i < kKittyCopyEntry) {
            hand.CardsPlayed[i] = hand.CardsPlayed[i + 4];
        } else if (i < kFirstKittyEntry || i >= kFirstPutAwayEntry) {
            hand.CardsPlayed[i] = kEmptyPlayedEntry;
        }
    }
}
