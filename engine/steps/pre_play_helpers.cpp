#include "engine/steps/pre_play_helpers.h"

#include <string>

#include "engine/event_sounds.h"
#include "engine/game_play.h"
#include "engine/model/card_codes.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/state/tables.h"
#include "engine/slowpoke_timer.h"
#include "platform/packed_fields.h"
#include "platform/settings/player_settings.h"
#include "platform/waits.h"
#include "render/choice_buttons.h"
#include "render/table_messages.h"

bool GamePlay::OptionBit(int32_t word, int bit) {
    return (word & (1 << bit)) != 0;
}

bool GamePlay::DemoRunning() {
    return IsSet(flags.Stat1, Stat1Bits::ComputerDecidesSouth);
}

bool GamePlay::CountsAsTrump(int32_t suit, int32_t rank, int32_t trump, int32_t otherJackRank) {
    if (rank < 0) return false;
    return suit == trump || (suit == CardFunctions::SameColorSuit(trump) &&
                             (rank == otherJackRank || rank == CardFunctions::kJack));
}

int32_t GamePlay::HumanTrumpCount(int32_t otherJackRank) {
    const int32_t trump = Misc::Get3Bits(hand.GenInf, 0);
    int32_t count = 0;
    for (int32_t slot = 0; slot < 5; ++slot) {
        if (CountsAsTrump(HandSuit(0, slot), HandRank(0, slot), trump, otherJackRank)) ++count;
    }
    return count;
}

const std::string& GamePlay::SeatName(int32_t seat) {
    return settings.PlayerNames[static_cast<size_t>(seat & 7)];
}

GamePlay::Card GamePlay::PassedCard() {
    return {APIs::Nib(hand.NibCounter, 4), APIs::Nib(hand.NibCounter, 5)};
}

void GamePlay::SetPassedCard(int32_t seat, int32_t slot) {
    hand.CardUp = Misc::NibSet(hand.CardUp, slot, 4);
    hand.NibCounter = Misc::NibSet(hand.NibCounter, HandSuit(seat, slot), 4);
    hand.NibCounter = Misc::NibSet(hand.NibCounter, HandRank(seat, slot), 5);
}

int32_t GamePlay::LoopSaverField(int n) {
    return APIs::Nib(hand.LoopSaver, n);
}

void GamePlay::SetLoopSaverField(int n, int32_t value) {
    hand.LoopSaver = Misc::NibSet(hand.LoopSaver, value, n);
}

void GamePlay::WaitForAnswer(StepCall& call, int32_t answerStep) {
    KavlorMain::SetSlowpokeTimer(answerStep);
    AwaitHuman(call.KeepRunning, call.InputCue);
    flow.Ptrg = answerStep;
}

void GamePlay::AskYesNo(StepCall& call, int32_t message, int32_t answerStep) {
    Video::DrawMessage(2, tables.MessageTable[static_cast<size_t>(message)]);
    Video::AskTwoChoices();
    WaitForAnswer(call, answerStep);
}

int32_t GamePlay::TakeYesNo(StepCall& call) {
    if (call.Shift != 101 && call.Shift != 102) {
        AwaitHumanSilent(call.KeepRunning, call.InputCue);
        return 0;
    }
    Video::EraseMessage(2, -1);
    Video::HideChoice(1);
    Video::HideChoice(2);
    return call.Shift;
}

void GamePlay::WarnSound() {
    if (!settings.SoundOn) return;
    Misc::PlayEventSound(30);
    APIs::Pause(3);
}

void GamePlay::CardSound(int32_t ms) {
    if (!settings.SoundOn) return;
    Misc::PlayEventSound(8);
    APIs::WaitMs(ms);
}
