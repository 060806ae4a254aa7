#include "engine/steps/calling_steps.h"

#include <string>

#include "engine/event_sounds.h"
#include "engine/game_play.h"
#include "engine/model/calling_rules.h"
#include "engine/model/card_codes.h"
#include "engine/model/game_trace.h"
#include "engine/model/hand_queries.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/state/tables.h"
#include "engine/model/turned_up_card.h"
#include "engine/slowpoke_timer.h"
#include "engine/steps/calling_support.h"
#include "platform/packed_fields.h"
#include "platform/settings/player_settings.h"
#include "platform/waits.h"
#include "players/call_trump.h"
#include "render/choice_buttons.h"
#include "render/hand_drawing.h"
#include "render/table_messages.h"

using namespace GamePlay::Calling;

namespace {

constexpr int32_t kRoundNibble = 2;
constexpr int32_t kRuleNibble = 5;

bool Opt2(int bit) {
    return (settings.Opts2 & (1 << bit)) != 0;
}
int32_t Round() {
    return APIs::Nib(hand.CardUp, kRoundNibble);
}
int32_t UpSuit() {
    return CardFunctions::TurnedUpSuit();
}
bool HumanDeals() {
    return GamePlaySubs::IsHumanSeat(Misc::Get3Bits(hand.GenInf, 4));
}
bool Forced() {
    return IsSet(flags.Stat2, Stat2Bits::MustCall);
}
void Prompt(StepCall& call, int32_t answerStep) {
    KavlorMain::SetSlowpokeTimer(answerStep);
    GamePlay::AwaitHuman(call.KeepRunning, call.InputCue);
    flow.Ptrg = answerStep;
}
void Refuse(StepCall& call) {
    GamePlay::AwaitHumanSilent(call.KeepRunning, call.InputCue);
}
void SetTrumpMakerLoner(int32_t trump, int32_t maker, int32_t loner) {
    SetGenInfField(0, trump);
    SetGenInfField(2, maker);
    SetGenInfField(3, loner);
}
// Every card the human still holds is of the turned-down suit.
bool HumanHoldsOnlyTurnedDownSuit() {
    for (int slot = 0; slot < 5; ++slot) {
        if (hand.Hands[0][slot][kRankPlane] < 0) continue;
        if (hand.Hands[0][slot][kSuitPlane] != UpSuit()) return false;
    }
    return true;
}

void StartSecondRound() {
    SetGenInfField(7, 1);
    SetGenInfField(8, 2);
    hand.CardUp = Misc::NibSet(hand.CardUp, 2, kRoundNibble);
    Video::DrawDeckBox();
    const int32_t upSuit = APIs::Nib(hand.CardUp, 0);
    const int32_t upRank = APIs::Nib(hand.CardUp, 1);
    hand.CardsPlayed[0] = upSuit | (upRank << 4) | (4 << 12);
    Misc::Trace("Starting 2nd Round for trump calling.");
}

struct RuleText {
    int32_t title = 0;
    std::string message;
    int32_t humanNext = 2000;
};

RuleText TextForRule(int32_t code, int32_t seat) {
    const std::string name = SeatName(seat);
    const auto titled = [](int32_t title, const std::string& line) {
        return tables.MessageTable[title] + "\n" + line;
    };
    switch (code) {
        case 0:
            return {25, "", 1975};
        case 1:
        case 7:
            return {26, titled(26, name + tables.MessageTable[27]), 2040};
        case 3:
        case 8:
            return {28, titled(28, name + " Must Make " + SuitName(UpSuit()) + "!"), 2040};
        case 4:
            return {29, titled(29, name + " Must Go Alone in " + SuitName(UpSuit()) + "!"), 2040};
        case 5:
        case 9:
        case 10: {
            const int32_t suit = CardFunctions::FindMustMakeSuit(seat);
            SetGenInfField(0, suit);
            if (!GamePlaySubs::IsHumanSeat(seat)) return {30, "", 2040};
            return {30, titled(30, name + " Must Make " + SuitName(suit) + "!"), 2040};
        }
        default:
            return {0, "", 2000};
    }
}

void ShowComputerForcedCall(int32_t seat, const std::string& message) {
    Video::DrawMessage(12, message);
    if (settings.SoundOn) {
        Misc::PlayEventSound(seat == 2 ? 11 : 12);
        APIs::Pause(9);
    } else {
        APIs::Pause(12);
    }
    Video::EraseMessage(12, -1);
}

// The computer's going-alone choice after a call.
void ChooseLoner(int32_t seat, int32_t suit, int32_t total) {
    const int32_t rating = APIs::Nib(hand.NibCounter, 6);
    const bool consider = (Loner() == kNone && total >= 40) || rating >= 2;
    const bool partnerHeldBack = seat == 2 && (settings.Partner & (1 << 10)) != 0;
    const bool canadaPartner = Position() == 2 && Round() == 1 && Opt2(0);
    const int32_t teamPoints = APIs::Nib(hand.Score, seat % 2 == 1 ? 1 : 0);
    const bool scoreAllows =
        canadaPartner || IsSet(flags.Stat2, Stat2Bits::MustGoAlone) || teamPoints < 8;
    if (consider && !partnerHeldBack && scoreAllows && rating >= 2) {
        SetGenInfField(3, seat);
        Misc::Trace(SeatName(seat) + " Going Alone in " + SuitName(suit) + " with code of " +
                    std::to_string(rating) + ".");
    }
}

}  // namespace

