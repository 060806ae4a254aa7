#include "players/discard.h"

#include <array>
#include <string>

#include "engine/model/card_codes.h"
#include "engine/model/game_trace.h"
#include "engine/model/played_cards.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/suit_knowledge.h"
#include "platform/packed_fields.h"
#include "platform/settings/player_settings.h"
#include "players/analysis_state.h"

namespace {

using CardFunctions::kNoSeat;
using CardFunctions::kNine;
using CardFunctions::kTen;
using CardFunctions::kQueen;
using CardFunctions::kKing;
constexpr int32_t kSixthCardHeld = 1 << 28;
constexpr int32_t kSixthCardGiven = 1 << 29;

// The seat's cards as the discard sees them: bowers re-marked, counts per suit.
struct DiscardView {
    std::array<int32_t, 6> suit{};
    std::array<int32_t, 6> rank{};
    std::array<int32_t, 8> count{};
    int32_t last = 4;
    int32_t held = 0;
    int32_t trump = 0;

    bool Held(int slot) const { return rank[slot] >= 0; }
    bool IsOfSuit(int slot, int32_t s) const { return Held(slot) && suit[slot] == s; }
    int32_t Count(int32_t s) const { return s >= 0 && s < 8 ? count[s] : 0; }
    // The held card of the suit with the lowest (highest) rank, -1 when none.
    int32_t Lowest(int32_t s) const {
        int32_t found = -1;
        for (int slot = 0; slot <= last; ++slot) {
            if (IsOfSuit(slot, s) && (found < 0 || rank[slot] < rank[found])) found = slot;
        }
        return found;
    }
    int32_t Highest(int32_t s) const {
        int32_t found = -1;
        for (int slot = 0; slot <= last; ++slot) {
            if (IsOfSuit(slot, s) && (found < 0 || rank[slot] > rank[found])) found = slot;
        }
        return found;
    }
    int32_t Find(int32_t s, int32_t r) const {
        for (int slot = 0; slot <= last; ++slot) {
            if (IsOfSuit(slot, s) && rank[slot] == r) return slot;
        }
        return -1;
    }
    // The first non-trump suit held exactly n times, -1 when none.
    int32_t SuitOfLength(int32_t n) const {
        for (int32_t s = 0; s < 4; ++s) {
            if (s != trump && count[s] == n) return s;
        }
        return -1;
    }
    int32_t SuitsOfLength(int32_t n) const {
        int32_t suits = 0;
        for (int32_t s = 0; s < 4; ++s) suits += s != trump && count[s] == n ? 1 : 0;
        return suits;
    }
    bool IsSingle(int slot) const {
        return Held(slot) && suit[slot] != trump && Count(suit[slot]) == 1;
    }
};

DiscardView Copy(const HandTable& table, int32_t seat, int32_t trump) {
    DiscardView view;
    view.trump = trump;
    view.last = IsSet(hand.NibCounter, kSixthCardHeld) ? 5 : 4;
    for (int slot = 0; slot <= view.last; ++slot) {
        if (slot == 5) {
            view.suit[slot] = APIs::Nib(hand.NibCounter, 4);
            view.rank[slot] = APIs::Nib(hand.NibCounter, 5);
        } else {
            view.suit[slot] = table[seat][slot][kSuitPlane];
            view.rank[slot] = table[seat][slot][kRankPlane];
        }
        if (view.rank[slot] == CardFunctions::kJack) {
            if (view.suit[slot] == trump) {
                view.rank[slot] = CardFunctions::kRightBower;
            } else if (view.suit[slot] == CardFunctions::SameColorSuit(trump)) {
                view.suit[slot] = trump;
                view.rank[slot] = CardFunctions::kLeftBower;
            }
        }
        if (view.Held(slot)) {
            if (view.suit[slot] >= 0 && view.suit[slot] < 8) ++view.count[view.suit[slot]];
            ++view.held;
        }
    }
    return view;
}

class DiscardRun {
  public:
    DiscardRun(const HandTable& table, int32_t seat, int32_t position, int32_t trump,
               int32_t traceFlag)
        : seat_(seat), p_(position), t_(trump), f_(traceFlag), v_(Copy(table, seat, trump)) {
        maker_ = Misc::Get3Bits(hand.GenInf, 2);
        loner_ = Misc::Get3Bits(hand.GenInf, 3);
        dealer_ = Misc::Get3Bits(hand.GenInf, 4);
        upSuit_ = APIs::Nib(hand.CardUp, 0);
        upRank_ = APIs::Nib(hand.CardUp, 1);
        trick_ = APIs::Nib(hand.Tricks, 2);
        s1_ = v_.SuitsOfLength(1);
        s2_ = v_.SuitsOfLength(2);
        s3_ = v_.SuitsOfLength(3);
        void_ = v_.Count(t_) == 0 && !(t_ == upSuit_ && p_ == 4 && v_.held == v_.last + 1);
    }

