#include "engine/steps/trick_steps.h"

#include <functional>
#include <string>
#include <utility>

#include "engine/card_sounds.h"
#include "engine/end_early_check.h"
#include "engine/event_sounds.h"
#include "engine/game_play.h"
#include "engine/model/card_codes.h"
#include "engine/model/exit_routine.h"
#include "engine/model/game_trace.h"
#include "engine/model/hand_queries.h"
#include "engine/model/hand_words.h"
#include "engine/hand_slots.h"
#include "engine/model/calling_rules.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/state/tables.h"
#include "engine/play_card_to_trick.h"
#include "engine/slowpoke_timer.h"
#include "engine/steps/trick_seat.h"
#include "platform/message_boxes.h"
#include "platform/packed_fields.h"
#include "platform/settings/player_settings.h"
#include "platform/waits.h"
#include "players/analysis_state.h"
#include "players/hand_dump_hook.h"
#include "players/main_logic.h"
#include "render/card_played.h"
#include "render/key_labels.h"
#include "render/lay_down.h"
#include "render/table_host.h"
#include "render/table_messages.h"
#include "render/trick_box_wipe.h"
#include "render/trick_piles.h"

namespace {

using namespace CardFunctions;
using Misc::Get3Bits;
using Misc::Set3Bits;

constexpr int32_t kLeads = 1 << 28;
constexpr int32_t kLast = 1 << 29;
constexpr int32_t kAutoPlayed = 1 << 30;
constexpr int32_t kFirstTrickOfHand = 1;
constexpr int32_t kLayDownCode = 99;
constexpr int32_t kWipeLaidDown = 4;
constexpr int32_t kScoring = 11000;

int32_t Trick() {
    return Misc::GenInfField8();
}
const std::string& Message(size_t n) {
    return tables.MessageTable[n];
}
const std::string& Name(int32_t seat) {
    return settings.PlayerNames[static_cast<size_t>(seat)];
}
bool PauseAfterTrick() {
    return (settings.Opts1 & (1 << 15)) != 0;
}

void ShowTrickBox() {
    if (TableHost* table = CurrentTable()) {
        PictureBox box = table->PicBState(0);
        box.Visible = true;
        table->SetPicBState(0, box);
    }
}

int32_t FirstLeader() {
    const int32_t lone = Misc::GenInfField3();
    if ((settings.Opts2 & (1 << 22)) != 0 && lone != kNoSeat) return (lone + 1) % 4;
    return (Misc::DealerSeat() + 1) % 4;
}

// The logic failed twice: the program cannot go on with this hand.
void GiveUp() {
    MsgBox(Message(290) + "\r\n" + Message(294), vbOKOnly);
    flow.QuitNow = true;
    flow.InputOpen = true;
    KavlorMain::ExitProgram();
}

std::function<int32_t(int32_t)>& TrickCardChooser() {
    static std::function<int32_t(int32_t)> chooser;
    return chooser;
}

int32_t AskTrickLogic(int32_t seat) {
    if (TrickCardChooser()) {
        const int32_t chosen = TrickCardChooser()(seat);
        if (chosen >= 0) return chosen;
    }
    int32_t answer = 5;
    LogicMain::MainLogic(answer);
    Misc::Trace(analysis.LogicTrace);
    // Only the human's own seat is ever handed to the prompt.
    if (answer == 6 && seat != 0) answer = 5;
    return answer;
}

bool RefuseCard(size_t message) {
    if (settings.SoundOn) {
        APIs::Pause(0.1);
        Misc::PlayEventSound(21);
    }
    Video::ShowMessageTimed(1, Message(message), 7);
    return true;
}

bool IsRefused(int32_t slot) {
    const int32_t message = RefusedPlay(0, slot);
    return message != 0 && RefuseCard(static_cast<size_t>(message));
}

void CelebrateStoppedLoner(int32_t winner, int32_t trick, int32_t team) {
    const int32_t lone = Misc::GenInfField3();
    if (lone == kNoSeat || trick != 5) return;
    const int32_t loneTeam = lone % 2;
    if (GamePlaySubs::SumSeatFlags() != loneTeam || team == loneTeam) return;
    Video::PlayEffectWave(loneTeam == 0 ? 0 : 1);
    Video::ShowMessageTimed(Misc::PlusTwoOrOne(winner), "Ha!", 5);
    APIs::Pause(4);
}

}  // namespace

void GamePlay::InstallTrickCardChooser(std::function<int32_t(int32_t)> chooser) {
    TrickCardChooser() = std::move(chooser);
}

