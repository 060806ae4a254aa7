#include "players/play_help.h"

#include <string>

#include "engine/model/card_codes.h"
#include "engine/model/hand_queries.h"
#include "engine/model/hand_words.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/state/tables.h"
#include "platform/message_boxes.h"
#include "platform/packed_fields.h"
#include "platform/settings/player_settings.h"
#include "players/advice_texts.h"
#include "players/analysis_state.h"
#include "players/call_trump.h"
#include "players/discard.h"
#include "players/hand_dump_hook.h"
#include "players/kitty_decisions.h"
#include "players/loner_rating.h"
#include "players/main_logic.h"
#include "players/partners_best.h"
#include "players/redeal_test.h"
#include "render/status_line.h"

namespace {

using CardFunctions::kJack;

constexpr int32_t kHintAsks = 1 << 30;
constexpr int32_t kTradeInstead = 1 << 29;
// A card of the human's five-card hand, and the sixth card or the card given back.
constexpr int32_t kFiveCards = 5 * 16;
constexpr int32_t kSixCards = 6 * 16;
// The bits of the run words that the decisions write.
constexpr int32_t kStat0Touched = Stat0Bits::RecoveryCall;
constexpr int32_t kStat1Touched =
    Stat1Bits::ComputerDecidesSouth | Stat1Bits::DiscardNineSignal | (1 << 21);

bool LearnMode() {
    return IsSet(flags.Stat1, Stat1Bits::LearnMode);
}

void Advise(int32_t target, int32_t reason) {
    analysis.HintTarget = target;
    analysis.ReasonCode = reason;
}

// Puts back, when it goes, what the decisions write besides the hint's own answer.
class DecisionScope {
  public:
    DecisionScope()
        : hand_(hand),
          analysis_(analysis),
          stat0_(flags.Stat0 & kStat0Touched),
          stat1_(flags.Stat1 & kStat1Touched) {}
    ~DecisionScope() {
        hand = hand_;
        Analysis kept = analysis_;
        kept.ReasonCode = analysis.ReasonCode;
        kept.HintTarget = analysis.HintTarget;
        kept.AdviceText = analysis.AdviceText;
        analysis = kept;
        flags.Stat0 = (flags.Stat0 & ~kStat0Touched) | stat0_;
        flags.Stat1 = (flags.Stat1 & ~kStat1Touched) | stat1_;
    }
    DecisionScope(const DecisionScope&) = delete;
    DecisionScope& operator=(const DecisionScope&) = delete;