    int32_t Decide() {
        Heading();
        if (RuleSingles() || RuleLoneOpponent()) return out_;
        RulePictureCard();
        if (RuleDealerDoubleton()) return out_;
        RuleVoid();
        if (RuleRemainingSingles()) return out_;
        if (RuleNoSingle()) return out_;
        RuleFallback();
        return out_;
    }

  private:
    bool TrumpMade() const { return maker_ < kNoSeat; }
    bool LonerOpposes() const { return loner_ != kNoSeat && loner_ != seat_; }
    bool Led(int32_t s) const { return CardFunctions::TestSeatSuitFlag(7, s, hand.SutLedInf); }
    int32_t RankOf(int32_t slot) const { return v_.rank[slot]; }
    int32_t SuitOf(int32_t slot) const { return v_.suit[slot]; }

    void Say(const std::string& traceText, const std::string& appendText) const {
        if (f_ == 0 && TrumpMade()) Misc::Trace(settings.PlayerNames[seat_] + traceText);
        if (f_ == 1) analysis.LogicTrace += appendText;
    }

    void Heading() const {
        if (!TrumpMade()) return;
        if (hand.CardsPlayedCount > 0) {
            analysis.LogicTrace += "No Good Play...Discarding...";
            return;
        }
        std::string text;
        if (v_.last == 5) {
            text = "Discarding with Partner's Best...";
            text += seat_ == loner_ ? "after calling a loner." : "after calling trump.";
        } else if (seat_ == maker_ && seat_ == loner_) {
            text = "Discarding after calling a Loner.";
        } else if (seat_ == maker_) {
            text = "Discarding after making trump.";
        } else {
            text = "Discarding after ordered into hand.";
        }
        Misc::Trace(settings.PlayerNames[seat_] + " " + text);
    }

    bool IsBossSingle(int32_t slot) const {
        return RankOf(slot) == CardFunctions::kAce ||
               (SuitOf(slot) == upSuit_ && RankOf(slot) == kKing && upRank_ == CardFunctions::kAce);
    }
    // The card of each single suit, in suit order.
    std::array<int32_t, 4> Singles() const {
        std::array<int32_t, 4> singles{-1, -1, -1, -1};
        for (int slot = 0; slot <= v_.last; ++slot) {
            if (v_.IsSingle(slot)) singles[SuitOf(slot)] = slot;
        }
        return singles;
    }

    bool RuleSingles() {
        if (!(s1_ >= 2 || (s1_ == 1 && ((trick_ > 1 && loner_ == kNoSeat) || !void_)))) {
            return false;
        }
        Say(" in Discard. More than one single-card non-trump suit.",
            ">1 single-card non-trump suit...");
        const auto singles = Singles();
        int32_t bosses = 0;
        int32_t bossKing = -1;
        for (int32_t slot : singles) {
            if (slot < 0 || !IsBossSingle(slot)) continue;
            ++bosses;
            if (RankOf(slot) == kKing) bossKing = slot;
        }
        if (bosses == s1_) {
            if (bossKing >= 0) {
                out_ = bossKing;
            } else {
                s1_ = 0;
            }
        }
        if (out_ < 0 && void_ && s1_ == 1 && s3_ == 1) {
            const int32_t nine = v_.Find(v_.SuitOfLength(3), kNine);
            if (nine >= 0) {
                out_ = nine;
                return true;
            }
        }
        if (out_ < 0 && bosses < s1_) return PickWeakSingle(singles);
        return false;
    }

