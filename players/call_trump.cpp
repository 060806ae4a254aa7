#include "players/call_trump.h"

#include <algorithm>
#include <string>

#include "engine/model/card_codes.h"
#include "engine/model/game_trace.h"
#include "engine/model/hand_queries.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/state/tables.h"
#include "engine/model/turned_up_card.h"
#include "platform/packed_fields.h"
#include "platform/random_source.h"
#include "platform/settings/player_settings.h"
#include "players/analysis_state.h"
#include "players/hand_total.h"
#include "players/loner_rating.h"

namespace {

constexpr int32_t kPickedUpBower = 1 << 30;
constexpr int32_t kHintAsks = 1 << 30;

bool Opt2(int bit) {
    return (settings.Opts2 & (1 << bit)) != 0;
}

// GenInf field 0 holds trial suits while the hand is judged; it is put back on
// every way out.
class TrialTrump {
  public:
    TrialTrump() : kept_(Misc::Get3Bits(hand.GenInf, 0)) {}
    ~TrialTrump() { Set(kept_); }
    TrialTrump(const TrialTrump&) = delete;
    TrialTrump& operator=(const TrialTrump&) = delete;
    static void Set(int32_t suit) { hand.GenInf = Misc::Set3Bits(hand.GenInf, suit, 0); }

  private:
    int32_t kept_;
};

int32_t Threshold(int32_t seat) {
    int32_t threshold = APIs::Nib(settings.Kind, seat) + 20;
    if ((settings.Opts4 & (1 << 23)) != 0) threshold += 20;
    if (Opt2(19)) threshold += 6;
    if (seat != 1 && seat != 3) return threshold;
    const int32_t difficulty = settings.Opts1 & 0xC0;
    if (difficulty == 0x40) {
        Misc::Trace("In CallTrump making Computer Opponents 'Easier' due to checked option.");
        return 22 + static_cast<int32_t>(Rnd() * 4);
    }
    if (difficulty == 0x80) {
        Misc::Trace(
            "In CallTrump Making Computer Opponents more aggressive because they are allowed to "
            "cheat.");
        return 21 + static_cast<int32_t>(Rnd() * 3);
    }
    return threshold;
}

// A strong other suit tells the seat on the dealer's left to wait for round 2.
bool StrongerSuitWaits(int32_t seat, int32_t suit, int32_t total, int32_t upSuit) {
    bool waits = false;
    for (int32_t other = 0; other < 4; ++other) {
        if (other == upSuit || !CardFunctions::CanCallSuit(seat, other)) continue;
        const int32_t otherTotal = Logics::HandTotal(seat, other);
        if (otherTotal >= total - 1 && otherTotal > APIs::Nib(settings.Kind, seat) + 20) {
            waits = true;
            analysis.SuitAnalysis[suit] |= 1 << 30;
        }
    }
    return waits;
}

bool DealerRuleDeclines(int32_t rating) {
    if (!(Opt2(24) || Opt2(25)) || rating >= 8) return false;
    return !(Opt2(2) && (rating == 2 || rating >= 5));
}

}  // namespace

int32_t Logics::CallTrump(int32_t seat, int32_t firstSuit, int32_t lastSuit, int32_t& total) {
    analysis.SuitAnalysis = {};
    const TrialTrump trial;
    const int32_t threshold = Threshold(seat);
    const bool forced = IsSet(flags.Stat2, Stat2Bits::MustCall);
    if (forced) {
        for (auto& word : analysis.SuitAnalysis) word |= 1;
    }
    const bool hint = IsSet(hand.CardUp, kHintAsks);
    ClearBit(hand.NibCounter, kPickedUpBower);
    hand.NibCounter = Misc::NibSet(hand.NibCounter, 0, 6);
    const int32_t upSuit = CardFunctions::TurnedUpSuit();
    const int32_t upRank = APIs::Nib(hand.CardUp, 1);
    const int32_t round = APIs::Nib(hand.CardUp, 2);
    const int32_t dealer = Misc::Get3Bits(hand.GenInf, 4);
    const int32_t position = Misc::Get3Bits(hand.GenInf, 7);
    const int32_t steps = Misc::Get3Bits(hand.GenInf, 8);
    const int32_t seatToAct = (dealer + position) % 4;
    total = 0;
    int32_t best = -1;
    int32_t highest = 0;
    for (int32_t suit = std::max(firstSuit, 0); suit <= std::min(lastSuit, 3); ++suit) {
        if (!CardFunctions::CanCallSuit(seat, suit) || (suit == upSuit && steps != 1)) continue;
        TrialTrump::Set(suit);
        int32_t value = HandTotal(seat, suit);
        if (flow.QuitNow) return best;
        highest = std::max(highest, value);
        const int32_t rating = LonerRating(seat, suit, position);
        if (position == 2 && steps == 1 && Opt2(0) && !forced && (rating < 2 || rating == 11)) {
            value = 5;
        }
        if (Opt2(27) && !forced && rating < 2) value = 5;
        if (seat == 2 && round == 1 && upRank == CardFunctions::kJack) {
            if (dealer == 0 && (settings.Partner & (1 << 3)) != 0) value = 5;
            if (dealer == 2 && (settings.Partner & (1 << 2)) != 0 && value < 35) {
                value = 35;
                SetBit(hand.NibCounter, kPickedUpBower);
            }
        }
        if (value >= threshold || forced || hint) {
            bool take = true;
            if (round == 1) {
                if (position == 1 && !forced && StrongerSuitWaits(seat, suit, value, upSuit)) {
                    take = false;
                }
                if (DealerRuleDeclines(rating)) take = false;
            } else {
                const bool tieKeepsEarlier = value == total && seat == seatToAct && best >= 0 &&
                                             suit != CardFunctions::SameColorSuit(best);
                take = value >= total && value > 0 && !tieKeepsEarlier;
            }
            if (take) {
                best = suit;
                total = value;
                hand.NibCounter = Misc::NibSet(hand.NibCounter, rating, 6);
            }
        }
        Misc::Trace(settings.PlayerNames[seat] + " Check total for " + tables.SuitNames[suit] +
                    "=" + std::to_string(value));
    }
    if (total == 0 && best == -1) total = highest;
    return best;
}
