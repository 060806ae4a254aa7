#include "engine/model/end_early.h"

#include <algorithm>

#include "engine/model/card_codes.h"
#include "engine/model/hand_queries.h"
#include "engine/model/hand_words.h"
#include "engine/model/played_cards.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/suit_knowledge.h"
#include "platform/packed_fields.h"
#include "platform/settings/player_settings.h"

namespace {

using namespace CardFunctions;

struct Holdings {
    bool r = false;
    bool l = false;
    bool a = false;
    bool k = false;
};

bool JokerInDeck() {
    return (settings.Opts2 & (1 << 19)) != 0;
}

bool HoldsJoker(int32_t seat, int32_t trump) {
    return FindCard(hand.Hands, seat, trump, kTopJoker) >= 0 ||
           FindCard(hand.Hands, seat, kJokerSuit, kJoker) >= 0 ||
           FindCard(hand.Hands, seat, kJokerSuit, kTopJoker) >= 0;
}

// r, l, a and k stand for the four highest trumps: with the joker in the deck it is the
// highest, and the bowers and the ace move one place down.
Holdings HoldingsOf(int32_t seat, int32_t trump) {
    const bool right = FindRightBower(hand.Hands, seat, trump) >= 0;
    const bool left = FindLeftBower(hand.Hands, seat, trump) >= 0;
    const bool ace = FindCard(hand.Hands, seat, trump, kAce) >= 0;
    if (JokerInDeck()) return {HoldsJoker(seat, trump), right, left, ace};
    return {right, left, ace, FindCard(hand.Hands, seat, trump, 4) >= 0};
}

bool AnyPlayed(int32_t rank, int32_t suit) {
    for (int32_t i = 0; i <= std::min<int32_t>(hand.CardsPlayedCount, 33); ++i) {
        const int32_t entry = hand.CardsPlayed[static_cast<size_t>(i)];
        if (APIs::Nib(entry, 1) == rank && (suit < 0 || APIs::Nib(entry, 0) == suit)) return true;
    }
    return false;
}

struct Gone {
    bool r = false;
    bool l = false;
    bool a = false;
};

Gone TopTrumpsGone(int32_t trump) {
    const bool right = AnyPlayed(kRightBower, -1);
    const bool left = AnyPlayed(kLeftBower, -1);
    if (JokerInDeck()) {
        return {AnyPlayed(kJoker, -1) || AnyPlayed(kTopJoker, -1), right, left};
    }
    return {right, left, AnyPlayed(kAce, trump)};
}

}  // namespace

int32_t GamePlaySubs::EndEarlyCode() {
    const int32_t trump = Misc::TrumpSuit();
    const int32_t maker = Misc::GenInfField2();
    const int32_t team = maker % 2;
    const int32_t played = APIs::Nib(hand.Tricks, 2);
    const int32_t mk = APIs::Nib(hand.Tricks, team);
    const int32_t def = played - mk;
    const bool replay = IsSet(flags.Stat0, Stat0Bits::ReplayNoScore);
    const int32_t score = APIs::Nib(hand.Score, replay ? team + 4 : team);
    const Holdings m = HoldingsOf(maker, trump);
    const Holdings p = HoldingsOf((maker + 2) % 4, trump);
    const Holdings d1 = HoldingsOf(Wrap4(maker), trump);
    const Holdings d2 = HoldingsOf(Wrap4(maker + 2), trump);
    const Gone gone = TopTrumpsGone(trump);
    const bool rGone = gone.r;
    const bool lGone = gone.l;
    const bool aGone = gone.a;
    const bool b14 = (settings.Opts3 & (1 << 14)) != 0;
    const bool ee = (settings.Opts1 & (1 << 17)) != 0;
    int32_t code = 0;

    if (mk > 1 && (def == 1 || (score == 9 && played < 4))) {
        if (m.r) code = 3;
        if (p.r) code = 4;
        if (rGone && m.l) code = 7;
        if (rGone && p.l) code = 8;
    }
    if (mk > 0 && (def > 0 || (score == 9 && played < 4))) {
        if (m.r && m.l) code = 11;
        if (p.r && p.l) code = 12;
        if (m.l && m.a && rGone) code = 19;
        if (p.l && p.a && rGone) code = 20;
        if (b14 && def == 0) code = 0;
    }
    if (def > 0 || score == 9) {
        if (m.r && m.l && m.a) code = 15;
        if (p.r && p.l && p.a) code = 16;
    }
    if (mk == 3) {
        if (def == 1 || score == 9) code = 1;
        if (b14 && def == 0) code = 0;
        if (m.r && m.l) code = 59;
        if (p.r && p.l) return 60;
    }
    if (code != 0) return code;
    if (ee && mk > 1 && (def == 1 || (score == 9 && played <= 3))) {
        if (rGone && lGone) {
            if (m.a) code = 23;
            if (p.a) code = 24;
            if (aGone && m.k) code = 27;
            if (aGone && p.k) code = 28;
        }
        if (b14 && score == 9 && def == 0) code = 0;
        if (mk == 2 && def == 1) {
            if (m.l && m.a) code = 31;
            if (p.l && p.a) code = 32;
        }
    }
    if (ee && played < 4 && def == 0) {
        const bool defendersOut = TestSeatSuitFlag(Wrap4(maker), trump, hand.SutShownInf) &&
                                  TestSeatSuitFlag(Wrap4(maker + 2), trump, hand.SutShownInf);
        if (defendersOut && CountSuit(hand.Hands, maker, trump) == 5 - played) code = 55;
        if (defendersOut && CountSuit(hand.Hands, (maker + 2) % 4, trump) == 5 - played) return 56;
    }
    if (code != 0) return code;
    if (mk == 3) {
        if (d1.r) code = 5;
        if (d2.r) code = 6;
        if (rGone && d1.l) code = 9;
        if (rGone && d2.l) code = 10;
    }
    if (def == 2) {
        if (d1.r) code = 13;
        if (d2.r) code = 14;
        if (rGone && d1.l) code = 17;
        if (rGone && d2.l) code = 18;
    }
    if (def == 1) {
        if (d1.r && d1.l) code = 21;
        if (d2.r && d2.l) code = 22;
        if (d1.l && d1.a && rGone) code = 29;
        if (d2.l && d2.a && rGone) code = 30;
    }
    if (d1.r && d1.l && d1.a) code = 25;
    if (d2.r && d2.l && d2.a) code = 26;
    if (def == 3) code = 2;
    if (ee) {
        if (def == 2) {
            if (rGone && lGone && d1.a) code = 33;
            if (rGone && lGone && d2.a) code = 34;
            if (d1.l && d1.a) code = 37;
            if (d2.l && d2.a) code = 38;
        }
        if (mk > 2) {
            if (d1.l && d1.a) code = 41;
            if (d2.l && d2.a) code = 42;
            if (rGone && lGone && d1.a) code = 45;
            if (rGone && lGone && d2.a) return 46;
        }
    }
    return code;
}
