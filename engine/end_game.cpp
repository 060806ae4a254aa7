#include "engine/end_game.h"

#include <algorithm>
#include <cmath>

#include "engine/event_sounds.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/state/tables.h"
#include "engine/score_hand.h"
#include "platform/packed_fields.h"
#include "platform/settings/player_settings.h"
#include "platform/sound/sound_system.h"
#include "platform/waits.h"
#include "render/screen_scale.h"
#include "render/table_host.h"
#include "render/text_drawing.h"

namespace {

const std::string& Message(int32_t n) {
    return tables.MessageTable[static_cast<size_t>(n)];
}

const std::string& Wording() {
    const bool bit27 = (settings.Opts1 & (1 << 27)) != 0;
    const bool bit28 = (settings.Opts1 & (1 << 28)) != 0;
    return Message(102 + (bit27 ? 1 : 0) + (bit28 ? 2 : 0));
}

}  // namespace

GamePlaySubs::GameResult GamePlaySubs::GameOverResult(int32_t count) {
    const int32_t s0 = APIs::Nib(hand.Score, 0);
    const int32_t s1 = APIs::Nib(hand.Score, 1);
    const bool notDemo = IsSet(flags.Stat2, Stat2Bits::FastMode) ||
                         !IsSet(flags.Stat1, Stat1Bits::ComputerDecidesSouth);
    const bool counting = count == -1 && notDemo;
    const auto tally = [counting](int32_t index) {
        if (counting) CountStat(index);
    };
    GameResult result;
    result.Lines[0] = Message(100);
    result.Lines[1] = Message(101);
    const bool lost = s0 < 10;
    int32_t loserLead = 0;
    if (lost) {
        result.Lines[2] = Message(107);
        tally(4);
        if (IsSet(flags.Stat1, Stat1Bits::FirstPointsToThem)) tally(6);
        if (APIs::Nib(hand.Score, 3) >= 6) tally(5);
        if (settings.SoundOn && s1 - s0 <= 6) result.Sound = 15;
        loserLead = APIs::Nib(hand.Score, 3);
    } else {
        result.Lines[2] = Message(106);
        tally(0);
        if (!IsSet(flags.Stat1, Stat1Bits::FirstPointsToThem)) tally(1);
        if (APIs::Nib(hand.Score, 2) > 5) tally(3);
        if (settings.SoundOn && s0 - s1 <= 6) result.Sound = 31;
        loserLead = APIs::Nib(hand.Score, 2);
    }
    result.Lines[3] = Message(108) + std::to_string(s0);
    result.Lines[4] = Message(109) + std::to_string(s1);
    if (s1 - s0 >= 7) {
        result.Lines[5] = Message(110) + Wording();
        if (notDemo) result.Sound = 16;
        tally(7);
    } else if (s0 - s1 >= 7) {
        result.Lines[5] = Message(111) + Wording();
        if (notDemo) result.Sound = 32;
        tally(2);
    }
    if (loserLead >= 6) {
        result.Lines[5] = Message(112);
    } else if (std::abs(s0 - s1) <= 2) {
        result.Lines[5] = Message(113);
    }
    return result;
}

void GamePlaySubs::EndGame(int32_t count) {
    const GameResult result = GameOverResult(count);
    if (TableHost* table = CurrentTable()) {
        static constexpr int32_t kLineY[6] = {150, 185, 220, 265, 300, 350};
        for (size_t i = 0; i < result.Lines.size(); ++i) {
            APIs::DrawTextFont(table->Table(), result.Lines[i], scale.BandWidth / 2,
                               static_cast<int32_t>(kLineY[i] * scale.ScaleFactor), scale.FontSize1,
                               APIs::kAlignCentre, "Kavlor4", 0, 0);
        }
        table->RefreshTable();
    }
    if (IsSet(flags.Stat2, Stat2Bits::FastMode) || !settings.SoundOn || result.Sound == 0) return;
    Misc::PlayEventSound(result.Sound);
    APIs::WaitMs(std::max(SoundPlayer.GetSoundTime(result.Sound), 0));
}
