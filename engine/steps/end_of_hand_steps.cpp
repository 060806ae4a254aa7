#include "engine/steps/end_of_hand_steps.h"

#include <QDateTime>
#include <string>

#include "engine/game_play.h"
#include "engine/interruptible_pause.h"
#include "engine/model/game_trace.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/state/tables.h"
#include "platform/packed_fields.h"
#include "platform/settings/player_settings.h"
#include "platform/timing/timing.h"
#include "platform/waits.h"
#include "render/choice_buttons.h"
#include "render/table_host.h"
#include "render/table_messages.h"
#include "render/table_parts.h"

void GamePlay::Step11000(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step11100(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step12000(StepCall& call) {
    if (TableHost* table = CurrentTable()) {
        table->SetMousePointer(0);
        table->RefreshTable();
        PictureBox box = table->PicBState(0);
        box.Visible = false;
        table->SetPicBState(0, box);
    }
    if (IsSet(flags.Stat1, Stat1Bits::ReviewRequested)) {
        GoOn(call, 1100);
        return;
    }
    const int32_t replayBits =
        Stat0Bits::ReplayRequested | Stat0Bits::ReplayRunning | Stat0Bits::ReplayNoScore;
    if ((flags.Stat0 & replayBits) != 0) {
        flow.Ptrg = 13000;
        call.KeepRunning = false;
        return;
    }
    if (APIs::Nib(hand.Score, 0) < 10 && APIs::Nib(hand.Score, 1) < 10) {
        TableHost* table = CurrentTable();
        if (table && table->Choice(5).Visible) APIs::PauseInterruptible(4.0);
        if (IsSet(flags.Stat0, Stat0Bits::ReplayDeclined) ||
            IsSet(flags.Stat0, Stat0Bits::ReplayRunning) ||
            tableMessages.ShownMessages[1] != tables.MessageTable[52]) {
            Video::EraseMessage(1);
            Video::ClearTableParts(252);
        }
        Video::DrawScoreCorners();
        Video::DrawPlayerNames();
        AwaitHumanQuiet(call.KeepRunning, call.InputCue);
        flow.Ptrg = 1000;
        return;
    }
    if (!IsSet(flags.Stat2, Stat2Bits::FastMode)) {
        Misc::Trace("GAME Over.");
        for (int i = 0; i < 3; ++i) APIs::PauseInterruptible(1.2);
        if ((settings.Opts3 & (1 << 30)) != 0) {
            for (int i = 0; i < 3; ++i) APIs::PauseInterruptible(0.7);
        }
    }
    if (IsSet(flags.Stat1, Stat1Bits::ReviewRequested)) {
        GoOn(call, 1100);
    } else if (IsSet(flags.Stat0, Stat0Bits::ReplayRequested)) {
        if (TableHost* table = CurrentTable()) {
            ChoiceButton replay = table->Choice(4);
            replay.Tag.clear();
            table->SetChoice(4, replay);
        }
        call.Button = 4;
        call.KeepRunning = true;
    } else {
        Video::HideAllChoices();
        AwaitHumanQuiet(call.KeepRunning, call.InputCue);
        flow.Ptrg = 14000;
    }
}
void GamePlay::Step14000(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step14010(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step14100(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step16000(StepCall& call) {
    // The request is taken first, so that the tail of the pass does not divert again.
    ClearBit(flags.Stat1, Stat1Bits::NewGameRequested);
    StepNotBuilt(call);
}
void GamePlay::Step16010(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step16020(StepCall& call) {
    StepNotBuilt(call);
}

namespace {

bool ReplayOrReviewAsked() {
    return IsSet(flags.Stat1, Stat1Bits::ReviewRequested) ||
           IsSet(flags.Stat0, Stat0Bits::ReplayRequested);
}

std::string DateAndTime() {
    const QDateTime now = QDateTime::currentDateTime();
    return now.toString("M/d/yyyy").toStdString() + "  " + now.toString("h:mm:ss AP").toStdString();
}

}  // namespace

void GamePlay::Step11200(StepCall& call) {
    SetBit(flags.Stat1, Stat1Bits::ReplayButtonsShown);
    Video::ShowChoice(5, tables.MessageTable[47], 0);
    CurrentEventPump().ProcessPending();
    Video::ShowChoice(4, tables.MessageTable[48], 0);
    if (TableHost* table = CurrentTable()) {
        ChoiceButton replay = table->Choice(4);
        replay.Tag = "R";
        table->SetChoice(4, replay);
    }
    SetDefaultFocus();
    CurrentEventPump().ProcessPending();
    if (!ReplayOrReviewAsked()) {
        flow.InputOpen = true;
        for (int i = 0; i < 5; ++i) APIs::PauseInterruptible(0.64);
        if ((settings.Opts3 & (1 << 30)) != 0) {
            for (int i = 0; i < 4; ++i) APIs::PauseInterruptible(0.6);
        }
    }
    if (flow.QuitNow) return;
    // The replay button runs a nested call during the pauses; its step stands.
    if (MovedByNestedCall(call)) {
        AwaitHumanSilent(call.KeepRunning, call.InputCue);
        return;
    }
    AwaitHumanQuiet(call.KeepRunning, call.InputCue);
    flow.Ptrg = 12000;
}

void GamePlay::Step15000(StepCall& call) {
    Misc::Trace("Exiting to Closing Screen. " + DateAndTime());
    flow.QuitNow = true;
    SetBit(flags.Stat0, Stat0Bits::LeaveAfterLoop);
    call.KeepRunning = false;
}
