#include "engine/card_sounds.h"
#include "engine/steps/new_hand_steps.h"

#include <optional>
#include <string>

#include "engine/deal.h"
#include "engine/event_sounds.h"
#include "engine/game_play.h"
#include "engine/model/card_codes.h"
#include "engine/model/game_trace.h"
#include "engine/model/hand_words.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/state/tables.h"
#include "platform/packed_fields.h"
#include "platform/random_source.h"
#include "platform/settings/player_settings.h"
#include "platform/sound/sound_system.h"
#include "platform/waits.h"
#include "render/choice_buttons.h"
#include "render/hand_drawing.h"
#include "render/hand_review.h"
#include "render/trick_piles.h"
#include "render/lay_down.h"
#include "render/table_host.h"
#include "render/table_messages.h"
#include "render/score_corners.h"
#include "render/table_parts.h"

namespace {

constexpr int32_t kAllParts = 255;
constexpr int32_t kRandomFirstDealer = 1 << 9;
constexpr int32_t kHumanDealsFirst = 1 << 10;
constexpr int32_t kFirstJokerDeals = 1 << 11;
constexpr int32_t kNewDealerEachGame = 1 << 12;
constexpr int32_t kReplayRedrawGap = 500;
constexpr int kDealSound = 8;

void SetTag(int index, const std::string& tag) {
    if (TableHost* table = CurrentTable()) {
        ChoiceButton button = table->Choice(index);
        button.Tag = tag;
        table->SetChoice(index, button);
    }
}

void DefaultPointer() {
    if (TableHost* table = CurrentTable()) table->SetMousePointer(0);
}

std::string ScoreLine() {
    return "Score H:" + std::to_string(APIs::Nib(hand.Score, 0)) +
           "  C:" + std::to_string(APIs::Nib(hand.Score, 1));
}

bool ReviewRequested() {
    return IsSet(flags.Stat1, Stat1Bits::ReviewRequested);
}

bool LoneHand() {
    return Misc::GenInfField3() != CardFunctions::kNoSeat;
}

// A lone hand gave the review button another caption; it gets its own back.
void RestoreReviewButton() {
    if (!LoneHand()) return;
    if (TableHost* table = CurrentTable()) {
        ChoiceButton button = table->Choice(5);
        button.Caption = tables.MessageTable[47];
        table->SetChoice(5, button);
    }
}

int32_t RandomFirstDealer() {
    const int32_t seat = RandomBelow(4);
    Video::DrawMessage(12, tables.MessageTable[13]);
    Video::DrawMessage(13, tables.MessageTable[16]);
    APIs::Pause(13.0);
    Video::EraseMessage(12);
    Video::EraseMessage(13);
    Video::ShowMessageTimed(
        Misc::PlusTwoOrOne(seat),
        settings.PlayerNames[static_cast<size_t>(seat)] + tables.MessageTable[17], 11.0);
    return seat;
}

// The dealing of cards face up; nothing when the program leaves meanwhile.
std::optional<int32_t> FirstJackDealer(int32_t opts3) {
    GamePlaySubs::ShuffleAnnounce();
    const bool playersChanged = IsSet(flags.Stat0, Stat0Bits::PlayersChanged);
    if (!playersChanged) APIs::Pause(1.0);
    Misc::Trace((opts3 & kFirstJokerDeals) != 0 ? "First Joker Deals First"
                                                : "First Jack Deals First");
    const int32_t seat = GamePlaySubs::ChooseFirstDealer();
    if (playersChanged) {
        Video::ShowMessageSeries(4, "Changed Players...", 0.8);
        if (flow.QuitNow) return std::nullopt;
        APIs::Pause(1.0);
    }
    return seat;
}

}  // namespace

