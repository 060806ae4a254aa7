#include "players/loner_rating.h"

#include <algorithm>
#include <array>

#include "engine/model/card_codes.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/turned_up_card.h"
#include "platform/packed_fields.h"
#include "platform/settings/player_settings.h"
#include "players/analysis_state.h"
#include "players/discard.h"

namespace {

using CardFunctions::kAce;
using CardFunctions::kJack;
using CardFunctions::kLeftBower;
using CardFunctions::kRightBower;
using CardFunctions::kQueen;
using CardFunctions::kKing;

bool Opt2(int bit) {
    return (settings.Opts2 & (1 << bit)) != 0;
}

int32_t TrumpPoints(int32_t rank) {
    switch (rank) {
        case 0:
            return 4;
        case 1:
            return 5;
        case kQueen:
            return 7;
        case kKing:
            return 8;
        case kAce:
            return 10;
        case kLeftBower:
            return 12;
        case kRightBower:
            return 16;
        default:
            return 0;
    }
}

struct Card {
    int32_t suit = -1;
    int32_t rank = -1;
};

class Rating {
  public:
    Rating(int32_t seat, int32_t suit, int32_t position)
        : seat_(seat), suit_(suit), position_(position) {}

    int32_t Rate() {
        int32_t& bits = analysis.LonerAnalysis;
        bits = 0;
        const int32_t upSuit = CardFunctions::TurnedUpSuit();
        const int32_t upRank = APIs::Nib(hand.CardUp, 1);
        lead_ = !Opt2(22) && position_ == 1;
        mustAlone_ = Opt2(27);
        canada_ = !mustAlone_ && position_ == 2 && Opt2(0) && APIs::Nib(hand.CardUp, 2) == 1;
        if (upRank == kJack) {
            if (suit_ == upSuit && position_ % 2 == 1 && !mustAlone_) {
                bits |= 1;
                return 0;
            }
            buried_ = upSuit == CardFunctions::SameColorSuit(suit_);
        }
        CopyHand();
        const Card upCard{APIs::Nib(hand.CardUp, 0), upRank == kJack ? kRightBower : upRank};
        if (suit_ == upSuit && position_ == 4) TakeUpCard(upCard);
        const bool partnerGivesFirst =
            position_ == 2 && suit_ == upSuit && (settings.Opts3 & (1 << 13)) != 0 && Opt2(2);
        if (partnerGivesFirst) TakeAssumedPartnerCard(upCard);
        Count();
        if (right_ && left_ && ace_) bits |= 1 << 30;
        if (points_ < 20) {
            bits |= count_ < 3 ? 1 << 1 : 1 << 2;
        } else if (points_ <= 25) {
            bits |= count_ < 3 ? 1 << 3 : 1 << 4;
        } else if (points_ <= 32) {
            bits |= 1 << 5;
        }
        if (Opt2(2)) {
            if (!partnerGivesFirst) AssumePartnersBest();
            if (points_ < 32) bits |= 1 << 6;
        }
        const bool worth = points_ >= 31 || (points_ >= 29 && buried_) ||
                           (points_ >= 28 && count_ >= 4 && left_) || count_ == 5 ||
                           (points_ >= 29 && Opt2(2) && count_ >= 4);
        if (!worth) return 0;
        if (count_ >= 5) return FiveTrumps();
        if (count_ == 4) return FourTrumps();
        if (count_ < 3) return 0;
        return TopTrumps(ThreeTrumps());
    }