    bool PickWeakSingle(const std::array<int32_t, 4>& singles) {
        int32_t rival = -1;
        int32_t others = 0;
        for (int32_t slot : singles) {
            if (slot < 0) continue;
            if (IsBossSingle(slot)) {
                --s1_;
                continue;
            }
            if (++others == 1) {
                out_ = slot;
            } else {
                rival = slot;
            }
        }
        if (rival >= 0) {
            if (RankOf(rival) < RankOf(out_)) {
                out_ = rival;
            } else if (RankOf(rival) == RankOf(out_)) {
                if (SuitOf(rival) == CardFunctions::SameColorSuit(t_)) {
                    out_ = rival;
                } else if (v_.Count(t_) > 0) {
                    if (CardFunctions::CountPlayedOfSuit(SuitOf(rival)) >
                        CardFunctions::CountPlayedOfSuit(SuitOf(out_))) {
                        out_ = rival;
                    }
                    return true;
                }
            }
        }
        if (out_ >= 0) {
            Say(" in Discard found Lone-NonTrump-NonAce.", "Found Lone-NonTrump-NonAce...");
        }
        return out_ >= 0 && RankOf(out_) == kNine;
    }

    bool RuleLoneOpponent() {
        if (out_ >= 0 || !LonerOpposes() || trick_ <= 1) return false;
        if (s1_ == 1 && s2_ == 1) {
            const int32_t single = v_.Lowest(v_.SuitOfLength(1));
            const int32_t doubleton = v_.SuitOfLength(2);
            const int32_t ace = v_.Find(doubleton, CardFunctions::kAce);
            const int32_t other = OtherOfDoubleton(doubleton, ace);
            int32_t lowCards = 0;
            for (int slot = 0; slot <= v_.last; ++slot) {
                lowCards += v_.Held(slot) && RankOf(slot) <= kTen ? 1 : 0;
            }
            const int32_t nine = v_.Find(doubleton, kNine);
            if (lowCards == 2 && nine >= 0) {
                out_ = nine;
                return true;
            }
            if (RankOf(single) == kNine) {
                out_ = single;
                SetBit(flags.Stat1, Stat1Bits::DiscardNineSignal);
                return true;
            }
            const bool guarded =
                RankOf(single) > kQueen &&
                !CardFunctions::TestSeatSuitFlag(loner_, SuitOf(single), hand.SutLedInf) &&
                !CardFunctions::TestSeatSuitFlag(loner_, SuitOf(single), hand.SutOutInf);
            if (!guarded) {
                out_ = ace >= 0 ? other : single;
                return true;
            }
        }
        if (out_ < 0 && s3_ == 1) {
            const int32_t lowest = v_.Lowest(v_.SuitOfLength(3));
            if (RankOf(lowest) <= kQueen) {
                out_ = lowest;
                return true;
            }
        }
        if (out_ < 0 && void_ && s1_ == 1 && s2_ == 1) {
            const int32_t doubleton = v_.SuitOfLength(2);
            const int32_t ace = v_.Find(doubleton, CardFunctions::kAce);
            if (ace >= 0) {
                out_ = OtherOfDoubleton(doubleton, ace);
                return true;
            }
        }
        return false;
    }

    int32_t OtherOfDoubleton(int32_t doubleton, int32_t ace) const {
        for (int slot = 0; slot <= v_.last; ++slot) {
            if (v_.IsOfSuit(slot, doubleton) && slot != ace) return slot;
        }
        return -1;
    }

    void RulePictureCard() {
        if (out_ < 0 || !LonerOpposes()) return;
        if (!(void_ || seat_ != CardFunctions::Wrap4(maker_))) return;
        if (RankOf(out_) < CardFunctions::kJack || RankOf(out_) > kKing || s2_ + s3_ != 1) return;
        const int32_t length = s2_ == 1 ? 2 : 3;
        for (int32_t s = 0; s < 4; ++s) {
            if (v_.count[s] == length && v_.Find(s, CardFunctions::kAce) >= 0) {
                out_ = -1;
                s1_ = 0;
                return;
            }
        }
    }

    bool RuleDealerDoubleton() {
        if (seat_ != dealer_ || v_.last != 4 || s2_ != 1 || s3_ != 1) return false;
        const int32_t doubleton = v_.SuitOfLength(2);
        if (v_.Find(doubleton, CardFunctions::kAce) >= 0 ||
            v_.Find(v_.SuitOfLength(3), CardFunctions::kAce) >= 0) {
            return false;
        }
        out_ = v_.Lowest(doubleton);
        return true;
    }

