#include "engine/steps/end_of_hand_steps.h"

#include <QDateTime>
#include <string>

#include "engine/end_game.h"
#include "engine/game_play.h"
#include "engine/interruptible_pause.h"
#include "engine/model/game_trace.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/state/tables.h"
#include "engine/score_hand.h"
#include "engine/slowpoke_timer.h"
#include "platform/packed_fields.h"
#include "platform/settings/player_settings.h"
#include "platform/timing/timing.h"
#include "platform/waits.h"
#include "render/choice_buttons.h"
#include "render/table_controls.h"
#include "render/table_host.h"
#include "render/table_messages.h"
#include "render/score_corners.h"
#include "render/table_parts.h"

namespace {

void SetDemoTimer(int32_t interval) {
    if (TableHost* table = CurrentTable()) {
        TableTimer timer = table->Timer(TableTimerId::AttractTimer);
        timer.Interval = interval;
        table->SetTimer(TableTimerId::AttractTimer, timer);
    }
}

void SetDemoTimerTag(const std::string& tag) {
    if (TableHost* table = CurrentTable()) {
        TableTimer timer = table->Timer(TableTimerId::AttractTimer);
        timer.Tag = tag;
        table->SetTimer(TableTimerId::AttractTimer, timer);
    }
}

}  // namespace

void GamePlay::Step11000(StepCall& call) {
    GamePlaySubs::ScoreHand();
    ClearBit(flags.Stat0, Stat0Bits::ReplayNoScore);
    Misc::Trace("Clearing RePlay No Score flag.");
    if (flow.QuitNow) return;
    GoOn(call, 11100);
}
void GamePlay::Step11100(StepCall& call) {
    Misc::Trace("Score H:" + std::to_string(APIs::Nib(hand.Score, 0)) +
                "  C:" + std::to_string(APIs::Nib(hand.Score, 1)));
    // Level tricks or a hand ended early do not tell which team scored.
    const int32_t ahead = APIs::Nib(hand.Tricks, 6);
    if (ahead > 1 || APIs::Nib(hand.Tricks, 2) < 5) {
        Video::DrawTopScore();
        Video::DrawBottomScore();
    } else if (ahead != 0) {
        Video::DrawTopScore();
    } else {
        Video::DrawBottomScore();
    }
    if ((settings.Opts3 & (1 << 29)) == 0) {
        GoOn(call, 11200);
        return;
    }
    flow.Ptrg = 11100 + 80000;
    Video::DrawMessage(1, tables.MessageTable[75]);
    flow.InputOpen = true;
    call.KeepRunning = false;
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
        Video::DrawTopScore();
        Video::DrawBottomScore();
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
    Video::ClearTableParts(63);
    GamePlaySubs::EndGame(-1);
    ClearBit(flags.Stat2, Stat2Bits::GameInProgress);
    GoOn(call, 14010);
}
void GamePlay::Step14010(StepCall& call) {
    Video::DrawMessage(1, tables.MessageTable[77]);
    if (IsSet(flags.Stat2, Stat2Bits::FastMode)) {
        Video::EraseMessage(1);
        Video::HideAllChoices();
        Video::ClearTableParts(255);
        APIs::WaitMs(10);
        GoOn(call, 25);
        return;
    }
    APIs::WaitMs(50);
    Video::AskTwoChoices();
    APIs::WaitMs(50);
    if (!flow.QuitNow && (settings.Opts1 & (1 << 18)) != 0) {
        SetBit(flags.Stat1, Stat1Bits::DemoTimerArmed);
        SetDemoTimer(IsSet(flags.Stat1, Stat1Bits::ComputerDecidesSouth) ? 7500 : 52000);
    }
    KavlorMain::SetSlowpokeTimer(14100);
    AwaitHuman(call.KeepRunning, call.InputCue);
    call.InputCue = false;
    flow.Ptrg = 14100;
}
void GamePlay::Step14100(StepCall& call) {
    if (call.Shift != 101 && call.Shift != 102) {
        AwaitHumanSilent(call.KeepRunning, call.InputCue);
        return;
    }
    Video::EraseMessage(1);
    Video::HideAllChoices();
    if (call.Shift == 101) Video::ClearTableParts(255);
    ClearBit(flags.Stat1, Stat1Bits::DemoTimerArmed);
    SetDemoTimerTag("0");
    AnswerTaken(call, call.Shift == 101 ? 25 : 15000);
}
void GamePlay::Step16000(StepCall& call) {
    // The request is taken first, so that the tail of the pass does not divert again.
    ClearBit(flags.Stat1, Stat1Bits::NewGameRequested);
    if (TableHost* table = CurrentTable()) table->SetMenuEnabled(TableMenu::MnuFileNew, false);
    FormFunctions::SaveTableControls();
    Video::EraseMessage(1);
    Video::EraseMessage(2);
    Video::HideAllChoices();
    Video::DrawMessage(1, tables.MessageTable[78]);
    Video::AskTwoChoices();
    flow.InputOpen = false;
    // The call that raised the question carries no answer to it.
    call.Shift = 0;
    GoOn(call, 16010);
}
void GamePlay::Step16010(StepCall& call) {
    if (call.Shift != 101 && call.Shift != 102) {
        AwaitHumanSilent(call.KeepRunning, call.InputCue);
        return;
    }
    Video::EraseMessage(1);
    Video::HideAllChoices();
    if (call.Shift == 101) Video::ClearTableParts(255);
    AnswerTaken(call, call.Shift == 101 ? 25 : 16020);
}
void GamePlay::Step16020(StepCall& call) {
    flow.Ptrg = flow.SavedPtrg;
    Video::ClearTableParts(4);
    FormFunctions::RestoreTableControls();
    // The interrupted step asks its question again at the next call; this call's
    // answer was for the new-game question.
    AwaitHuman(call.KeepRunning, call.InputCue);
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