void GamePlay::ReviewHand(bool& KeepRunning, bool& InputCue) {
    DefaultPointer();
    if (TableHost* table = CurrentTable()) table->RefreshTable();
    if (!IsSet(flags.Stat0, Stat0Bits::ReplayRequested) ||
        IsSet(flags.Stat0, Stat0Bits::ReplayRunning)) {
        if (flow.Ptrg != 1010) return;
        SetTag(4, "");
        Misc::Trace("Check for Review one last time");
        flow.Ptrg = ReviewRequested() ? 1100 : 1200;
        KeepRunning = true;
        return;
    }
    if (APIs::TickCount() - flow.ReplayAskTime > kReplayRedrawGap) {
        Video::HideAllChoices();
        Video::EraseMessage(1);
        Video::EraseMessage(2);
        APIs::WaitMs(40);
        Video::DrawMessage(1, tables.MessageTable[52]);
        APIs::WaitMs(40);
        Video::AskTwoChoices();
        APIs::WaitMs(40);
        if (!ReviewRequested()) {
            Video::DrawHands(1);
            Video::DrawDeckBox();
            if (Misc::GenInfField8() > 0) CardFunctions::DrawTrickPiles(2);
        } else {
            Misc::PlayEventSound(Misc::kInputSound);
        }
        flow.ReplayAskTime = APIs::TickCount();
    }
    if (!ReviewRequested()) {
        SetTag(4, "R");
        Video::ShowChoice(5, tables.MessageTable[47], 0);
        SetBit(flags.Stat1, Stat1Bits::ReplayButtonsShown);
    }
    APIs::WaitMs(20);
    AwaitHuman(KeepRunning, InputCue);
    flow.Ptrg = 13000;
    Misc::Trace(settings.PlayerNames[0] + " To Verify wanting a RePlay at Ptrg=13000.");
}

void GamePlay::Step1(StepCall& call) {
    if (flow.QuitNow) return;
    Video::DrawTableTitles();
    GoOn(call, 5);
}

void GamePlay::Step2(StepCall& call) {
    // The request is taken first, so that the tail of the pass does not restart again.
    ClearBit(flags.Stat1, Stat1Bits::RestartRequested);
    Video::ClearTableParts(kAllParts);
    Video::DrawTableTitles();
    GoOn(call, 5);
}

void GamePlay::Step5(StepCall& call) {
    hand.Score = 0;
    Video::ClearTableParts(128);
    GoOn(call, 6);
}

void GamePlay::Step6(StepCall& call) {
    Video::DrawTopScore();
    Video::DrawBottomScore();
    Misc::Trace("Network Game Check");
    GoOn(call, 25);
}

void GamePlay::Step25(StepCall& call) {
    Misc::Trace("Starting New Game.");
    Misc::Trace(
        "Opts1=" + std::to_string(settings.Opts1) + ", Opts2=" + std::to_string(settings.Opts2) +
        ", Opts3=" + std::to_string(settings.Opts3) + ", Opts4=" + std::to_string(settings.Opts4));
    flow.GameStartOpts3 = settings.Opts3;
    GoOn(call, 50);
}

void GamePlay::Step50(StepCall& call) {
    Video::DrawPlayerNames();
    GoOn(call, 51);
}

void GamePlay::Step51(StepCall& call) {
    int32_t candidate = CardFunctions::kNoSeat;
    if (IsSet(flags.Stat2, Stat2Bits::ReloadHandFromLog)) {
        GamePlaySubs::DealHand(1);
        candidate = Misc::DealerSeat();
    } else if (IsSet(flags.Stat2, Stat2Bits::HandReloaded)) {
        candidate = Misc::DealerSeat();
        ClearBit(flags.Stat2, Stat2Bits::HandReloaded);
    } else {
        flow.ReplayAskTime = APIs::TickCount();
        Misc::Trace("Determine who Deals First");
        flow.InputOpen = false;
        hand.GenInf = Misc::Set3Bits(hand.GenInf, 0, 8);
        const int32_t opts3 = flow.GameStartOpts3;
        if ((opts3 & kNewDealerEachGame) != 0 || hand.DealerCounter <= 1) {
            if ((opts3 & kRandomFirstDealer) != 0) {
                candidate = RandomFirstDealer();
            } else if ((opts3 & kHumanDealsFirst) != 0) {
                Misc::Trace("Human Deals First");
                candidate = 0;
            } else {
                const auto seat = FirstJackDealer(opts3);
                if (!seat) return;
                candidate = *seat;
            }
            hand.GenInf = Misc::Set3Bits(hand.GenInf, candidate, 4);
        }
    }
    if (candidate < 4) hand.DealerCounter = candidate;
    hand.Score = 0;
    SetBit(flags.Stat2, Stat2Bits::GameInProgress);
    Video::DrawTopScore();
    Video::DrawBottomScore();
    Misc::Trace(ScoreLine());
    GoOn(call, 1000);
}

void GamePlay::Step1000(StepCall& call) {
    Misc::Trace("Start of new HAND");
    if (!IsSet(flags.Stat2, Stat2Bits::FastMode)) {
        const bool pending = IsSet(flags.Stat0, Stat0Bits::ReplayRequested) ||
                             IsSet(flags.Stat0, Stat0Bits::ReplayRunning) || ReviewRequested();
        if (!pending) GamePlaySubs::ShuffleAnnounce();
        APIs::WaitMs(20);
    }
    GoOn(call, 1010);
}