    void RuleVoid() {
        if (!void_) return;
        out_ = -1;
        if (s2_ == 2 || s3_ == 1) {
            for (int slot = 0; slot <= v_.last; ++slot) {
                if (v_.IsSingle(slot) && RankOf(slot) == kNine) out_ = slot;
            }
            if (out_ < 0) s1_ = 0;
            return;
        }
        if (loner_ != kNoSeat) return;
        for (int32_t r = kNine; r <= CardFunctions::kAce && out_ < 0; ++r) {
            for (int slot = 0; slot <= 4; ++slot) {
                if (!v_.Held(slot) || RankOf(slot) != r) continue;
                if (out_ < 0 || Led(SuitOf(slot)) ||
                    (!Led(SuitOf(out_)) && v_.Count(SuitOf(slot)) > v_.Count(SuitOf(out_)))) {
                    out_ = slot;
                }
            }
        }
        s1_ = -1;
    }

    bool RuleRemainingSingles() {
        if (s1_ == 1 && loner_ == kNoSeat && !void_ && v_.held > 2) {
            out_ = LowestSingle();
            return true;
        }
        if (s1_ < 2) return false;
        const int32_t r = RankOf(LowestSingle());
        std::array<int32_t, 4> ofRank{};
        int32_t n = 0;
        for (int slot = 0; slot <= v_.last; ++slot) {
            if (v_.IsSingle(slot) && RankOf(slot) == r) ofRank[n++] = slot;
        }
        if (n == 1) {
            out_ = ofRank[0];
            return false;
        }
        const bool holdsTrump = v_.Count(t_) > 0;
        auto preferred = [&](int32_t slot) { return holdsTrump != Led(SuitOf(slot)); };
        const int32_t last = ofRank[n - 1];
        if (preferred(last)) {
            out_ = last;
        } else if (preferred(ofRank[0])) {
            out_ = ofRank[0];
        } else if (n >= 3 && preferred(ofRank[1])) {
            out_ = ofRank[1];
        } else {
            out_ = last;
        }
        return false;
    }

    // The first single in slot order of the lowest rank.
    int32_t LowestSingle() const {
        int32_t found = -1;
        for (int slot = 0; slot <= v_.last; ++slot) {
            if (v_.IsSingle(slot) && (found < 0 || RankOf(slot) < RankOf(found))) found = slot;
        }
        return found;
    }

    // The turned-up card as a trump of the dealer's pick-up: a jack is the right bower.
    int32_t TurnedUpTrumpRank() const {
        return upRank_ == CardFunctions::kJack ? CardFunctions::kRightBower : upRank_;
    }
    bool DealerPickUp() const { return t_ == upSuit_ && p_ == 4 && trick_ == 0; }

    bool RuleNoSingle() {
        if (s1_ != 0) return false;
        out_ = -1;
        if (v_.held == v_.Count(t_)) {
            const int32_t lowest = v_.Lowest(t_);
            if (v_.held == 5 && v_.last == 4 && DealerPickUp() &&
                RankOf(lowest) > TurnedUpTrumpRank()) {
                out_ = Logics::kKeepTurnedUpOut;
                return true;
            }
            out_ = lowest;
            return false;
        }
        if (s2_ == 2) {
            TwoDoubletons();
        } else if (s2_ == 1 && s3_ == 1) {
            DoubletonAndThree();
        } else if (s2_ + s3_ == 1) {
            out_ = v_.Lowest(v_.SuitOfLength(s2_ == 1 ? 2 : 3));
        }
        return false;
    }

