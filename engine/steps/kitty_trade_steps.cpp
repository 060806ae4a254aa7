#include <string>

#include "engine/game_play.h"
#include "engine/hand_slots.h"
#include "engine/model/calling_rules.h"
#include "engine/model/card_codes.h"
#include "engine/model/game_trace.h"
#include "engine/model/hand_queries.h"
#include "engine/model/kitty_trades.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/state/tables.h"
#include "engine/slowpoke_timer.h"
#include "engine/steps/calling_steps.h"
#include "engine/steps/calling_support.h"
#include "platform/packed_fields.h"
#include "platform/settings/player_settings.h"
#include "platform/waits.h"
#include "players/kitty_decisions.h"
#include "render/choice_buttons.h"
#include "render/hand_drawing.h"
#include "render/trick_box_wipe.h"
#include "render/table_messages.h"

using namespace GamePlay::Calling;

namespace {
constexpr int32_t kNoRank = 9;
int32_t TradedRank() {
    return APIs::Nib(hand.CardUp, 6);
}
void SetTradedRank(int32_t rank) {
    hand.CardUp = Misc::NibSet(hand.CardUp, rank, 6);
}
int32_t TradingSeat() {
    return Misc::Get3Bits(hand.LoopSaver, 0);
}
void Prompt(StepCall& call, int32_t answerStep) {
    KavlorMain::SetSlowpokeTimer(answerStep);
    GamePlay::AwaitHuman(call.KeepRunning, call.InputCue);
    flow.Ptrg = answerStep;
}
void TradeDone() {
    Video::DrawHands(0);
    Video::DrawDeckBox();
    APIs::Pause(3);
    hand.GenInf |= kGenInfKittyKnown;
}
}  // namespace

void GamePlay::Step1800(StepCall& call) {
    if ((settings.Opts2 & (1 << 21)) == 0) {
        GoOn(call, 1950);
        return;
    }
    int32_t count = APIs::Nib(hand.NibCounter, 0);
    if (count == 0) Misc::Trace("3-of-a-Kind Test for Kitty Trade");
    ++count;
    SetTradedRank(kNoRank);
    if (count > 4) {
        hand.NibCounter = Misc::NibSet(hand.NibCounter, 0, 0);
        GoOn(call, 1950);
        return;
    }
    hand.NibCounter = Misc::NibSet(hand.NibCounter, count, 0);
    const int32_t seat = CardFunctions::Wrap4(Misc::Get3Bits(hand.GenInf, 4) + count + 1);
    hand.LoopSaver = Misc::Set3Bits(hand.LoopSaver, seat, 0);
    const int32_t rank = CardFunctions::FindThreeOfAKind(seat);
    if (rank < 0) {
        GoOn(call, 1800);
        return;
    }
    SetTradedRank(rank);
    Misc::Trace(SeatName(seat) + " has 3-of-a-Kind");
    if (GamePlaySubs::IsHumanSeat(seat)) {
        GoOn(call, 1810);
    } else if (Logics::TradeInDecision(rank, seat, count) == 1) {
        Misc::Trace(SeatName(seat) + " is Trading In 3 for Kitty!");
        GoOn(call, 1830);
    } else {
        GoOn(call, 1800);
    }
}

void GamePlay::Step1810(StepCall& call) {
    Misc::Trace("Asking Human for 3-of-a-Kind Trade");
    Video::ShowMessageTimed(1, tables.MessageTable[18], 7);
    Video::DrawMessage(1, tables.MessageTable[19]);
    Video::AskTwoChoices();
    Prompt(call, 1811);
}

void GamePlay::Step1811(StepCall& call) {
    if (call.Shift != 101 && call.Shift != 102) {
        AwaitHumanSilent(call.KeepRunning, call.InputCue);
        return;
    }
    Video::EraseMessage(1, -1);
    Video::HideChoice(1);
    Video::HideChoice(2);
    AnswerTaken(call, call.Shift == 101 ? 1812 : 1800);
}

void GamePlay::Step1812(StepCall& call) {
    Misc::Trace("Human Trading in 3ofaKind for Kitty.");
    const int32_t four = CardFunctions::FindFourOfAKind(0);
    if (four < 0) {
        hand.LoopSaver = Misc::Set3Bits(hand.LoopSaver, kNone, 1);
        GoOn(call, 1815);
        return;
    }
    Misc::Trace("Human picking 1 of 4 to keep in hand.");
    SetTradedRank(four);
    Video::DrawMessage(2, "Select One " + tables.RankNames[four] + " to Keep");
    Video::ShowChoice(4, tables.MessageTable[22], 0);
    Prompt(call, 1813);
}

void GamePlay::Step1813(StepCall& call) {
    if (call.Button == 27) call.Shift = 104;
    if (call.Shift == 104) {
        Video::EraseMessage(1, -1);
        Video::EraseMessage(2, -1);
        Video::HideChoice(4);
        AnswerTaken(call, 1810);
        return;
    }
    int32_t slot = -1;
    int32_t unplayed = 0;
    for (int each = 0; each < 5; ++each) unplayed += hand.Hands[0][each][kRankPlane] >= 0 ? 1 : 0;
    GamePlaySubs::HandSlotAtPoint(call.X, call.Y, unplayed, slot, GamePlaySubs::HumanHandBox());
    if (call.Shift >= 100 || slot < 0 || slot > 4 ||
        hand.Hands[0][slot][kRankPlane] != TradedRank()) {
        AwaitHumanSilent(call.KeepRunning, call.InputCue);
        return;
    }
    hand.LoopSaver = Misc::Set3Bits(hand.LoopSaver, slot, 1);
    Video::EraseMessage(2, -1);
    Video::HideChoice(4);
    AnswerTaken(call, 1815);
}

void GamePlay::Step1815(StepCall& call) {
    CardFunctions::TradeThreeForKitty(0, Misc::Get3Bits(hand.LoopSaver, 1));
    TradeDone();
    GoOn(call, 1950);
}

void GamePlay::Step1830(StepCall& call) {
    Misc::Trace("Computer Trading 3-of-a-Kind for Kitty");
    APIs::Pause(3);
    if (IsSet(flags.Stat1, Stat1Bits::ComputerDecidesSouth)) {
        APIs::Pause(13);
        GoOn(call, 1835);
        return;
    }
    ShowOkButton();
    Prompt(call, 1832);
}

void GamePlay::Step1832(StepCall& call) {
    if (call.Shift != 101) {
        AwaitHumanSilent(call.KeepRunning, call.InputCue);
        return;
    }
    Video::EraseMessage(14, -1);
    Video::HideChoice(1);
    AnswerTaken(call, 1835);
}

void GamePlay::Step1835(StepCall& call) {
    Video::WipeTrickBox(0);
    CardFunctions::TradeThreeForKitty(TradingSeat(), -1);
    TradeDone();
    GoOn(call, 1950);
}