int32_t GamePlaySubs::SumSeatFlags() {
    int32_t sum = 0;
    for (size_t i = 1; i <= 4; ++i) sum += hand.TrickSeatFlags[i];
    if (sum == 0) return 0;
    if (sum == 4) return 1;
    return -1;
}

void GamePlay::Step10000(StepCall& call) {
    hand.GenInf = Set3Bits(Set3Bits(hand.GenInf, 0, 7), 0, 8);
    hand.GenInf = Set3Bits(Set3Bits(hand.GenInf, 7, 1), 7, 5);
    hand.Tricks = kNewHandTricks;
    hand.Trk = Filled<6>(kEmptyTrickEntry);
    hand.TrickSeatFlags = Filled<6>(7);
    hand.CardsPlayedCount = 0;
    ClearBit(flags.Stat0, Stat0Bits::TrumpPlayed);
    hand.Leader = kStartOfPlayLeader;
    ShowTrickBox();
    APIs::Pause(2);
    Misc::Trace("Starting to Play Cards in New HAND.");
    GoOn(call, 10010);
}

void GamePlay::Step10010(StepCall& call) {
    const int32_t trick = Trick() + 1;
    Misc::Trace("Starting TRICK " + std::to_string(trick) + ".");
    hand.GenInf = Set3Bits(hand.GenInf, trick, 8);
    hand.Tricks = Misc::NibSet(Misc::NibSet(hand.Tricks, trick, 2), 0, 5);
    if (trick == kFirstTrickOfHand) hand.Leader = Set3Bits(hand.Leader, FirstLeader(), 0);
    if (IsTopFiveTrumps(Misc::GenInfField2())) {
        Video::ShowLayDown(kLayDownCode);
        Video::WipeTrickBox(kWipeLaidDown);
        GoOn(call, kScoring);
        return;
    }
    GoOn(call, trick == 6 ? 10600 : 10020);
}

void GamePlay::Step10020(StepCall& call) {
    const int32_t position = Misc::GenInfField7() + 1;
    hand.GenInf = Set3Bits(hand.GenInf, position, 7);
    GoOn(call, position == 5 ? 10500 : 10030);
}

void GamePlay::Step10030(StepCall& call) {
    ++hand.CardsPlayedCount;
    const int32_t counter = Misc::TricksNibble5();
    hand.Tricks = Misc::NibSet(hand.Tricks, (counter + 1) & 7, 5) & ~(kLeads | kLast | kAutoPlayed);
    const int32_t position = Misc::GenInfField7();
    const int32_t seat = Misc::SeatAtTrickIndex(position);
    const int32_t sitter = Misc::GenInfField3() == kNoSeat ? -1 : (Misc::GenInfField3() + 2) % 4;
    if (position == 1 || (position == 2 && (seat + 3) % 4 == sitter)) hand.Tricks |= kLeads;
    if (position == 4 || (position == 3 && (seat + 1) % 4 == sitter)) hand.Tricks |= kLast;

    int32_t answer = AskTrickLogic(seat);
    if (answer == 5) {
        MsgBox(Message(289), vbOKOnly);
        LogicMain::WriteHandDump(0);
        SetBit(flags.Stat0, Stat0Bits::RecoveryCall);
        answer = AskTrickLogic(seat);
        if (answer == 5) {
            GiveUp();
            return;
        }
    }
    hand.GenInf = Set3Bits(hand.GenInf, answer, 5);
    if ((hand.Tricks & kAutoPlayed) != 0) {
        GamePlaySubs::PlayCardSound(2);
        Video::ShowMessageSeries(7, Message(69), 0.5);
    }
    GoOn(call, answer == 6 ? 10040 : 10200);
}

void GamePlay::Step10040(StepCall& call) {
    Video::DrawKeyLabels();
    Video::DrawMessage(2, Message(70));
    KavlorMain::SetSlowpokeTimer(10050);
    AwaitHuman(call.KeepRunning, call.InputCue);
    flow.Ptrg = 10050;
}

void GamePlay::Step10050(StepCall& call) {
    const int32_t trick = Trick();
    Misc::Trace("Getting Human Input for Card to Play for Trick " + std::to_string(trick) + ".");
    const int32_t slot = GamePlaySubs::HandSlotAtPoint(call.X, call.Y, 6 - trick);
    if (slot < 0 || slot > 4 || hand.Hands[0][static_cast<size_t>(slot)][kRankPlane] < 0) {
        AwaitHumanSilent(call.KeepRunning, call.InputCue);
        return;
    }
    Video::EraseMessage(1);
    Video::EraseMessage(2);
    hand.GenInf = Set3Bits(hand.GenInf, slot, 5);
    AnswerTaken(call, 10060);
}

