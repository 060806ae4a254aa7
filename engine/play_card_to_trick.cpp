#include "engine/play_card_to_trick.h"

#include <cmath>

#include "engine/card_sounds.h"
#include "engine/event_sounds.h"
#include "engine/model/card_codes.h"
#include "engine/model/hand_words.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/trick_card.h"
#include "platform/packed_fields.h"
#include "platform/settings/player_settings.h"
#include "platform/sound/sound_system.h"
#include "platform/waits.h"
#include "render/card_played.h"

namespace {

using namespace CardFunctions;

constexpr int kRightBowerSound = 24;
constexpr int kLeftBowerSound = 14;

void PlayBowerSound(int event) {
    const int32_t length = SoundPlayer.GetSoundTime(event);
    if (length == 0) {
        APIs::Pause(0.2);
        return;
    }
    Misc::PlayEventSound(event);
    if (length > 0) APIs::WaitMs(static_cast<int32_t>(std::lround(0.9 * length)));
}

void PlaySound(int32_t rank, bool isTrump) {
    if (IsSet(flags.Stat2, Stat2Bits::FastMode) || !settings.SoundOn || flow.QuitNow) return;
    if (isTrump && rank == kRightBower) {
        PlayBowerSound(kRightBowerSound);
    } else if (isTrump && rank == kLeftBower) {
        PlayBowerSound(kLeftBowerSound);
    } else if (APIs::Nib(hand.Trk[static_cast<size_t>(Misc::TricksNibble5() % 6)], 2) == 0) {
        GamePlaySubs::PlayCardSound(1);
    }
}

void Flash(int32_t hold, int32_t settle) {
    APIs::BusyWaitMs(hold == 350 ? 25 : 60);
    Video::InvertPlayedCard();
    APIs::WaitMs(2);
    APIs::BusyWaitMs(hold);
    Video::InvertPlayedCard();
    if (settle > 0) APIs::WaitMs(settle);
}

void FlashBower(int32_t rank) {
    if (IsSet(flags.Stat2, Stat2Bits::FastMode) || (settings.Opts3 & (1 << 25)) != 0) return;
    const bool wanted = (settings.Opts3 & (1 << 26)) != 0 || (settings.Opts1 & 1) != 0 ||
                        !IsSet(flags.Stat1, Stat1Bits::SoundCard);
    if (!wanted) return;
    Flash(350, 2);
    if (rank == kRightBower) Flash(275, 0);
    APIs::WaitMs(50);
}

}  // namespace

void GamePlaySubs::PlayCardToTrick(int32_t seat, int32_t& winner) {
    const int32_t card = hand.CardsPlayed[static_cast<size_t>(hand.CardsPlayedCount)];
    const int32_t rank = APIs::Nib(card, 1);
    const bool isTrump = APIs::Nib(card, 0) == Misc::TrumpSuit();
    PlaySound(rank, isTrump);
    if (isTrump && (rank == kRightBower || rank == kLeftBower)) FlashBower(rank);

    const TrickCardEffect effect = RecordTrickCard(seat);
    if (effect.humanShowOutPause) APIs::Pause(3.0);
    winner = effect.winner;
    if (Misc::GenInfField3() != (seat + 2) % 4) APIs::Pause(0.5);
}
