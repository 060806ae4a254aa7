#include "engine/event_sounds.h"
#include "engine/game_play.h"
#include "engine/hand_slots.h"
#include "engine/model/card_codes.h"
#include "engine/model/game_trace.h"
#include "engine/model/hand_words.h"
#include "engine/model/calling_rules.h"
#include "engine/model/kitty_trades.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/state/tables.h"
#include "engine/steps/discard_steps.h"
#include "engine/steps/pre_play_helpers.h"
#include "platform/packed_fields.h"
#include "platform/settings/player_settings.h"
#include "platform/waits.h"
#include "players/redeal_test.h"
#include "render/choice_buttons.h"
#include "render/hand_drawing.h"
#include "render/trick_box_wipe.h"
#include "render/key_labels.h"
#include "render/choice_buttons.h"
#include "render/table_host.h"
#include "render/table_messages.h"

namespace {

using namespace GamePlay;

constexpr int32_t kRedealSound = 23;
constexpr int32_t kSwapButton = 4;
// Stat2 bits 1-7 all set: step 5500 redraws the hand.
constexpr int32_t kRedrawMarks = 0xFE;

bool KittySwapRule() {
    return OptionBit(settings.Opts2, 16);
}
int32_t RedealSeat() {
    return Misc::Get3Bits(hand.GenInf, 9);
}

void SetChoiceEnabled(int index, bool enabled) {
    TableHost* table = CurrentTable();
    if (!table) return;
    ChoiceButton button = table->Choice(index);
    button.Enabled = enabled;
    table->SetChoice(index, button);
}

void ShowMessage(int32_t message) {
    Video::DrawMessage(2, tables.MessageTable[static_cast<size_t>(message)]);
}

// The demo waits; a human confirms with OK.
void WaitOrAskOk(StepCall& call, int32_t answerStep, int32_t next) {
    if (DemoRunning()) {
        APIs::Pause(13);
        GoOn(call, next);
        return;
    }
    Video::AskOk();
    WaitForAnswer(call, answerStep);
}

bool TakeOk(StepCall& call) {
    if (call.Shift != 101) {
        AwaitHumanSilent(call.KeepRunning, call.InputCue);
        return false;
    }
    Video::EraseMessage(2, -1);
    Video::ResetChoiceButton();
    return true;
}

int32_t MarkedCount() {
    return GetField(flags.Stat2, Stat2Bits::SwapMarkCount);
}

bool IsMarked(int32_t slot) {
    return IsSet(flags.Stat2, 1 << (slot + 3));
}

}  // namespace

void GamePlay::Step5000(StepCall& call) {
    Misc::Trace("Checking for Redeals");
    const int32_t seat = Logics::FindRedealHand(0);
    hand.GenInf = Misc::Set3Bits(hand.GenInf, seat, 9);
    if (!IsSeat(seat)) return GoOn(call, 6000);
    GoOn(call, GamePlaySubs::IsHumanSeat(seat) ? 5020 : 5050);
}

void GamePlay::Step5020(StepCall& call) {
    SetLoopSaverField(0, 0);
    if (settings.SoundOn) {
        Misc::PlayEventSound(kRedealSound);
        APIs::Pause(4);
    }
    if (!KittySwapRule()) {
        AskYesNo(call, 64, 5025);
        return;
    }
    const bool swapOffered = !IsSet(hand.GenInf, kGenInfKittyKnown);
    if (swapOffered) SetLoopSaverField(0, 1);
    ShowMessage(swapOffered ? 60 : 59);
    Video::ShowChoice(0, tables.MessageTable[61], 0);
    SetChoiceEnabled(0, swapOffered);
    Video::ShowChoice(1, tables.MessageTable[62], 0);
    Video::ShowChoice(3, tables.MessageTable[63], 0);
    WaitForAnswer(call, 5025);
}

void GamePlay::Step5025(StepCall& call) {
    const bool swap = call.Shift == 100 && KittySwapRule() && LoopSaverField(0) == 1;
    const bool playOn = call.Shift == 102 || (call.Shift == 103 && KittySwapRule());
    if (!swap && call.Shift != 101 && !playOn) {
        AwaitHumanSilent(call.KeepRunning, call.InputCue);
        return;
    }
    Video::EraseMessage(2, -1);
    for (int index : {0, 1, 2, 3}) Video::HideChoice(index);
    AnswerTaken(call, swap ? 5500 : call.Shift == 101 ? 5200 : 6000);
}

