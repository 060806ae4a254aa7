#include "players/kitty_decisions.h"

#include <algorithm>
#include <string>

#include "engine/model/calling_rules.h"
#include "engine/model/card_codes.h"
#include "engine/model/game_trace.h"
#include "engine/model/hand_queries.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/turned_up_card.h"
#include "platform/packed_fields.h"
#include "platform/random_source.h"
#include "platform/settings/player_settings.h"
#include "players/analysis_state.h"
#include "players/hand_total.h"

namespace {

using CardFunctions::kQueen;
using CardFunctions::kKing;

int32_t KittySuit(int index) {
    return APIs::Nib(hand.CardsPlayed[index], 0);
}
int32_t KittyRank(int index) {
    return APIs::Nib(hand.CardsPlayed[index], 1);
}

int32_t FirstKittyCard(int32_t suit, int32_t rankA, int32_t rankB) {
    for (int index = kFirstKittyEntry; index < kFirstKittyEntry + 3; ++index) {
        if (KittySuit(index) != suit) continue;
        if (KittyRank(index) == rankA || KittyRank(index) == rankB) return index;
    }
    return -1;
}

void Say(int32_t seat, const std::string& text) {
    Misc::Trace(settings.PlayerNames[seat] + text);
}

int32_t Decided(int32_t reason, int32_t answer) {
    analysis.ReasonCode = reason;
    return answer;
}

}  // namespace

int32_t Logics::BestKittyCard(int32_t flag) {
    const int32_t trump = Misc::Get3Bits(hand.GenInf, 0);
    if (flag == 0) {
        int32_t found = FirstKittyCard(trump, CardFunctions::kRightBower, CardFunctions::kJack);
        if (found < 0) {
            found = FirstKittyCard(CardFunctions::SameColorSuit(trump), CardFunctions::kLeftBower,
                                   CardFunctions::kJack);
        }
        for (int index = kFirstKittyEntry; found < 0 && index < kFirstKittyEntry + 3; ++index) {
            if (KittySuit(index) != trump) continue;
            int32_t highest = index;
            for (int other = index + 1; other < kFirstKittyEntry + 3; ++other) {
                if (KittySuit(other) == trump && KittyRank(other) > KittyRank(highest)) {
                    highest = other;
                }
            }
            found = highest;
        }
        if (found >= 0) return found;
    }
    for (int32_t rank = CardFunctions::kAce; rank >= 0; --rank) {
        for (int index = kFirstKittyEntry; index < kFirstKittyEntry + 3; ++index) {
            if (KittyRank(index) == rank && KittySuit(index) < 4) return index;
        }
    }
    return -1;
}

int32_t Logics::TradeInDecision(int32_t rank, int32_t seat, int32_t position) {
    if (rank == CardFunctions::kJack) {
        Say(seat, " will keep 3 Jacks.");
        return Decided(88, 0);
    }
    if (rank == CardFunctions::kAce) {
        Say(seat, " will keep 3 Aces.");
        return Decided(89, 0);
    }
    const int32_t upSuit = CardFunctions::TurnedUpSuit();
    const int32_t kind = APIs::Nib(settings.Kind, seat);
    const int32_t plain = kind + 20;
    int32_t answer = 0;
    if (position < 4 && upSuit < 4 && CardFunctions::FindLeftBower(hand.Hands, seat, upSuit) >= 0 &&
        CardFunctions::CountSuit(hand.Hands, seat, upSuit) == 1) {
        const bool guardIsOfRank = CardFunctions::FindCard(hand.Hands, seat, upSuit, rank) >= 0;
        if (guardIsOfRank) {
            Say(seat, " has a protected Left");
            return Decided(87, 0);
        }
        answer = 1;
    }
    Say(seat, " considering Trade-In.");
    const int32_t kindCard =
        upSuit < 4 ? CardFunctions::FindCard(hand.Hands, seat, upSuit, rank) : -1;
    int32_t upTotal = 0;
    int32_t otherBest = 0;
    for (int32_t suit = 0; suit < 4; ++suit) {
        const int32_t total = HandTotal(seat, suit);
        if (suit == upSuit) {
            upTotal = total;
        } else {
            otherBest = std::max(otherBest, total);
        }
    }
    Say(seat, " highest hand total is " + std::to_string(std::max(upTotal, otherBest)));
    if (position == 4 && kindCard < 0) {
        if (upTotal >= kind + rank + 15 && otherBest < 38) {
            Say(seat, " (dealer) will Trade!");
            answer = 1;
            analysis.ReasonCode = 90;
        }
    } else if (kindCard >= 0 && CardFunctions::CountSuit(hand.Hands, seat, upSuit) >= 2) {
        if (rank <= kQueen && GamePlaySubs::CallRuleForComputer() <= 0 &&
            (upTotal < plain || otherBest >= upTotal)) {
            answer = 1;
            analysis.ReasonCode = 93;
        } else {
            Say(seat, " has 2 or more trump...so not trading");
            return Decided(92, 0);
        }
    } else if (kindCard < 0 && position < 4 && upTotal < plain && otherBest <= plain) {
        Say(seat, " will Trade!");
        answer = 1;
        analysis.ReasonCode = 91;
    }
    const bool weakEnough = (rank != kQueen && rank != kKing) || otherBest < plain;
    if (weakEnough && (rank > 1 || otherBest < kind + 25) && upTotal < plain && otherBest < plain) {
        Say(seat, " has a crap hand...Trade!");
        return Decided(96, 1);
    }
    if (upTotal < plain) {
        if (position <= 1) return answer;
        if (static_cast<int32_t>(Rnd() * 10) >= 5) {
            Say(seat, " 50/50...didn't Trade.");
            return Decided(94, 0);
        }
        Say(seat, " 50/50...will Trade!");
        return Decided(95, 1);
    }
    if (otherBest < kind + 22 && upTotal < kind + 22 && rank <= kQueen &&
        APIs::Nib(hand.CardUp, 1) != CardFunctions::kAce) {
        return Decided(97, 1);
    }
    return answer;
}