void GamePlay::Step1950(StepCall& call) {
    hand.NibCounter = Misc::NibSet(hand.NibCounter, 0, 0);
    SetGenInfField(7, 0);
    SetGenInfField(8, 1);
    Misc::Trace("Starting Loop for Calling Trump");
    GoOn(call, 1951);
}

void GamePlay::Step1951(StepCall& call) {
    Video::EraseSeatMessages();
    SetGenInfField(7, Position() + 1);
    ClearBit(hand.CardUp, kMayOrderUp);
    ClearBit(flags.Stat2, Stat2Bits::MustCall);
    ClearBit(flags.Stat2, Stat2Bits::MustGoAlone);
    hand.CardUp = Misc::NibSet(hand.CardUp, 0, kRuleNibble);
    if (Position() == 5) StartSecondRound();
    const int32_t seat = SeatToAct();
    int32_t first = 0;
    int32_t last = 3;
    bool canCall = false;
    if (Round() == 1) {
        first = last = UpSuit();
        canCall = UpSuit() < 4 && CardFunctions::CanCallSuit(seat, UpSuit());
        if (canCall) SetBit(hand.CardUp, kMayOrderUp);
    } else {
        const bool stuck = Opt2(1) && seat == Misc::Get3Bits(hand.GenInf, 4);
        if (stuck && GamePlaySubs::IsHumanSeat(seat) && HumanHoldsOnlyTurnedDownSuit()) {
            GoOn(call, 1952);
            return;
        }
        canCall = !NoSuitToName(seat);
        if (stuck && !GamePlaySubs::IsHumanSeat(seat) && !canCall) {
            Misc::Trace(SeatName(seat) + " Can NOT call Trump.");
            GoOn(call, 2600);
            return;
        }
    }
    hand.LoopSaver = Misc::Set3Bits(hand.LoopSaver, first, 0);
    hand.LoopSaver = Misc::Set3Bits(hand.LoopSaver, last, 1);
    Misc::Trace(SeatName(seat) + (canCall ? " Can call Trump." : " Can NOT call Trump."));
    GoOn(call, 1970);
}

void GamePlay::Step1952(StepCall& call) {
    Video::ShowMessageTimed(1, tables.MessageTable[23], 7);
    Video::DrawMessage(1, tables.MessageTable[24]);
    ShowOkButton();
    Prompt(call, 1953);
}

void GamePlay::Step1953(StepCall& call) {
    if (call.Shift != 101) return Refuse(call);
    Video::EraseMessage(1, -1);
    Video::HideChoice(1);
    AnswerTaken(call, 2600);
}

void GamePlay::Step1970(StepCall& call) {
    Misc::Trace("Checking Trump-Calling Rules (can/must)");
    const int32_t seat = SeatToAct();
    const int32_t code = GamePlaySubs::CheckCallingRules(seat);
    if (code > 0) {
        SetBit(flags.Stat2, Stat2Bits::MustCall);
        Misc::Trace("Player " + std::to_string(seat) + " MUST call trump.");
        SetGenInfField(2, seat);
        hand.CardUp = Misc::NibSet(hand.CardUp, code, kRuleNibble);
        if (Round() == 1) SetGenInfField(0, UpSuit());
        if (code == 4 || code == 7 || code == 8 || code == 9 || code == 10) {
            SetGenInfField(3, seat);
            SetBit(flags.Stat2, Stat2Bits::MustGoAlone);
            Misc::Trace("Player " + std::to_string(seat) + " MUST go Alone due to rule " +
                        std::to_string(code) + ".");
        }
    }
    const RuleText text = TextForRule(code, seat);
    const std::string title = text.title > 0 ? tables.MessageTable[text.title] : std::string();
    Misc::Trace(SeatName(seat) + " - " + title);
    const bool human = GamePlaySubs::IsHumanSeat(seat);
    if (!human && code > 0 && !text.message.empty()) ShowComputerForcedCall(seat, text.message);
    hand.ForcedCallText = text.message;
    GoOn(call, human ? text.humanNext : 2000);
}