  private:
    HandState hand_;
    Analysis analysis_;
    int32_t stat0_;
    int32_t stat1_;
};

bool AdviseTradeIn() {
    const int32_t rank = CardFunctions::FindThreeOfAKind(0);
    const int32_t trade = Logics::TradeInDecision(rank, 0, APIs::Nib(hand.NibCounter, 0));
    analysis.HintTarget = trade == 1 ? 1 : 2;
    return true;
}

// Four of a kind: the card of the turned-up suit stays, as the computer keeps it. With
// four jacks the seat to act keeps a jack of the other colour, a bower if named.
bool AdviseKeptCard(int32_t seat) {
    const int32_t kind = APIs::Nib(hand.CardUp, 6);
    const int32_t up = APIs::Nib(hand.CardUp, 0);
    const int32_t slot = CardFunctions::FindCard(hand.Hands, 0, up, kind);
    if (slot < 0) return false;
    Advise(kFiveCards + slot, 98);
    const int32_t toAct = (Misc::DealerSeat() + Misc::GenInfField7()) % 4;
    if (seat != toAct || kind != kJack) return true;
    for (int32_t each = 0; each < 5; ++each) {
        const auto& card = hand.Hands[0][static_cast<size_t>(each)];
        const int32_t suit = card[kSuitPlane];
        if (card[kRankPlane] == kJack && suit != up && suit != CardFunctions::SameColorSuit(up)) {
            Advise(kFiveCards + each, 99);
        }
    }
    return true;
}

// The suit the seat would call now, with its going-alone rating in NibCounter nibble 6.
int32_t CallForSeat(int32_t seat, bool anySuit) {
    const int32_t up = APIs::Nib(hand.CardUp, 0);
    const bool upOnly = APIs::Nib(hand.CardUp, 2) == 1;
    if (anySuit) SetBit(hand.CardUp, kHintAsks);
    int32_t total = 0;
    const int32_t suit = Logics::CallTrump(seat, upOnly ? up : 0, upOnly ? up : 3, total);
    ClearBit(hand.CardUp, kHintAsks);
    if (suit >= 0) {
        const int32_t rating = Logics::LonerRating(0, suit, Misc::GenInfField7());
        hand.NibCounter = Misc::NibSet(hand.NibCounter, rating, 6);
    }
    return suit;
}

bool AdviseOrderUp(int32_t seat) {
    int32_t suit = CallForSeat(seat, false);
    analysis.HintTarget = suit >= 0 ? 1 : 2;
    if (LearnMode()) {
        analysis.ReasonCode = 100;
        analysis.AdviceText = Logics::TrumpCallAdvice(suit);
    }
    return true;
}

bool AdviseSuit(int32_t seat) {
    int32_t suit = CallForSeat(seat, true);
    analysis.HintTarget = suit >= 0 ? suit : 4;
    if (LearnMode()) {
        analysis.ReasonCode = 101;
        analysis.AdviceText = Logics::TrumpCallAdvice(suit);
    }
    return true;
}

bool AdviseGoAlone(int32_t seat) {
    const int32_t suit = CallForSeat(seat, false);
    if (suit >= 0 && suit == Misc::TrumpSuit()) {
        const int32_t rating = APIs::Nib(hand.NibCounter, 6);
        const bool alone = rating != 11 && rating >= 2 && APIs::Nib(hand.Score, 0) <= 7;
        analysis.HintTarget = alone ? 1 : 2;
    } else {
        const int32_t rule = APIs::Nib(hand.CardUp, 5);
        analysis.HintTarget = rule == 1 || rule == 3 || rule == 5 ? 2 : 4;
    }
    if (LearnMode()) {
        analysis.ReasonCode = 100;
        analysis.AdviceText = Logics::LonerAdvice();
    }
    return true;
}

bool AdviseDiscard(int32_t seat, int32_t position, int32_t mode) {
    int32_t out = -1;
    const int32_t slot = Logics::Discard(hand.Hands, seat, position, Misc::TrumpSuit(), out, 0);
    if (slot < 0) return false;
    Advise(mode + slot, slot == Logics::kKeepTurnedUpOut && mode == kFiveCards ? 140 : 102);
    return true;
}

bool AdviseRedeal() {
    const int32_t seat = Logics::FindRedealHand(1);
    if (IsSet(hand.CardUp, kTradeInstead)) {
        analysis.HintTarget = 0;
    } else if ((settings.Opts2 & (1 << 16)) != 0) {
        analysis.HintTarget = seat == 0 ? 1 : 3;
    } else {
        analysis.HintTarget = seat == 0 ? 1 : 2;
    }
    return true;
}

std::string Message(size_t n) {
    return tables.MessageTable[n];
}

// The trick logic asked for the human's card, once more in recovery mode when it
// finds none (5, or any answer that is no slot of the hand). The game goes on without advice when even that fails.
bool AdviseCard() {
    SetBit(flags.Stat1, Stat1Bits::ComputerDecidesSouth);
    int32_t slot = 5;
    LogicMain::MainLogic(slot);
    Video::ShowStatus("Help: " + analysis.LogicTrace + "Card=" + std::to_string(slot));
    if (slot < 0 || slot > 4) {
        MsgBox(Message(289));
        LogicMain::WriteHandDump(1);
        SetBit(flags.Stat0, Stat0Bits::RecoveryCall);
        LogicMain::MainLogic(slot);
        if (IsSet(flags.Stat0, Stat0Bits::RecoveryCall) || slot < 0 || slot > 4) {
            MsgBox(Message(290) + "\r\nPlease report if possible.");
            analysis.HintTarget = Analysis::kNoHintTarget;
            return false;
        }
    }
    const int32_t mode = 6 - APIs::Nib(hand.Tricks, 2);
    analysis.HintTarget = mode * 16 + slot;
    return true;
}

}  // namespace

bool PlayHelp::FindAdvice(int32_t seat) {
    DecisionScope scope;
    switch (flow.Ptrg) {
        case 1811: return AdviseTradeIn();
        case 1813: return AdviseKeptCard(seat);
        case 1985: return AdviseOrderUp(seat);
        case 2070: return AdviseSuit(seat);
        case 2112: return AdviseGoAlone(seat);
        case 2715: return AdviseDiscard(0, 4, kFiveCards);
        case 2720: Advise(2, 142); return true;
        case 2740:
        case 2975: Advise(2, 103); return true;
        case 2915: {
            const int32_t slot = Logics::PartnersBestCard();
            if (slot < 0 || slot > 4) return false;
            analysis.HintTarget = kFiveCards + slot;
            return true;
        }
        case 2960: return AdviseDiscard(seat, (seat + 1) % 4, kSixCards);
        case 5025: return AdviseRedeal();
        case 10050: return AdviseCard();
        case 14100:
            analysis.HintTarget = 1;
            if (LearnMode()) analysis.ReasonCode = 143;
            return true;
        default: return false;
    }
}
