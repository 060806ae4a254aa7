#include <functional>
#include <string>

#include "engine/event_sounds.h"
#include "engine/game_play.h"
#include "engine/hint_request.h"
#include "engine/model/exit_routine.h"
#include "engine/model/game_trace.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/state/tables.h"
#include "engine/slowpoke_timer.h"
#include "engine/steps/new_hand_steps.h"
#include "engine/steps/step_call.h"
#include "platform/message_boxes.h"
#include "platform/settings/player_settings.h"
#include "platform/timing/timing.h"
#include "platform/waits.h"
#include "render/choice_buttons.h"
#include "render/table_host.h"
#include "render/table_messages.h"

namespace {

constexpr int32_t kPauseEveryStep = 1 << 25;
constexpr int32_t kReplayStep = 11200;
constexpr int32_t kRestartStep = 2;
constexpr int32_t kNewGameQuestion = 16000;

// Sets the running bit for the call and puts it back as the call found it, so a
// nested call leaves the outer call's guard standing.
class EntryGuard {
  public:
    EntryGuard() : wasRunning_(IsSet(flags.Stat0, Stat0Bits::MainGameRunning)) {
        SetBit(flags.Stat0, Stat0Bits::MainGameRunning);
    }
    ~EntryGuard() {
        if (!wasRunning_) ClearBit(flags.Stat0, Stat0Bits::MainGameRunning);
    }
    EntryGuard(const EntryGuard&) = delete;
    EntryGuard& operator=(const EntryGuard&) = delete;

  private:
    bool wasRunning_;
};

void SetMenu(TableMenu item, bool enabled) {
    if (TableHost* table = CurrentTable()) table->SetMenuEnabled(item, enabled);
}

bool PauseWanted() {
    return IsSet(flags.Stat2, Stat2Bits::PauseRequested) || (settings.Opts4 & kPauseEveryStep) != 0;
}

bool IsPaused(int32_t ptrg) {
    return ptrg > kPausedStep && ptrg < kShiftedStep;
}

std::string KeyCharacter(int32_t code) {
    if (code < 33 || code > 254) return {};
    if (code < 128) return std::string(1, static_cast<char>(code));
    // Latin-1 into UTF-8.
    return {static_cast<char>(0xC0 | (code >> 6)), static_cast<char>(0x80 | (code & 0x3F))};
}

// False when the call must return at once.
bool HeadOfPass(StepCall& call) {
    CurrentEventPump().ProcessPending();
    SetMenu(TableMenu::MnuFileSaveHand, flow.Ptrg >= 1000 && flow.Ptrg <= 13000);
    if (PauseWanted() && IsPaused(flow.Ptrg)) {
        flow.Ptrg -= kPausedStep;
        Video::EraseMessage(1, -1);
        ClearBit(flags.Stat2, Stat2Bits::PauseRequested);
    }
    if (IsSet(flags.Stat2, Stat2Bits::ShowPtrg)) {
        if (TableHost* table = CurrentTable()) table->SetLblPtrg(std::to_string(flow.Ptrg));
    }
    if (IsSet(flags.Stat0, Stat0Bits::MainWindowClosing) || flow.QuitNow) return false;
    call.KeepRunning = false;
    call.InputCue = true;
    if (call.Button == 2) {
        KavlorMain::SetSlowpokeTimer(0);
        SetBit(flags.Stat0, Stat0Bits::HintRunning);
        call.Button = 1;
        Misc::Trace(settings.PlayerNames[0] + " Asking for Help.");
        PlayHelp::GiveHint(0);
        ClearBit(flags.Stat0, Stat0Bits::HintRunning);
        call.X = 0;
        call.Y = 0;
    }
    if (call.Button == 4) {
        APIs::WaitMs(20);
        GamePlay::ReviewHand(call.KeepRunning, call.InputCue);
    }
    // Both marks come off before the dispatch, whichever route lifted a pause.
    if (flow.Ptrg > kShiftedStep) {
        flow.Ptrg -= kShiftedStep;
        Video::EraseMessage(1, -1);
    }
    if (flow.Ptrg > kPausedStep) {
        flow.Ptrg -= kPausedStep;
        Video::EraseMessage(1, -1);
    }
    return true;
}

// False when the step number is unknown and the program is leaving.
std::function<void(int32_t)>& StepObserver() {
    static std::function<void(int32_t)> observer;
    return observer;
}

bool RunStep(StepCall& call) {
    const StepFunction step = GamePlay::FindStep(flow.Ptrg);
    if (!step) {
        MsgBox(tables.MessageTable[295] + std::to_string(flow.Ptrg) + "\n" +
               tables.MessageTable[294]);
        flow.QuitNow = true;
        KavlorMain::ExitProgram();
        return false;
    }
    call.step = flow.Ptrg;
    step(call);
    if (StepObserver()) StepObserver()(call.step);
    return true;
}

void TailOfPass(StepCall& call) {
    if (IsSet(flags.Stat1, Stat1Bits::RestartRequested)) {
        flow.Ptrg = kRestartStep;
        call.KeepRunning = true;
        flow.InputOpen = true;
    }
    if (IsSet(flags.Stat0, Stat0Bits::PlayersChanged)) {
        flow.Ptrg = kRestartStep;
        call.KeepRunning = true;
        flow.InputOpen = true;
        ClearBit(flags.Stat0, Stat0Bits::PlayersChanged);
        ClearBit(flags.Stat1, Stat1Bits::RestartRequested);
    }
    if (PauseWanted()) {
        if (flow.Ptrg < kPausedStep) {
            flow.Ptrg += kPausedStep;
            Video::DrawMessage(1, "Paused");
            call.KeepRunning = false;
        }
        Misc::Trace("F12 or Ptrg Pause.");
    }
    if (IsSet(flags.Stat1, Stat1Bits::NewGameRequested)) {
        flow.SavedPtrg = flow.Ptrg;
        flow.Ptrg = kNewGameQuestion;
        flow.InputOpen = false;
        call.KeepRunning = true;
    }
}

void LeaveCall(const StepCall& call) {
    if (flow.InputOpen) {
        if (call.InputCue) Misc::PlayEventSound(Misc::kInputSound);
        if (!flow.QuitNow) APIs::FlushKeyboard();
    }
    if (IsSet(flags.Stat0, Stat0Bits::LeaveAfterLoop)) {
        KavlorMain::ExitProgram();
    } else {
        SetMenu(TableMenu::MnuFileNew, true);
    }
    Misc::Trace("Out of Main Do Loop.");
    flow.InputOpen = true;
}

}  // namespace