void GamePlay::Step1010(StepCall& call) {
    Video::HideChoice(5);
    Video::HideChoice(4);
    ClearBit(flags.Stat1, Stat1Bits::ReplayButtonsShown);
    ReviewHand(call.KeepRunning, call.InputCue);
}

void GamePlay::Step1100(StepCall& call) {
    Misc::Trace("Starting Hand Review");
    Video::DrawHandReview();
    flow.Ptrg = 1110;
    AwaitHumanSilent(call.KeepRunning, call.InputCue);
}

void GamePlay::Step1110(StepCall& call) {
    RestoreReviewButton();
    ResetHandFlags();
    Video::ClearTableParts(kAllParts);
    Video::DrawTopScore();
    Video::DrawBottomScore();
    Video::DrawPlayerNames();
    const bool gameGoesOn = APIs::Nib(hand.Score, 0) < 10 && APIs::Nib(hand.Score, 1) < 10;
    GoOn(call, gameGoesOn ? 1200 : 14000);
}

void GamePlay::Step1200(StepCall& call) {
    Misc::Trace("Setting up New Hand");
    hand.Score = Misc::NibSet(hand.Score, APIs::Nib(hand.Score, 0), 4);
    hand.Score = Misc::NibSet(hand.Score, APIs::Nib(hand.Score, 1), 5);
    GamePlaySubs::DealHand(0);
    ResetHandFlags();
    GoOn(call, 1250);
}

void GamePlay::Step1250(StepCall& call) {
    ClearBit(flags.Stat0, Stat0Bits::ReplayRunning);
    Video::DrawDealtHands([] { GamePlaySubs::PlayCardSound(0); });
    APIs::Pause(0.7);
    if (settings.SoundOn && !flow.QuitNow) {
        Misc::PlayEventSound(kDealSound);
        const int32_t length = SoundPlayer.GetSoundTime(kDealSound);
        if (length > 0) APIs::WaitMs(length);
    }
    hand.CardUp = Misc::NibSet(hand.CardUp, 1, 2);
    Video::DrawDeckBox();
    GoOn(call, 1260);
}

void GamePlay::Step1260(StepCall& call) {
    Misc::Trace("Would Test for Benny Here");
    hand.NibCounter = Misc::NibSet(hand.NibCounter, 0, 0);
    GoOn(call, 1800);
}

void GamePlay::Step13000(StepCall& call) {
    DefaultPointer();
    // The replay button's own call has just put the question: its arguments are no answer.
    if (call.Button == 4) {
        call.KeepRunning = false;
        flow.InputOpen = true;
        return;
    }
    switch (call.Shift) {
        case 101:
            ClearBit(flags.Stat0, Stat0Bits::ReplayRequested);
            SetBit(flags.Stat0, Stat0Bits::ReplayRunning);
            SetBit(flags.Stat0, Stat0Bits::ReplayNoScore);
            Misc::Trace("Replaying Hand by Human Request.");
            Video::HideAllChoices();
            if (ReviewRequested()) {
                ClearBit(flags.Stat1, Stat1Bits::ReviewRequested);
                ClearBit(flags.Stat1, Stat1Bits::ReplayButtonsShown);
                RestoreReviewButton();
                Video::ClearTableParts(kAllParts);
                Video::DrawPlayerNames();
                Video::DrawTopScore();
                Video::DrawBottomScore();
            }
            Video::ShowMessageSeries(7, tables.MessageTable[76], 1.0);
            GamePlaySubs::ResetHandForReplay();
            Video::ClearTableParts(127);
            SetDefaultFocus();
            if (TableHost* table = CurrentTable()) {
                PictureBox box = table->PicBState(0);
                box.Visible = false;
                table->SetPicBState(0, box);
            }
            hand.Tricks = kNewHandTricks;
            CardFunctions::DrawTrickPiles(2);
            AnswerTaken(call, 1250);
            return;
        case 102:
            Video::HideAllChoices();
            ClearBit(flags.Stat0, Stat0Bits::ReplayRequested);
            SetBit(flags.Stat0, Stat0Bits::ReplayDeclined);
            APIs::Pause(1.0);
            AnswerTaken(call, 12000);
            return;
        case 105:
            AnswerTaken(call, 1100);
            return;
        default:
            AwaitHumanSilent(call.KeepRunning, call.InputCue);
    }
}
