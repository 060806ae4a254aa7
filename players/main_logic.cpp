#include "players/main_logic.h"

#include <string>

#include "engine/model/calling_rules.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "platform/settings/player_settings.h"
#include "players/analysis_state.h"
#include "players/trick_context.h"
#include "players/trick_rules.h"

namespace {

using namespace LogicMain;

constexpr int32_t kAutoPlayed = 1 << 30;

int32_t FirstUnplayed(int32_t seat) {
    for (int32_t slot = 0; slot <= 4; ++slot) {
        if (SlotRank(seat, slot) >= 0) return slot;
    }
    return 5;
}

int32_t LastUnplayedOfSuit(int32_t seat, int32_t suit) {
    for (int32_t slot = 4; slot >= 0; --slot) {
        if (SlotRank(seat, slot) >= 0 && (suit < 0 || SlotSuit(seat, slot) == suit)) return slot;
    }
    return -1;
}

void Recover(const TrickContext& c, int32_t& result) {
    Explain("Error in Main Logic!");
    ClearBit(flags.Stat0, Stat0Bits::RecoveryCall);
    analysis.ReasonCode = 139;
    int32_t slot = -1;
    if (!c.leading && c.led <= 3 && c.counts[static_cast<size_t>(c.led)] > 0) {
        slot = LastUnplayedOfSuit(c.seat, c.led);
    }
    if (slot < 0) slot = LastUnplayedOfSuit(c.seat, -1);
    if (slot < 0) {
        SetBit(flags.Stat0, Stat0Bits::RecoveryCall);
        return;
    }
    result = slot;
}

bool HandOverToHuman(const TrickContext& c, int32_t& result) {
    if (!GamePlaySubs::IsHumanSeat(c.seat)) return false;
    if (!c.leading && (settings.Opts1 & (1 << 12)) != 0 && c.led <= 3 &&
        c.counts[static_cast<size_t>(c.led)] == 1) {
        hand.Tricks |= kAutoPlayed;
        Choose(result, LastUnplayedOfSuit(c.seat, c.led), 1);
        Explain("...Followed Suit with only Card Choice.");
        return true;
    }
    result = 6;
    Explain("...Get Human Input.");
    return true;
}

}  // namespace

void LogicMain::MainLogic(int32_t& result) {
    ClearBit(flags.Stat1, Stat1Bits::DiscardNineSignal);
    TrickContext c = ReadTrickContext();
    analysis.LogicTrace =
        settings.PlayerNames[static_cast<size_t>(c.seat)] +
        " in MainLogic: P=" + std::to_string(c.seat) + ", Trump=" + std::to_string(c.trump) +
        ", SuitLed=" + std::to_string(c.led) + ", Plyr=" + std::to_string(c.position) + "\r\n     ";

    if (SlotRank(c.seat, 0) < -99) {
        hand.Trk[static_cast<size_t>(c.position)] = 7 | (15 << 4) | (1 << 8);
        result = 0;
        Explain("...Partner Going Alone.");
        return;
    }
    if (c.trick == 5) {
        if (c.seat == 0 && (settings.Opts1 & (1 << 29)) != 0 &&
            !IsSet(flags.Stat1, Stat1Bits::ComputerDecidesSouth)) {
            result = 6;
            Explain("...Get Human Input.");
        } else {
            Choose(result, FirstUnplayed(c.seat), 75);
            Explain("...Chose Last Card.");
        }
        return;
    }
    if (IsSet(flags.Stat0, Stat0Bits::RecoveryCall)) {
        Recover(c, result);
        return;
    }
    if (HandOverToHuman(c, result)) return;

    Explain("  Logic Analyzing...");
    CompleteContext(c);
    if (c.leading) {
        ChooseLead(c, result);
    } else {
        ChooseFollow(c, result);
    }
}
