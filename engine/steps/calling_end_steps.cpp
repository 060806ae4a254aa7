#include <string>

#include "engine/event_sounds.h"
#include "engine/game_play.h"
#include "engine/interruptible_pause.h"
#include "engine/model/calling_rules.h"
#include "engine/model/game_trace.h"
#include "engine/model/hand_words.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/state/tables.h"
#include "engine/steps/calling_steps.h"
#include "engine/steps/calling_support.h"
#include "platform/packed_fields.h"
#include "platform/settings/player_settings.h"
#include "platform/waits.h"
#include "render/choice_buttons.h"
#include "render/hand_drawing.h"
#include "render/table_host.h"
#include "render/table_messages.h"

using namespace GamePlay::Calling;

namespace {

constexpr double kLonerCallSeconds = 8;

void ShowComputerCall(int32_t seat) {
    const int32_t suit = Misc::Get3Bits(hand.GenInf, 0);
    std::string text;
    if (APIs::Nib(hand.CardUp, 2) == 1) {
        text = seat == Misc::Get3Bits(hand.GenInf, 4) ? tables.MessageTable[43]
                                                      : tables.MessageTable[44] + SuitName(suit);
    } else {
        text = tables.MessageTable[45] + SuitName(suit);
    }
    double seconds = 6;
    if (Loner() != kNone) {
        text += tables.MessageTable[46];
        Misc::PlayEventSound(seat == 2 ? 6 : 7);
        seconds = kLonerCallSeconds;
    }
    Video::ShowMessageTimed(Misc::PlusTwoOrOne(seat), text, seconds);
}

void ShowReplayButtons() {
    Video::ShowChoice(5, tables.MessageTable[47], 0);
    Video::ShowChoice(4, tables.MessageTable[48], 0);
    if (TableHost* table = CurrentTable()) {
        ChoiceButton replay = table->Choice(4);
        replay.Tag = "R";
        table->SetChoice(4, replay);
    }
    GamePlay::SetDefaultFocus();
}

bool ButtonUsed() {
    return IsSet(flags.Stat1, Stat1Bits::ReviewRequested) ||
           IsSet(flags.Stat0, Stat0Bits::ReplayRequested);
}

}  // namespace

void GamePlay::Step2500(StepCall& call) {
    const int32_t seat = SeatToAct();
    const bool human = GamePlaySubs::IsHumanSeat(seat);
    const int32_t maker = Maker();
    if (maker == kNone) {
        Misc::Trace(SeatName(seat) + " Passes.");
        if (!human) Video::ShowMessageTimed(Misc::PlusTwoOrOne(seat), tables.MessageTable[42], 4);
        const bool allSpoken = APIs::Nib(hand.CardUp, 2) == 2 && Position() == 4;
        GoOn(call, allSpoken ? 2600 : 1951);
        return;
    }
    if (!human) ShowComputerCall(seat);
    const std::string verb = RuleCode() > 0 ? " FORCED to call " : " Called ";
    Misc::Trace(SeatName(maker) + verb + SuitName(Misc::Get3Bits(hand.GenInf, 0)) + " Trump" +
                (Loner() != kNone ? " & Going Alone!" : "."));
    GoOn(call, 2700);
}

void GamePlay::Step2600(StepCall& call) {
    Misc::Trace("Everyone Passed.");
    Video::EraseSeatMessages();
    SetBit(flags.Stat0, Stat0Bits::EveryonePassed);
    SetBit(flags.Stat1, Stat1Bits::ReplayButtonsShown);
    ShowReplayButtons();
    Video::DrawMessage(1, tables.MessageTable[49]);
    if ((settings.Opts2 & (1 << 30)) != 0) {
        Video::DrawMessage(2, tables.MessageTable[50]);
        --hand.DealerCounter;
    } else {
        Video::DrawMessage(2, tables.MessageTable[51]);
    }
    AwaitHumanQuiet(call.KeepRunning, call.InputCue);
    flow.Ptrg = 2605;
}

void GamePlay::Step2605(StepCall& call) {
    for (int i = 0; i < 6 && !ButtonUsed(); ++i) APIs::PauseUntil(2, ButtonUsed);
    if (IsSet(flags.Stat0, Stat0Bits::ReplayDeclined) ||
        IsSet(flags.Stat0, Stat0Bits::ReplayRunning) ||
        tableMessages.ShownMessages[1] != tables.MessageTable[52]) {
        Video::EraseMessage(1, -1);
        Video::EraseMessage(2, -1);
        Video::DrawHands(11);
        Video::DrawHands(12);
    }
    GoOn(call, 1000);
}
