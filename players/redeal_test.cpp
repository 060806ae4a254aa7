#include "players/redeal_test.h"

#include "engine/model/card_codes.h"
#include "engine/model/hand_queries.h"
#include "engine/model/hand_words.h"
#include "engine/model/calling_rules.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "platform/packed_fields.h"
#include "platform/random_source.h"
#include "platform/settings/player_settings.h"
#include "players/analysis_state.h"

namespace {

constexpr int32_t kTradeInstead = 1 << 29;
constexpr int32_t kKindAce = 8;
constexpr int32_t kHoldsTrumpAce = 0x10;

bool Opt2(int bit) {
    return (settings.Opts2 & (1 << bit)) != 0;
}

// The kinds of redeal hand the seat's five cards are, as bits 1, 2, 4, 8 (+ 0x10).
int32_t RedealKinds(int32_t seat, int32_t trump) {
    int32_t nineOrTen = 0, trumpNineOrTen = 0, tenOrQueen = 0, aces = 0, trumpAce = 0;
    for (int32_t slot = 0; slot < 5; ++slot) {
        const auto& card = hand.Hands[static_cast<size_t>(seat)][static_cast<size_t>(slot)];
        const int32_t suit = card[kSuitPlane];
        const int32_t rank = card[kRankPlane];
        if (rank == 0 || rank == 1) {
            ++nineOrTen;
            if (suit == trump) ++trumpNineOrTen;
        }
        if (rank == 1 || rank == 3) ++tenOrQueen;
        if (rank == CardFunctions::kAce) {
            ++aces;
            if (suit == trump) ++trumpAce;
        }
    }
    int32_t kinds = 0;
    if (Opt2(12) && nineOrTen == 5 && trumpNineOrTen == 0) kinds |= 1;
    if (Opt2(13) && nineOrTen == 5) kinds |= 2;
    if (Opt2(14) && tenOrQueen == 5) kinds |= 4;
    if (Opt2(15)) {
        if (aces == 1 && nineOrTen == 4) kinds |= kKindAce;
        if (trumpAce > 0) kinds |= kHoldsTrumpAce;
    }
    return kinds;
}

bool TrumpAceWithoutKind(int32_t kinds) {
    return (kinds & kHoldsTrumpAce) != 0 && (kinds & kKindAce) == 0;
}

// The checks of one pass, all about seat a; they may drop the candidate or ask for a
// kitty trade in its place.
class PassChecks {
  public:
    PassChecks(int32_t seat, int32_t kinds, int32_t& candidate)
        : a_(seat), kinds_(kinds), candidate_(candidate) {}

    void Run() {
        const int32_t partner = (a_ + 2) % 4;
        const bool opponents = maker_ % 2 != a_ % 2;
        if (maker_ == partner && loner_ == CardFunctions::kNoSeat) PartnerMadeTrump();
        if (opponents && loner_ == CardFunctions::kNoSeat) OpponentsMadeTrump(partner);
        if (loner_ == partner) PartnerAlone();
        if (opponents && loner_ != CardFunctions::kNoSeat &&
            IsSet(flags.Stat2, Stat2Bits::MustGoAlone)) {
            OpponentAlone();
        }
        if (a_ == 2 && maker_ == 0 && (settings.Partner & (1 << 11)) != 0 &&
            !IsSet(hand.CardUp, kTradeInstead)) {
            Drop(125);
        }
    }

  private:
    void Drop(int32_t reason) {
        analysis.ReasonCode = reason;
        candidate_ = CardFunctions::kNoSeat;
    }
    void Trade(int32_t reason) {
        analysis.ReasonCode = reason;
        SetBit(hand.CardUp, kTradeInstead);
    }
    bool KittyOpen() const { return Opt2(16) && !IsSet(hand.GenInf, kGenInfKittyKnown); }
    bool Forced() const { return IsSet(flags.Stat2, Stat2Bits::MustCall); }

    void PartnerMadeTrump() {
        analysis.ReasonCode = 107;
        if (KittyOpen()) return Trade(108);
        if (Forced() && (rule_ == 1 || rule_ == 3)) {
            if ((kinds_ & (kKindAce | kHoldsTrumpAce)) != 0) return Drop(110);
            analysis.ReasonCode = 109;
            return;
        }
        Drop(107);
    }

    void OpponentsMadeTrump(int32_t partner) {
        const bool jackTurned = APIs::Nib(hand.CardUp, 1) == CardFunctions::kJack;
        if (Misc::DealerSeat() == partner && trump_ == APIs::Nib(hand.CardUp, 0) && jackTurned &&
            Opt2(26)) {
            if (KittyOpen()) {
                Trade(111);
            } else {
                const int32_t trumps = CardFunctions::CountSuit(hand.Hands, a_, trump_);
                Drop(trumps == 0 ? 114 : trumps == 1 ? 112 : 113);
            }
        }
        if (!Forced() || rule_ == 5) return;
        if (KittyOpen()) return Trade(115);
        if (rule_ == 1 || rule_ == 3) {
            if (TrumpAceWithoutKind(kinds_)) return Drop(116);
            analysis.ReasonCode = 117;
        }
    }

    void PartnerAlone() {
        if (!IsSet(flags.Stat2, Stat2Bits::MustGoAlone) || (rule_ != 7 && rule_ != 8)) {
            return Drop(121);
        }
        const int32_t theirs = APIs::Nib(hand.Score, 0);
        const int32_t ours = APIs::Nib(hand.Score, 1);
        const bool atTheEnd = a_ % 2 == 1 ? theirs == 8 && ours == 9 : ours == 8;
        if (!atTheEnd) return Drop(119);
        analysis.ReasonCode = 118;
        if (candidate_ != CardFunctions::kNoSeat && RandomBelow(2) == 0) Drop(120);
    }

    void OpponentAlone() {
        if (!KittyOpen()) {
            if ((rule_ == 7 || rule_ == 8) && TrumpAceWithoutKind(kinds_)) Drop(124);
            return;
        }
        const bool jackTurned = APIs::Nib(hand.CardUp, 1) == CardFunctions::kJack;
        if (jackTurned && CardFunctions::FindHighestOfSuit(hand.Hands, a_, trump_) < 4) {
            analysis.ReasonCode = 122;
            return;
        }
        Trade(123);
    }

    int32_t a_;
    int32_t kinds_;
    int32_t& candidate_;
    int32_t trump_ = Misc::TrumpSuit();
    int32_t maker_ = Misc::GenInfField2();
    int32_t loner_ = Misc::GenInfField3();
    int32_t rule_ = APIs::Nib(hand.CardUp, 5);
};

}  // namespace

int32_t Logics::FindRedealHand(int32_t flag) {
    ClearBit(hand.CardUp, kTradeInstead);
    const int32_t trump = Misc::TrumpSuit();
    int32_t candidate = CardFunctions::kNoSeat;
    for (int32_t seat = 3; seat >= 0; --seat) {
        const int32_t kinds = RedealKinds(seat, trump);
        if ((kinds & 0xF) != 0) candidate = seat;
        if (candidate == CardFunctions::kNoSeat) continue;
        if (flag == 1 || !GamePlaySubs::IsHumanSeat(seat)) PassChecks(seat, kinds, candidate).Run();
    }
    return candidate;
}
