#include "engine/score_hand.h"

#include <algorithm>

#include "engine/event_sounds.h"
#include "engine/model/card_codes.h"
#include "engine/model/hand_words.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/state/statistics.h"
#include "engine/model/state/tables.h"
#include "platform/packed_fields.h"
#include "platform/settings/player_settings.h"
#include "platform/sound/sound_system.h"
#include "platform/waits.h"
#include "render/table_host.h"
#include "render/table_messages.h"

namespace {

struct Result {
    int32_t text = 0;
    int32_t sound = 0;
};

void SetTrickBoxVisible(bool visible) {
    if (TableHost* table = CurrentTable()) {
        PictureBox box = table->PicBState(0);
        box.Visible = visible;
        table->SetPicBState(0, box);
    }
}

bool PauseEnded() {
    return IsSet(flags.Stat1, Stat1Bits::ReviewRequested) ||
           IsSet(flags.Stat0, Stat0Bits::ReplayRequested);
}

void AddPoints(int32_t team, int32_t points) {
    hand.Score = Misc::NibSet(hand.Score, APIs::Nib(hand.Score, team) + points, team);
}

void WaitOnResult(int32_t sound) {
    if (IsSet(flags.Stat2, Stat2Bits::FastMode)) return;
    const int32_t length = sound > 0 ? SoundPlayer.GetSoundTime(sound) : -1;
    if (!settings.SoundOn || flow.QuitNow || sound == 0) {
        if (!PauseEnded()) APIs::WaitMs(500);
    } else {
        Misc::PlayEventSound(sound);
        APIs::WaitMs(static_cast<int32_t>(0.9 * std::max(length, 0)));
    }
    for (int i = 0; i < 4 && !PauseEnded(); ++i) APIs::Pause(1.0);
}

// The largest leads kept for the end of the game: nibble 3 for team 0, 2 for team 1.
void CapAndKeepLeads() {
    const int32_t s0 = std::min(APIs::Nib(hand.Score, 0), 10);
    const int32_t s1 = std::min(APIs::Nib(hand.Score, 1), 10);
    hand.Score = Misc::NibSet(Misc::NibSet(hand.Score, s0, 0), s1, 1);
    if (s0 > s1 && s0 - s1 > APIs::Nib(hand.Score, 3)) {
        hand.Score = Misc::NibSet(hand.Score, s0 - s1, 3);
    }
    if (s1 > s0 && s1 - s0 > APIs::Nib(hand.Score, 2)) {
        hand.Score = Misc::NibSet(hand.Score, s1 - s0, 2);
    }
}

}  // namespace

void GamePlaySubs::CountStat(int32_t index) {
    if (index < 0 || index >= static_cast<int32_t>(stats.SessionStats.size())) return;
    ++stats.SessionStats[static_cast<size_t>(index)];
    ++stats.AllSessionStats[static_cast<size_t>(index)];
}

void GamePlaySubs::ScoreHand() {
    const bool noScore = IsSet(flags.Stat0, Stat0Bits::ReplayNoScore);
    const bool counting = !noScore && !(IsSet(flags.Stat1, Stat1Bits::ComputerDecidesSouth) &&
                                        !IsSet(flags.Stat2, Stat2Bits::FastMode));
    const int32_t maker = Misc::GenInfField2();
    const int32_t lone = Misc::GenInfField3();
    const int32_t team = maker % 2;
    const int32_t tricks = APIs::Nib(hand.Tricks, team);
    const bool alone = lone != CardFunctions::kNoSeat && lone % 2 == team;
    const auto count = [counting](int32_t index) {
        if (counting) CountStat(index);
    };
    Result result;
    if (tricks >= 3) {
        if (hand.Score == 0) {
            flags.Stat1 = team == 1 ? flags.Stat1 | Stat1Bits::FirstPointsToThem
                                    : flags.Stat1 & ~Stat1Bits::FirstPointsToThem;
        }
        count(7 * maker + 9);
        if (tricks == 5 && alone) {
            result = {115, team == 0 ? 17 : 18};
            if (!noScore) AddPoints(team, 4);
            count(7 * maker + 13);
        } else if (tricks == 5) {
            result = {116, team == 0 ? 19 : 20};
            if (!noScore) AddPoints(team, 2);
            count(7 * maker + 10);
        } else {
            result = {team == 0 ? 118 : 117, 0};
            if (!noScore) AddPoints(team, 1);
        }
    } else {
        result = {114, team == 0 ? 9 : 10};
        if (hand.Score == 0) {
            flags.Stat1 = team == 0 ? flags.Stat1 | Stat1Bits::FirstPointsToThem
                                    : flags.Stat1 & ~Stat1Bits::FirstPointsToThem;
        }
        if (!noScore) AddPoints(1 - team, 2);
        count(7 * maker + 11);
        if (alone) count(36 + maker);
    }
    SetTrickBoxVisible(false);
    Video::DrawMessage(0, tables.MessageTable[static_cast<size_t>(result.text)]);
    WaitOnResult(result.sound);
    if (!noScore) CapAndKeepLeads();
    Video::EraseMessage(0);
    SetTrickBoxVisible(true);
}