void GamePlay::Step10060(StepCall& call) {
    GoOn(call, IsRefused(Get3Bits(hand.GenInf, 5)) ? 10040 : 10200);
}

void GamePlay::Step10200(StepCall& call) {
    KavlorMain::SetSlowpokeTimer(0);
    const int32_t position = Misc::GenInfField7();
    const int32_t seat = Misc::SeatAtTrickIndex(position);
    auto& entry = hand.Trk[static_cast<size_t>(position)];
    auto& played = hand.CardsPlayed[static_cast<size_t>(hand.CardsPlayedCount)];
    if (entry != kEmptyTrickEntry) {
        played = Misc::NibSet(entry, 6, 3);
        GoOn(call, 10210);
        return;
    }
    Misc::Trace("Card Chosen to Play by " + Name(seat) + ".");
    auto& card =
        hand.Hands[static_cast<size_t>(seat)][static_cast<size_t>(Get3Bits(hand.GenInf, 5))];
    const int32_t suit = card[kSuitPlane];
    const int32_t rank = card[kRankPlane];
    if (suit == Misc::TrumpSuit()) SetBit(flags.Stat0, Stat0Bits::TrumpPlayed);
    entry = suit | (rank << 4);
    played = entry | (seat << 12);
    card[kRankPlane] = -rank - 1;
    Video::ShowCardPlayed(seat, suit, rank, true, 0);
    GoOn(call, 10210);
}

void GamePlay::Step10210(StepCall& call) {
    int32_t winner = 0;
    GamePlaySubs::PlayCardToTrick(Misc::SeatAtTrickIndex(Misc::GenInfField7()), winner);
    APIs::WaitMs(5);
    if ((settings.Opts1 & 1) != 0) APIs::Pause(0.2);
    GoOn(call, 10020);
}

void GamePlay::Step10500(StepCall& call) {
    const int32_t trick = Trick();
    const int32_t winner = APIs::Nib(hand.Tricks, 4);
    const int32_t team = winner % 2;
    Misc::Trace("TRICK " + std::to_string(trick) + " over & " + Name(winner) + " won the trick.");
    hand.Tricks = Misc::NibSet(hand.Tricks, APIs::Nib(hand.Tricks, team) + 1, team);
    hand.TrickSeatFlags[static_cast<size_t>(trick)] = team;
    CelebrateStoppedLoner(winner, trick, team);
    if (winner != 0 || (settings.Opts1 & (1 << 14)) != 0) {
        Video::ShowMessageTimed(winner + 2, Message(74), 3);
    } else {
        Video::ShowMessageTimed(2, Message(73), 3);
    }
    const int32_t ours = APIs::Nib(hand.Tricks, 0);
    const int32_t theirs = APIs::Nib(hand.Tricks, 1);
    hand.Tricks = Misc::NibSet(hand.Tricks, ours == theirs ? 7 : (theirs > ours ? 1 : 0), 6);
    if (trick < 5) hand.Leader = Set3Bits(hand.Leader, winner, trick);
    hand.GenInf = Set3Bits(hand.GenInf, 0, 7);
    for (int field : {1, 5, 6}) hand.GenInf = Set3Bits(hand.GenInf, 7, field);
    if (PauseAfterTrick()) CardFunctions::DrawTrickPiles(team);
    GoOn(call, 10600);
}

void GamePlay::Step10600(StepCall& call) {
    if (PauseAfterTrick()) {
        Video::DrawMessage(1, Message(75));
        AwaitHuman(call.KeepRunning, call.InputCue);
        flow.Ptrg = 90600;
        return;
    }
    if (APIs::Nib(hand.Tricks, 4) != 0) APIs::Pause(1);
    GoOn(call, 10700);
}

void GamePlay::Step10700(StepCall& call) {
    const int32_t winner = APIs::Nib(hand.Tricks, 4);
    for (size_t i = 1; i <= 5; ++i) hand.Trk[i] = kEmptyTrickEntry;
    Video::WipeTrickBox(winner);
    CardFunctions::DrawTrickPiles(winner % 2);
    const int32_t played = APIs::Nib(hand.Tricks, 2);
    int32_t code = 0;
    if ((settings.Opts1 & (1 << 16)) != 0 && played < 5) {
        Misc::Trace("Checking for End It Early...");
        code = GamePlaySubs::CheckEndEarly();
        if (code > 0) {
            Misc::Trace("Ending Hand Early. Code=" + std::to_string(code) + ".");
            Video::WipeTrickBox(kWipeLaidDown);
        }
    }
    GoOn(call, played >= 5 || code > 0 ? kScoring : 10010);
}