void GamePlay::MainGame(int16_t& Button, int16_t& Shift, float& X, float& Y, int16_t) {
    if (IsSet(flags.Stat0, Stat0Bits::MainGameRunning)) {
        if (Shift < 101 || flow.Ptrg != kReplayStep) {
            Misc::Trace("Entered MainGame Sub Twice!  LastKeyCodeg=" +
                        KeyCharacter(flow.LastKeyCode) + "Shift=" + std::to_string(Shift) + ".");
            return;
        }
        Misc::Trace("Entered MainGame Sub Twice to Process RePlay!");
    }
    const EntryGuard guard;
    if (flow.QuitNow) return;
    SetMenu(TableMenu::MnuFileNew, false);
    StepCall call{Button, Shift, X, Y};
    do {
        if (!HeadOfPass(call) || !RunStep(call)) return;
        TailOfPass(call);
    } while (call.KeepRunning);
    LeaveCall(call);
}

void GamePlay::InstallStepObserver(std::function<void(int32_t)> observer) {
    StepObserver() = std::move(observer);
}

void GamePlay::AwaitHuman(bool& KeepRunning, bool& InputCue) {
    SetDefaultFocus();
    flow.InputOpen = true;
    KeepRunning = false;
    InputCue = true;
}

void GamePlay::AwaitHumanQuiet(bool& KeepRunning, bool& InputCue) {
    SetDefaultFocus();
    flow.InputOpen = true;
    KeepRunning = true;
    InputCue = false;
}

void GamePlay::AwaitHumanSilent(bool& KeepRunning, bool& InputCue) {
    flow.InputOpen = true;
    KeepRunning = false;
    InputCue = false;
}