void GamePlay::Step1975(StepCall& call) {
    GoOn(call, 1980);
}

void GamePlay::Step1980(StepCall& call) {
    std::string prompt;
    if (Round() == 1) {
        if (!IsSet(hand.CardUp, kMayOrderUp)) {
            Video::DrawMessage(1, tables.MessageTable[HumanDeals() ? 34 : 35]);
            Video::ShowMessageTimed(2, tables.MessageTable[36], 8);
            Video::EraseMessage(1, -1);
            GoOn(call, 2500);
            return;
        }
        prompt = tables.MessageTable[33] + SuitName(UpSuit()) + "?";
        const auto order = prompt.find("Order");
        if (HumanDeals() && order != std::string::npos) prompt.replace(order, 5, "Pick");
        Misc::Trace("Asking Human to Order or Pick Up Trump.");
    } else {
        prompt = tables.MessageTable[37];
    }
    Video::DrawMessage(1, prompt);
    Video::AskTwoChoices();
    Prompt(call, 1985);
}

void GamePlay::Step1985(StepCall& call) {
    if (call.Shift != 101 && call.Shift != 102) return Refuse(call);
    Video::EraseMessage(1, -1);
    Video::HideChoice(1);
    Video::HideChoice(2);
    if (call.Shift == 102) return AnswerTaken(call, 2500);
    if (Round() == 2) return AnswerTaken(call, 2060);
    SetGenInfField(0, UpSuit());
    SetGenInfField(2, 0);
    AnswerTaken(call, 2100);
}

void GamePlay::Step2000(StepCall& call) {
    const int32_t seat = SeatToAct();
    Misc::Trace(SeatName(seat) + " deciding to Call Trump/Go Alone");
    const int32_t fixed = Misc::Get3Bits(hand.GenInf, 0);
    int32_t total = 0;
    int32_t suit = -1;
    if (fixed != kNone) {
        Logics::CallTrump(seat, fixed, fixed, total);
        suit = fixed;
    } else if (Round() == 2 || IsSet(hand.CardUp, kMayOrderUp)) {
        suit = Logics::CallTrump(seat, Misc::Get3Bits(hand.LoopSaver, 0),
                                 Misc::Get3Bits(hand.LoopSaver, 1), total);
    }
    if (flow.QuitNow) return;
    if (suit < 0 || suit > 3) {
        SetTrumpMakerLoner(kNone, kNone, kNone);
        GoOn(call, 2500);
        return;
    }
    SetGenInfField(0, suit);
    SetGenInfField(2, seat);
    ChooseLoner(seat, suit, total);
    hand.CallTotal = IsSet(hand.NibCounter, 1 << 30) ? -total : total;
    Misc::Trace(SeatName(seat) + " Considering...Hand Total in " + SuitName(suit) + " = " +
                std::to_string(total));
    GoOn(call, 2500);
}

void GamePlay::Step2040(StepCall& call) {
    Video::DrawMessage(12, hand.ForcedCallText);
    ShowOkButton();
    if (settings.SoundOn) Misc::PlayEventSound(11);
    Prompt(call, 2041);
}

void GamePlay::Step2041(StepCall& call) {
    if (call.Shift != 101) return Refuse(call);
    Video::EraseMessage(12, -1);
    Video::HideChoice(1);
    switch (RuleCode()) {
        case 1:
            return AnswerTaken(call, 2060);
        case 4:
            return AnswerTaken(call, 2500);
        default:
            return AnswerTaken(call, 2050);
    }
}

void GamePlay::Step2050(StepCall& call) {
    if (Loner() == kNone) {
        GoOn(call, 2100);
        return;
    }
    Video::DrawMessage(1, tables.MessageTable[38]);
    ShowOkButton();
    Prompt(call, 2051);
}

void GamePlay::Step2051(StepCall& call) {
    if (call.Shift != 101) return Refuse(call);
    Video::EraseMessage(1, -1);
    Video::HideChoice(1);
    AnswerTaken(call, RuleCode() == 7 ? 2060 : 2500);
}