void GamePlay::Step5050(StepCall& call) {
    const int32_t seat = RedealSeat();
    if (!IsSeat(seat)) return GoOn(call, 6000);
    Misc::Trace(SeatName(seat) + " Asking for ReDeal");
    if (KittySwapRule() && !IsSet(hand.GenInf, kGenInfKittyKnown) && IsSet(hand.CardUp, 1 << 29)) {
        SetBit(flags.Stat2, Stat2Bits::SeatSwapsKitty);
    }
    Video::ShowSeatCards(seat);
    Misc::PlayEventSound(kRedealSound);
    APIs::Pause(5);
    WaitOrAskOk(call, 5060, 5090);
}

void GamePlay::Step5060(StepCall& call) {
    if (TakeOk(call)) AnswerTaken(call, 5090);
}

void GamePlay::Step5090(StepCall& call) {
    Video::WipeTrickBox(0);
    APIs::Pause(1);
    if (!IsSet(flags.Stat2, Stat2Bits::SeatSwapsKitty) || !IsSeat(RedealSeat())) {
        return GoOn(call, 5200);
    }
    CardFunctions::ComputerKittyExchange(RedealSeat());
    SetLoopSaverField(6, 1);
    GoOn(call, 6000);
}

void GamePlay::Step5200(StepCall& call) {
    if (OptionBit(settings.Opts2, 17)) {
        ShowMessage(66);
    } else {
        ShowMessage(65);
        --hand.DealerCounter;
    }
    WaitOrAskOk(call, 5210, 12000);
}

void GamePlay::Step5210(StepCall& call) {
    if (TakeOk(call)) AnswerTaken(call, 12000);
}

void GamePlay::Step5500(StepCall& call) {
    Misc::Trace("Human Kitty Swap");
    Video::DrawKeyLabels();
    Video::ShowChoice(kSwapButton, tables.MessageTable[67], 0);
    SetChoiceEnabled(kSwapButton, false);
    ShowMessage(68);
    if ((flags.Stat2 & kRedrawMarks) == kRedrawMarks) Video::DrawHands(1);
    ClearBit(flags.Stat2, kRedrawMarks);
    WaitForAnswer(call, 5510);
}

void GamePlay::Step5510(StepCall& call) {
    if (call.Shift == 104 && MarkedCount() == 3) {
        AnswerTaken(call, 5520);
        return;
    }
    const int32_t slot = call.Shift < 100 ? GamePlaySubs::HandSlotAtPoint(call.X, call.Y, 5) : -1;
    if (slot >= 0 && slot <= 4 && (IsMarked(slot) || MarkedCount() < 3)) {
        const bool marking = !IsMarked(slot);
        flags.Stat2 ^= 1 << (slot + 3);
        SetField(flags.Stat2, Stat2Bits::SwapMarkCount, MarkedCount() + (marking ? 1 : -1));
        Video::MarkHandCard(slot);
        APIs::WaitMs(10);
        SetChoiceEnabled(kSwapButton, MarkedCount() == 3);
    }
    AwaitHumanSilent(call.KeepRunning, call.InputCue);
}

void GamePlay::Step5520(StepCall& call) {
    Video::HideChoice(kSwapButton);
    for (int32_t code : {0, 1, 2}) Video::EraseMessage(code, -1);
    const int32_t trump = Misc::TrumpSuit();
    bool marksTrump = false;
    for (int32_t slot = 0; slot < 5; ++slot) {
        if (IsMarked(slot) && HandSuit(0, slot) == trump) marksTrump = true;
    }
    GoOn(call, marksTrump ? 5530 : 5580);
}

void GamePlay::Step5530(StepCall& call) {
    ShowMessage(55);
    Video::AskTwoChoices();
    APIs::Pause(1);
    WarnSound();
    WaitForAnswer(call, 5540);
}

void GamePlay::Step5540(StepCall& call) {
    const int32_t answer = TakeYesNo(call);
    if (answer == 0) return;
    // Bits 1-7 only: bit 0 of the word is not the swap's to clear.
    if (answer == 102) SetBit(flags.Stat2, kRedrawMarks);
    AnswerTaken(call, answer == 101 ? 5580 : 5500);
}

void GamePlay::Step5580(StepCall& call) {
    CardFunctions::HumanKittySwap();
    ClearBit(flags.Stat2, kRedrawMarks);
    SetLoopSaverField(6, 1);
    CardSound(0);
    Video::DrawHands(1);
    Video::DrawDeckBox();
    APIs::Pause(2);
    GoOn(call, 6000);
}
