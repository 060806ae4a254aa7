#include "engine/game_play.h"
#include "engine/model/card_codes.h"
#include "engine/model/game_trace.h"
#include "engine/model/hand_queries.h"
#include "engine/model/hand_words.h"
#include "engine/model/sorts.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/state/statistics.h"
#include "engine/model/suit_knowledge.h"
#include "engine/steps/discard_steps.h"
#include "engine/steps/pre_play_helpers.h"
#include "platform/packed_fields.h"
#include "platform/random_source.h"
#include "platform/settings/player_settings.h"
#include "platform/waits.h"
#include "players/discard.h"
#include "players/kitty_decisions.h"
#include "players/partners_best.h"
#include "render/hand_drawing.h"

namespace {

using namespace GamePlay;

constexpr int32_t kClearedSuitWord = 0x3FFC0000;
constexpr int32_t kSixthCard = 1 << 28;
constexpr int32_t kSixthGoesBack = 1 << 29;

// The loner's partner passes its best card without the rule, and the loner discards.
void PassBestQuietly(int32_t loner) {
    const int32_t partner = (loner + 2) % 4;
    const int32_t best = Logics::PartnersBestCard();
    SetPassedCard(partner, best);
    SetBit(hand.NibCounter, kSixthCard);
    int32_t out = -1;
    Logics::Discard(hand.Hands, loner, CardFunctions::Wrap4(loner + 2), Misc::TrumpSuit(), out, 0);
    if (out >= 0 && out < 5) {
        const Card passed = PassedCard();
        HandSuit(partner, best) = HandSuit(loner, out);
        HandRank(partner, best) = HandRank(loner, out);
        HandSuit(loner, out) = passed[0];
        HandRank(loner, out) = passed[1];
    }
    ClearBit(hand.NibCounter, kSixthCard | kSixthGoesBack);
    Sorts::SortHand(hand.Hands, partner);
    Sorts::SortHand(hand.Hands, loner);
}

// The seat takes the kitty card it likes best and gives one back in its place; true when
// it took a trump.
bool TakeFromKitty(int32_t seat) {
    const int32_t entry = Logics::BestKittyCard(0);
    if (entry < 0) return false;
    int32_t& kitty = hand.CardsPlayed[static_cast<size_t>(entry)];
    const int32_t suit = APIs::Nib(kitty, 0);
    const int32_t rank = APIs::Nib(kitty, 1);
    hand.NibCounter = Misc::NibSet(Misc::NibSet(hand.NibCounter, suit, 4), rank, 5);
    SetBit(hand.NibCounter, kSixthCard);
    int32_t out = -1;
    Logics::Discard(hand.Hands, seat, 4, Misc::TrumpSuit(), out, 0);
    if (out >= 0 && out < 5) {
        kitty = HandRank(seat, out) * 16 + HandSuit(seat, out);
        HandSuit(seat, out) = suit;
        HandRank(seat, out) = rank;
    }
    ClearBit(hand.NibCounter, kSixthCard | kSixthGoesBack);
    return out >= 0 && out < 5 && suit == Misc::TrumpSuit();
}

void OpponentsUseKitty() {
    const int32_t first = RandomBelow(2) == 0 ? 1 : 3;
    for (int32_t seat : {first, 4 - first}) {
        const int32_t trumps = CardFunctions::CountSuit(hand.Hands, seat, Misc::TrumpSuit());
        if (TakeFromKitty(seat) && OptionBit(settings.Opts2, 26) && trumps == 2) {
            TakeFromKitty(seat);
        }
        Sorts::SortHand(hand.Hands, seat);
    }
}

void ComputerCheats() {
    Misc::Trace("Computer is Cheating.");
    const int32_t loner = Misc::GenInfField3();
    if ((loner == 1 || loner == 3) && !OptionBit(settings.Opts2, 2)) {
        PassBestQuietly(loner);
        return;
    }
    if (IsSet(hand.GenInf, kGenInfKittyKnown) || LoopSaverField(6) == 1) return;
    OpponentsUseKitty();
}

// The passed card's slot in the human's hand after sorting.
void FindPassedCardAgain() {
    const Card passed = PassedCard();
    for (int32_t slot = 0; slot < 5; ++slot) {
        if (HandSuit(0, slot) == passed[0] && HandRank(0, slot) == passed[1]) {
            hand.CardUp = Misc::NibSet(hand.CardUp, slot, 4);
            return;
        }
    }
}

void PutAwayPartnersHand(int32_t partner) {
    for (int32_t slot = 0; slot < 5; ++slot) {
        int32_t& suit = HandSuit(partner, slot);
        int32_t& rank = HandRank(partner, slot);
        hand.CardsPlayed[static_cast<size_t>(kFirstPutAwayEntry + slot)] = rank * 256 + suit;
        suit = -suit - 100;
        rank = -rank - 100;
    }
    for (int32_t suit = 0; suit < 4; ++suit) {
        hand.SutOutInf = CardFunctions::SetSeatSuitFlag(partner, suit, hand.SutOutInf);
    }
    Video::DrawHands(1);
    APIs::Pause(1);
}

void CountTheCall() {
    if (DemoRunning() && !IsSet(flags.Stat2, Stat2Bits::FastMode)) return;
    // A replayed hand's call was counted when the hand was first played.
    if (IsSet(flags.Stat0, Stat0Bits::ReplayNoScore)) return;
    auto count = [](int32_t entry) {
        ++stats.SessionStats[static_cast<size_t>(entry)];
        ++stats.AllSessionStats[static_cast<size_t>(entry)];
    };
    const int32_t maker = Misc::GenInfField2();
    if (!IsSeat(maker)) return;
    count(maker * 7 + 8);
    // The statistics page shows forced calls: the maker called under a calling rule.
    if (IsSet(flags.Stat2, Stat2Bits::MustCall)) count(maker * 7 + 14);
    const int32_t loner = Misc::GenInfField3();
    if (IsSeat(loner)) count(loner * 7 + 12);
}

}  // namespace

void GamePlay::Step6000(StepCall& call) {
    for (int32_t seat = 0; seat < 4; ++seat) Sorts::SortHand(hand.Hands, seat);
    if (APIs::Nib(hand.CardUp, 4) <= 4) FindPassedCardAgain();
    Video::DrawHands(2);
    const bool difficult = ((settings.Opts1 >> 6) & 3) == 2;
    if (difficult && RandomBelow(10) < 9) ComputerCheats();
    GoOn(call, 7000);
}

void GamePlay::Step7000(StepCall& call) {
    hand.SutOutInf = 0;
    hand.SutShownInf = 0;
    hand.SutLedInf = kClearedSuitWord;
    hand.SutOffInf = kClearedSuitWord;
    const int32_t loner = Misc::GenInfField3();
    if (IsSeat(loner)) PutAwayPartnersHand((loner + 2) % 4);
    CountTheCall();
    GoOn(call, 10000);
}