void GamePlay::Step2060(StepCall& call) {
    Misc::Trace("Asking Human which suit for trump");
    for (int32_t suit = 0; suit < 4; ++suit) {
        if (suit != UpSuit() && CardFunctions::CanCallSuit(0, suit)) {
            Video::ShowChoice(suit, "&" + tables.MessageTable[suit], 0);
        }
    }
    Video::DrawMessage(1, tables.MessageTable[39]);
    Video::ShowChoice(4, tables.MessageTable[22], 0);
    SetChoiceEnabled(4, !Forced());
    Prompt(call, 2070);
}

void GamePlay::Step2070(StepCall& call) {
    if (call.Button == 27 && !Forced()) call.Shift = 104;
    const int32_t suit = call.Shift - 100;
    const bool suitTaken =
        suit >= 0 && suit < 4 && suit != UpSuit() && CardFunctions::CanCallSuit(0, suit);
    const bool withdrawn = call.Shift == 104 && !Forced();
    if (!suitTaken && !withdrawn) return Refuse(call);
    Video::EraseMessage(1, -1);
    for (int index = 0; index <= 4; ++index) Video::HideChoice(index);
    if (withdrawn) return AnswerTaken(call, 1980);
    SetGenInfField(0, suit);
    SetGenInfField(2, 0);
    AnswerTaken(call, 2080);
}

void GamePlay::Step2080(StepCall& call) {
    Video::DrawDeckBox();
    GoOn(call, Loner() != kNone ? 2500 : 2100);
}

namespace {
bool CanadaPartnerInRoundOne() {
    return Position() == 2 && Round() == 1 && Opt2(0);
}
void ShowLonerPrompt() {
    Video::DrawMessage(1, tables.MessageTable[40]);
}
}  // namespace

void GamePlay::Step2100(StepCall& call) {
    Misc::Trace("Asking Human if going Alone.");
    const int32_t code = RuleCode();
    int32_t title = 0;
    if (code == 0 && Opt2(27)) title = 296;
    if (code == 1) title = 26;
    if (code == 3) title = 28;
    if (code == 5) title = 30;
    if (title > 0) Video::DrawMessage(0, tables.MessageTable[title]);
    const bool demo = IsSet(flags.Stat1, Stat1Bits::ComputerDecidesSouth);
    if (Round() == 1 && HumanDeals() && IsSet(flags.Stat1, Stat1Bits::KeyYes) && !demo) {
        APIs::Pause(4.5);
    }
    ClearBit(flags.Stat1, Stat1Bits::KeyYes);
    ShowLonerPrompt();
    Video::AskTwoChoices();
    Video::ShowChoice(4, tables.MessageTable[22], 0);
    SetChoiceEnabled(2, !(Opt2(27) || CanadaPartnerInRoundOne()));
    SetChoiceEnabled(4, code != 3 && code != 5);
    Prompt(call, 2112);
}

void GamePlay::Step2112(StepCall& call) {
    const bool withdrawOpen = ChoiceEnabled(4);
    if (call.Button == 27 && withdrawOpen) call.Shift = 104;
    if (call.Shift == 104 && !withdrawOpen) {
        Misc::PlayEventSound(21);
        Video::ShowMessageTimed(1, tables.MessageTable[RuleCode() == 3 ? 28 : 30], 7);
        ShowLonerPrompt();
        return Refuse(call);
    }
    if (call.Shift == 102 && !ChoiceEnabled(2)) {
        Misc::PlayEventSound(21);
        Video::ShowMessageTimed(1, tables.MessageTable[41], 7);
        ShowLonerPrompt();
        return Refuse(call);
    }
    if (call.Shift != 101 && call.Shift != 102 && call.Shift != 104) return Refuse(call);
    Video::EraseMessage(0, -1);
    Video::EraseMessage(1, -1);
    for (int index : {1, 2, 4}) {
        SetChoiceEnabled(index, true);
        Video::HideChoice(index);
    }
    if (call.Shift == 101) SetGenInfField(3, 0);
    AnswerTaken(call, call.Shift == 104 ? 2115 : 2500);
}

void GamePlay::Step2115(StepCall& call) {
    SetTrumpMakerLoner(kNone, kNone, kNone);
    Video::DrawDeckBox();
    // A dealer stuck with the call names a suit again rather than passing.
    if (Forced() && Round() == 2) {
        SetGenInfField(2, 0);
        GoOn(call, 2060);
        return;
    }
    GoOn(call, 1980);
}