    void TwoDoubletons() {
        std::array<int32_t, 2> suits{-1, -1};
        int32_t n = 0;
        for (int32_t s = 0; s < 4; ++s) {
            if (s != t_ && v_.count[s] == 2) suits[n++] = s;
        }
        const bool ace0 = v_.Find(suits[0], CardFunctions::kAce) >= 0;
        const bool ace1 = v_.Find(suits[1], CardFunctions::kAce) >= 0;
        if (ace0 != ace1) {
            const int32_t withAce = ace0 ? suits[0] : suits[1];
            const int32_t other = ace0 ? suits[1] : suits[0];
            int32_t low = -1;
            int32_t lowCards = 0;
            int32_t belowKing = -1;
            for (int slot = 0; slot <= v_.last; ++slot) {
                if (!v_.IsOfSuit(slot, other)) continue;
                if (RankOf(slot) <= kTen) {
                    ++lowCards;
                    low = slot;
                }
                if (RankOf(slot) < kKing) belowKing = slot;
            }
            if (lowCards == 2) {
                out_ = low;
            } else if (void_) {
                out_ = OtherOfDoubleton(withAce, v_.Find(withAce, CardFunctions::kAce));
            } else {
                out_ = belowKing;
            }
            return;
        }
        if (!ace0) {
            for (int32_t r : {kKing, kQueen, CardFunctions::kJack}) {
                const bool in0 = v_.Find(suits[0], r) >= 0;
                const bool in1 = v_.Find(suits[1], r) >= 0;
                if (in0 == in1) continue;
                out_ = LowestNonTrumpOutside(in0 ? suits[0] : suits[1]);
                if (out_ >= 0) return;
            }
            return;
        }
        for (int32_t r = kNine; r <= CardFunctions::kAce && out_ < 0; ++r) {
            for (int slot = 0; slot <= v_.last && out_ < 0; ++slot) {
                if (v_.Held(slot) && RankOf(slot) == r && v_.Count(SuitOf(slot)) == 2) out_ = slot;
            }
        }
    }

    int32_t LowestNonTrumpOutside(int32_t excluded) const {
        int32_t found = -1;
        for (int slot = 0; slot <= v_.last; ++slot) {
            if (!v_.Held(slot) || SuitOf(slot) == t_ || SuitOf(slot) == excluded) continue;
            if (found < 0 || RankOf(slot) < RankOf(found)) found = slot;
        }
        return found;
    }

    void DoubletonAndThree() {
        const int32_t doubleton = v_.SuitOfLength(2);
        const int32_t three = v_.SuitOfLength(3);
        if (!(t_ == upSuit_ && p_ == 4)) {
            out_ = v_.Lowest(three);
            return;
        }
        const int32_t doubletonAce = v_.Find(doubleton, CardFunctions::kAce);
        const bool threeAce = v_.Find(three, CardFunctions::kAce) >= 0;
        if (doubletonAce >= 0 && threeAce) return;
        if (doubletonAce >= 0 || threeAce) {
            const bool fromDoubleton =
                (doubletonAce >= 0 && RankOf(OtherOfDoubleton(doubleton, doubletonAce)) != kKing) ||
                (threeAce && !void_);
            out_ = v_.Lowest(fromDoubleton ? doubleton : three);
            return;
        }
        const int32_t high = v_.Highest(doubleton);
        const int32_t low = v_.Lowest(three);
        if (RankOf(high) == kKing || RankOf(low) <= kTen) {
            out_ = low;
        } else {
            out_ = v_.Lowest(loner_ != kNoSeat ? three : doubleton);
        }
    }

    void RuleFallback() {
        if (out_ >= 0) return;
        for (int32_t r = kNine; r <= CardFunctions::kAce && out_ < 0; ++r) {
            for (int slot = 0; slot <= v_.last; ++slot) {
                if (v_.Held(slot) && SuitOf(slot) != t_ && RankOf(slot) == r) out_ = slot;
            }
        }
        // A hand of trumps alone (or the joker) gives up its lowest card.
        if (out_ < 0) {
            for (int slot = 0; slot <= v_.last; ++slot) {
                if (v_.Held(slot) && (out_ < 0 || RankOf(slot) < RankOf(out_))) out_ = slot;
            }
        }
        Say(" in Discard...Punting!", "Punting!...");
    }

    int32_t seat_;
    int32_t p_;
    int32_t t_;
    int32_t f_;
    DiscardView v_;
    int32_t maker_ = kNoSeat;
    int32_t loner_ = kNoSeat;
    int32_t dealer_ = kNoSeat;
    int32_t upSuit_ = 0;
    int32_t upRank_ = 0;
    int32_t trick_ = 0;
    int32_t s1_ = 0;
    int32_t s2_ = 0;
    int32_t s3_ = 0;
    bool void_ = false;
    int32_t out_ = -1;
};

}  // namespace

int32_t Logics::Discard(const HandTable& table, int32_t seat, int32_t position, int32_t trump,
                        int32_t& outSlot, int32_t traceFlag) {
    outSlot = -1;
    outSlot = DiscardRun(table, seat, position, trump, traceFlag).Decide();
    if (outSlot == 5) SetBit(hand.NibCounter, kSixthCardGiven);
    return outSlot;
}