  private:
    void CopyHand() {
        for (int slot = 0; slot < 5; ++slot) {
            Card card{hand.Hands[seat_][slot][kSuitPlane], hand.Hands[seat_][slot][kRankPlane]};
            if (card.rank == kJack && card.suit == suit_) {
                card.rank = kRightBower;
            } else if (card.rank == kJack && card.suit == CardFunctions::SameColorSuit(suit_)) {
                card = {suit_, kLeftBower};
            }
            cards_[slot] = card;
        }
    }
    // The slot the pick-up discard gives up, -1 when the turned-up card itself goes.
    int32_t TakeUpCard(const Card& upCard) {
        int32_t out = -1;
        Logics::Discard(hand.Hands, seat_, 4, suit_, out, 0);
        if (out < 0 || out > 4) return -1;
        cards_[out] = upCard;
        return out;
    }
    void TakeAssumedPartnerCard(const Card& upCard) {
        const int32_t slot = TakeUpCard(upCard);
        if (slot < 0) return;
        const int32_t kind = APIs::Nib(settings.Kind, seat_);
        if (kind == 0) cards_[slot].rank = std::max(cards_[slot].rank, kAce);
        if (kind == 5) cards_[slot].rank = std::max(cards_[slot].rank, kQueen);
    }
    void Count() {
        for (const Card& card : cards_) {
            if (card.rank < 0) continue;
            if (card.suit != suit_) {
                if (firstSide_.suit < 0) firstSide_ = card;
                lastSide_ = card;
                continue;
            }
            ++count_;
            points_ += TrumpPoints(card.rank);
            right_ = right_ || card.rank == kRightBower;
            left_ = left_ || card.rank == kLeftBower;
            ace_ = ace_ || card.rank == kAce;
            king_ = king_ || card.rank == kKing;
            queen_ = queen_ || card.rank == kQueen;
        }
    }
    void AssumePartnersBest() {
        const int32_t kind = APIs::Nib(settings.Kind, seat_);
        switch (kind) {
            case 0:
                points_ += 10;
                break;
            case 5:
                points_ += 7;
                break;
            case 8:
            case 11:
                points_ += 5;
                break;
            case 14:
                points_ += 3;
                break;
            default:
                break;
        }
        if ((kind == 0 || kind == 5 || kind == 8) && count_ < 5) {
            ++count_;
            assumed_ = true;
        }
    }
    int32_t FiveTrumps() const {
        if (points_ >= 42 && right_ && left_ && ace_) return 10;
        if (right_ && ace_ && buried_) return assumed_ ? 8 : 10;
        return assumed_ ? 8 : 9;
    }
    int32_t FourTrumps() const {
        if (assumed_) return 2;
        const bool highSide = firstSide_.rank >= kKing;
        if (points_ >= 40 && right_ && left_) return highSide ? 9 : 8;
        return highSide ? 7 : 6;
    }
    int32_t Ladder() const {
        if (assumed_) return 2;
        if (mustAlone_) return 3;
        if (canada_) return 4;
        return 6;
    }
    int32_t ThreeTrumps() const {
        int32_t& bits = analysis.LonerAnalysis;
        const bool noFirstBlood = Opt2(20);
        const bool sideAce = firstSide_.rank == kAce || lastSide_.rank == kAce;
        const bool twoSuits = firstSide_.suit != lastSide_.suit && !(Opt2(2) && points_ >= 31);
        const bool sidesHigh = firstSide_.rank >= kJack && lastSide_.rank >= kJack;
        const bool secondBower = left_ || buried_;
        int32_t r = 1;
        if (twoSuits) {
            bits |= 1 << 9;
            if (!sideAce) return r;
            if (firstSide_.rank >= kKing && lastSide_.rank >= kKing) r = Ladder();
            if (noFirstBlood) return r;
            if (right_ && secondBower && (ace_ || (king_ && buried_))) {
                if (sidesHigh) {
                    r = Ladder();
                } else if (lead_) {
                    r = 5;
                }
            }
            if (!right_) return r;
            if (secondBower && (king_ || (queen_ && buried_)) && sidesHigh) r = Ladder();
            return r;
        }
        if (sideAce) {
            if (!noFirstBlood) return assumed_ ? 2 : 6;
            if (firstSide_.rank == kAce && lastSide_.rank == kAce) return 2;
            if (!lead_) return right_ && left_ && ace_ ? 5 : 2;
            bits |= 1 << 7;
            return 1;
        }
        bits |= 1 << 8;
        if (noFirstBlood || !lead_) return 1;
        if (!right_) return 1;
        if (!secondBower) return 1;
        const bool sideKing = firstSide_.rank == kKing || lastSide_.rank == kKing;
        const bool sideQueen = firstSide_.rank == kQueen || lastSide_.rank == kQueen;
        if ((sideKing && (ace_ || king_)) || (sideQueen && (ace_ || (king_ && buried_)))) {
            return assumed_ ? 2 : 6;
        }
        return 1;
    }
    int32_t TopTrumps(int32_t r) const {
        if (!(right_ && left_ && ace_)) return r;
        if (r == 1) {
            analysis.LonerAnalysis |= 1 << 10;
            return 11;
        }
        if (r >= 2 && r < 5 && (settings.Partner & (1 << 9)) != 0) return 5;
        return r;
    }

    int32_t seat_;
    int32_t suit_;
    int32_t position_;
    std::array<Card, 5> cards_{};
    Card firstSide_;
    Card lastSide_;
    int32_t count_ = 0;
    int32_t points_ = 0;
    bool right_ = false;
    bool left_ = false;
    bool ace_ = false;
    bool king_ = false;
    bool queen_ = false;
    bool lead_ = false;
    bool mustAlone_ = false;
    bool canada_ = false;
    bool buried_ = false;
    bool assumed_ = false;
};

}  // namespace

int32_t Logics::LonerRating(int32_t seat, int32_t suit, int32_t position) {
    return Rating(seat, suit, position).Rate();
}
