#include "engine/model/calling_rules.h"

#include "engine/model/card_codes.h"
#include "engine/model/hand_queries.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "platform/packed_fields.h"
#include "platform/settings/player_settings.h"

namespace {
using CardFunctions::kKing;
constexpr int32_t kJokerUp = 6;
constexpr int32_t kJokerAsTop = 9;

bool Opt2(int bit) {
    return (settings.Opts2 & (1 << bit)) != 0;
}
}  // namespace

int32_t GamePlaySubs::CheckCallingRules(int32_t seat) {
    const int32_t upRank = APIs::Nib(hand.CardUp, 1);
    const int32_t round = APIs::Nib(hand.CardUp, 2);
    const bool dealersTurn = Misc::Get3Bits(hand.GenInf, 7) == 4;
    const bool allAlone = Opt2(27);
    int32_t code = 0;
    if (Opt2(26) && CardFunctions::FindMustMakeSuit(seat) >= 0) {
        code = 5;
        if (Misc::Get3Bits(hand.GenInf, 7) == 2 && Opt2(0)) code = 10;
        if (allAlone) code = 9;
    }
    if (round == 2 && dealersTurn && Opt2(1)) {
        if (Misc::Get3Bits(hand.GenInf, 8) == 3) {
            code = 2;
        } else if (!Opt2(6)) {
            code = allAlone ? 7 : 1;
        }
    }
    if (round == 1 && dealersTurn) {
        if (Opt2(24) && upRank == kKing) code = allAlone ? 8 : 3;
        if (Opt2(25) && (upRank == CardFunctions::kJack || upRank == CardFunctions::kRightBower)) {
            code = 4;
        }
        if (Opt2(1) && (upRank == kJokerUp || upRank == kJokerAsTop)) code = 6;
    }
    return code;
}

int32_t GamePlaySubs::CallRuleForComputer() {
    const int32_t upRank = APIs::Nib(hand.CardUp, 1);
    if (Opt2(25) && upRank == CardFunctions::kJack) return 2;
    if (Opt2(24) && upRank == kKing) return 1;
    return 0;
}

bool GamePlaySubs::IsHumanSeat(int32_t seat) {
    return seat == 0 && !IsSet(flags.Stat1, Stat1Bits::ComputerDecidesSouth);
}
