#include <algorithm>

#include "engine/model/card_codes.h"
#include "engine/model/hand_queries.h"
#include "engine/model/hand_words.h"
#include "engine/model/played_cards.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/suit_knowledge.h"
#include "platform/message_boxes.h"
#include "platform/packed_fields.h"
#include "platform/random_source.h"
#include "players/analysis_state.h"
#include "players/hand_dump_hook.h"
#include "players/trick_rules.h"

namespace {

using namespace LogicMain;
using namespace CardFunctions;

int32_t Highest(const TrickContext& c, int32_t suit) {
    return FindHighestOfSuit(hand.Hands, c.seat, suit);
}
int32_t Lowest(const TrickContext& c, int32_t suit) {
    return FindLowestOfSuit(hand.Hands, c.seat, suit);
}
int32_t Higher(const TrickContext& c, int32_t suit, int32_t rank) {
    return FindHigherOfSuit(hand.Hands, c.seat, suit, rank);
}
int32_t RankAt(const TrickContext& c, int32_t slot) {
    return slot < 0 ? -1 : SlotRank(c.seat, slot);
}
bool Holds(const TrickContext& c, int32_t rank) {
    return HoldsCard(c.seat, c.trump, rank);
}
int32_t HighestTrumpInTrick(const TrickContext& c) {
    int32_t best = -1;
    for (int32_t i = 1; i <= c.position; ++i) {
        if (TrickSuit(i) == c.trump && TrickRank(i) > best) best = TrickRank(i);
    }
    return best;
}
int32_t TrumpsPlayed() {
    int32_t count = 0;
    const int32_t trump = Misc::TrumpSuit();
    for (int32_t i = 0; i <= std::min<int32_t>(hand.CardsPlayedCount, 33); ++i) {
        if (APIs::Nib(hand.CardsPlayed[static_cast<size_t>(i)], 0) == trump) ++count;
    }
    return count;
}
// The ranks above `above` of the suit, down from the ace, none of them played.
int32_t UnplayedRanksAbove(int32_t suit, int32_t above, bool skipJack) {
    int32_t n = 0;
    for (int32_t rank = kAce; rank > above; --rank) {
        if (skipJack && rank == kJack) continue;
        if (!GamePlay::IsCardPlayed(suit, rank)) ++n;
    }
    return n;
}

void CheckTrumpedWord(const TrickContext& c) {
    const int32_t noted = Misc::Get3Bits(hand.GenInf, 6);
    const char* fault = nullptr;
    if (noted == 7 && c.trumped) fault = "Error 43820";
    if (noted < 7 && !c.trumped) fault = "Error 43821";
    if (fault == nullptr) return;
    MsgBox(fault, vbOKOnly);
    WriteHandDump(1);
}

bool MiddleTrumpChoice(const TrickContext& c, int32_t& result) {
    const int32_t middle = FindMiddleOfSuit(hand.Hands, c.seat, c.trump);
    if (middle < 0) return false;
    const int32_t high = Highest(c, c.trump);
    const int32_t low = Lowest(c, c.trump);
    const int32_t upper = RankAt(c, high) - RankAt(c, middle);
    const int32_t lower = RankAt(c, middle) - RankAt(c, low);
    if (upper >= 2 && lower >= 2) return Choose(result, middle, 39);
    int32_t slot = middle;
    if (c.next == c.maker) {
        if (RankAt(c, middle) > 3) return Choose(result, middle, 150);
        slot = high;
    }
    if (RankAt(c, slot) > kAce && slot < 4 && RankAt(c, slot + 1) > 3) ++slot;
    return Choose(result, slot, 39);
}

bool TrickFourTwoCards(const TrickContext& c, int32_t& result) {
    if (c.Trumps() == 2) {
        const bool blocked = c.partner != c.maker || c.rightGone || c.leftGone || !c.HoldsBower() ||
                             (c.seat == c.upHolder && c.upBecameRight);
        if (!blocked) return Choose(result, Highest(c, c.trump), 35);
        return false;
    }
    int32_t other = -1;
    for (int32_t slot = 0; slot <= 4; ++slot) {
        if (SlotRank(c.seat, slot) >= 0 && SlotSuit(c.seat, slot) != c.trump) other = slot;
    }
    if (other < 0) return false;
    const bool otherBoss =
        HoldsHighestOutstanding(hand.Hands, c.seat, c.trump, SlotSuit(c.seat, other));
    if (RankAt(c, other) >= 4 || KnownOut(c.partner, c.trump) || otherBoss) {
        return Choose(result, Highest(c, c.trump), otherBoss ? 131 : 130);
    }
    const bool bossLed = UnplayedRanksAbove(c.led, TrickRank(1), false) == 0;
    const bool rightHeld = TrumpsPlayed() <= 4 && RankAt(c, Highest(c, c.trump)) > kLeftBower;
    if (!bossLed && !rightHeld) return false;
    return ChooseDiscard(c, result, bossLed ? 67 : 68);
}

bool ThreeTrumpsAtTrickThree(const TrickContext& c, int32_t& result) {
    const int32_t high = Highest(c, c.trump);
    const int32_t low = Lowest(c, c.trump);
    if (c.Trumps() == 3 && c.trick == 3) {
        if (KnownOut(c.next, c.trump)) return Choose(result, low, 148);
        const int32_t middle = FindMiddleOfSuit(hand.Hands, c.seat, c.trump);
        const int32_t upper = RankAt(c, high) - RankAt(c, middle);
        const int32_t lower = RankAt(c, middle) - RankAt(c, low);
        if (upper == 1 && lower == 1) return Choose(result, middle, 69);
        if (lower == 1 && RankAt(c, middle) < 3) {
            if (c.teamTricks == 2 && RankAt(c, high) > 4) return Choose(result, low, 149);
            if (c.teamTricks < 2 && upper > 1) return Choose(result, middle, 150);
        }
        if (RankAt(c, middle) > 4) {
            if (middle < 4 && RankAt(c, middle + 1) > 1) return Choose(result, low, 37);
            return Choose(result, middle, 36);
        }
        // The middle trump is kept as the working choice here: it is a low trump put
        // on a partner's winning trick, explained as such.
        return Choose(result, middle, 36);
    }
    return Choose(result, low, c.Trumps() == 1 ? 69 : 38);
}

bool PartnerWinningNoTrump(const TrickContext& c, bool q, int32_t& result) {
    if (!c.partnerWinning || q) return false;
    const int32_t ledRank = TrickRank(1);
    const bool bossKing = ledRank == 4 && GamePlay::IsCardPlayed(c.led, kAce) && c.trick < 4;
    if (ledRank == kAce || bossKing) {
        if (!c.AllTrump()) {
            if (c.seat != c.maker && c.partner != c.maker && c.teamTricks > 0 && c.trick > 2 &&
                c.next == c.maker) {
                const int32_t top = RankAt(c, Highest(c, c.trump));
                if (top == 1) return ChooseDiscard(c, result, 151);
                if (top >= kAce) return Choose(result, Highest(c, c.trump), 84);
            }
            return ChooseDiscard(c, result, 40);
        }
        if (KnownOut(c.next, c.trump) || c.Trumps() < 3) return ChooseDiscard(c, result, 40);
        return MiddleTrumpChoice(c, result) || ChooseDiscard(c, result, 40);
    }
    if (KnownOut(c.next, c.trump) && KnownOut(c.next, c.led)) return ChooseDiscard(c, result, 33);
    if ((c.guardedLeft || c.aceOneBower) && c.teamTricks == 0) return ChooseDiscard(c, result, 83);
    if (c.next == c.maker && (c.trick > 2 || KnownOut(c.next, c.led))) {
        return Choose(result, Highest(c, c.trump), c.Trumps() == 1 ? 69 : 34);
    }
    if (c.trick == 4 && TrickFourTwoCards(c, result)) return true;
    return ThreeTrumpsAtTrickThree(c, result);
}

bool TrumpOverTrump(const TrickContext& c, int32_t& result) {
    const int32_t t = HighestTrumpInTrick(c);
    if (RankAt(c, Highest(c, c.trump)) <= t) return ChooseDiscard(c, result, 25);
    if ((c.trick == 3 || c.trick == 4) && c.teamTricks == 2 && (c.guardedLeft || c.aceOneBower) &&
        c.seat != c.maker && KnownOut(c.next, c.led) && !KnownOut(c.next, c.trump)) {
        return ChooseDiscard(c, result, 83);
    }
    if (c.trick > 3) {
        if (KnownOut(c.next, c.trump)) return Choose(result, Higher(c, c.trump, t), 31);
        if (c.next == c.maker) {
            return Choose(result, Highest(c, c.trump), c.Trumps() == 1 ? 30 : 32);
        }
    }
    return Choose(result, Higher(c, c.trump, t), 22);
}

bool SecondHandThrowOff(const TrickContext& c, int32_t& result) {
    const int32_t ledRank = TrickRank(1);
    if (c.position == 2 && !c.SomebodyAlone() && ledRank < 4) {
        const bool partnerHelps = KnownOut(c.partner, c.led) || c.partner == c.upHolder ||
                                  TestSeatSuitFlag(c.partner, c.led, hand.SutOffInf) ||
                                  c.trick == 1;
        if (c.trick <= 2 && c.teamTricks >= c.trick - 1 && partnerHelps &&
            !KnownOut(c.next, c.led) && c.Trumps() < 4) {
            const int32_t r = RandomBelow(c.previous == c.maker ? 4 : 2);
            if (r == 0) return ChooseDiscard(c, result, 26);
        }
        if (c.trick == 4 && c.seat != c.maker && c.previous == c.maker && c.top &&
            c.teamTricks == 1 && !(KnownOut(c.partner, c.trump) && KnownOut(c.partner, c.led))) {
            int32_t n = UnplayedRanksAbove(c.led, ledRank, c.led == SameColorSuit(c.trump));
            int32_t other = -1;
            for (int32_t slot = 0; slot <= 4; ++slot) {
                if (SlotRank(c.seat, slot) >= 0 && SlotSuit(c.seat, slot) != c.trump) other = slot;
            }
            const int32_t x = RankAt(c, other);
            if (x < 4) n += 2;
            const int32_t d = KnownOut(c.partner, c.trump) ? n : n + 3;
            if (RandomBelow(8) < d) {
                return ChooseDiscard(c, result, (KnownOut(c.partner, c.trump) || x > 2) ? 146 : 71);
            }
        }
        if (c.trick == 3 && c.teamTricks == 1 && c.Trumps() == 1 &&
            ((Holds(c, kAce) && c.leftGone) || c.rightGone || c.HoldsBower()) &&
            !KnownOut(c.partner, c.trump) && CountOffTrumpRank(hand.Hands, c.seat, 4) == 0 &&
            CountOffTrumpRank(hand.Hands, c.seat, kAce) == 0 && RandomBelow(2) == 1) {
            return ChooseDiscard(c, result, 71);
        }
    }
    return false;
}

bool NobodyTrumped(const TrickContext& c, bool q, int32_t& result) {
    if (SecondHandThrowOff(c, result)) return true;
    const int32_t ledRank = TrickRank(1);
    if (c.Trumps() == 1 && c.trick == 2 && c.rightSlot >= 0 && c.seat != c.maker &&
        c.partner != c.maker && c.teamTricks == 0) {
        return ChooseDiscard(c, result, 132);
    }
    if (c.next == c.maker && !(c.trick < 3 && !KnownOut(c.next, c.led))) {
        const int32_t reason = c.Trumps() == 1 ? 30 : (KnownOut(c.next, c.led) ? 27 : 28);
        return Choose(result, Highest(c, c.trump), reason);
    }
    const bool nextPicks = c.next == c.upHolder;
    if ((c.trick == 1 || (c.trick == 2 && c.teamTricks == 0)) && c.seat != c.maker &&
        c.partner != c.maker && (c.next == c.maker || nextPicks) &&
        (c.guardedLeft || c.aceOneBower)) {
        int32_t r = RandomBelow(9);
        if (nextPicks && c.upBecameRight) r -= 4;
        if (KnownOut(c.partner, c.led) && !KnownOut(c.partner, c.trump)) r -= 2;
        if ((nextPicks && r < 8) || (c.next == c.maker && r < 4)) {
            return ChooseDiscard(c, result, 83);
        }
    }
    if (c.position == 2 && ledRank <= 3 && c.teamTricks > 0 &&
        !(KnownOut(c.partner, c.led) && KnownOut(c.partner, c.trump))) {
        int32_t played = 0;
        for (int32_t rank = kAce; rank >= ledRank; --rank) {
            if (GamePlay::IsCardPlayed(c.led, rank)) ++played;
        }
        if (played < 5 - ledRank) return ChooseDiscard(c, result, 74);
    }
    if (c.Trumps() == 1 && c.trick == 1 && c.seat == c.maker && ledRank <= 4) {
        return ChooseDiscard(c, result, 74);
    }
    if (c.Trumps() == 1 && c.rightSlot >= 0) {
        if (c.partnerWinning || c.position != 3) {
            int32_t s = RandomBelow(9);
            const bool aceLed = ledRank == kAce;
            if (KnownOut(c.partner, c.trump) && aceLed) s += 10;
            s += aceLed ? 3 : ledRank - 4;
            s += KnownOut(c.partner, c.trump) ? 3 : -1;
            if (s < 7) return ChooseDiscard(c, result, aceLed ? 145 : 74);
        } else {
            return Choose(result, c.rightSlot, 147);
        }
    }
    if (c.AllTrump() && c.Trumps() > 2) {
        const int32_t middle = FindMiddleOfSuit(hand.Hands, c.seat, c.trump);
        if (middle >= 0 && RankAt(c, middle) > 2) return Choose(result, middle, 39);
    }
    int32_t reason = c.Trumps() == 1 ? 30 : 23;
    if (q) reason = c.SomebodyAlone() ? 29 : 30;
    return Choose(result, Lowest(c, c.trump), reason);
}

bool TrumpIn(const TrickContext& c, int32_t& result) {
    if (c.last) {
        Explain("Last Player...");
        if (c.partnerWinning) return ChooseDiscard(c, result, 24);
        if (c.trumped) {
            const int32_t t = HighestTrumpInTrick(c);
            if (RankAt(c, Highest(c, c.trump)) > t)
                return Choose(result, Higher(c, c.trump, t), 22);
            return ChooseDiscard(c, result, 25);
        }
        int32_t reason = 23;
        if (c.Trumps() == 1) reason = c.HoldsBower() ? 134 : 133;
        return Choose(result, Lowest(c, c.trump), reason);
    }
    Explain("2nd or 3rd...");
    const bool q = TrickRank(1) != kAce && c.SomebodyAlone() && !c.guardedLeft && !c.aceOneBower;
    if (c.SomebodyAlone() && c.trick == 1 && c.leftSlot >= 0 && !c.aceOneBower) {
        return Choose(result, c.leftSlot, 144);
    }
    if (PartnerWinningNoTrump(c, q, result)) return true;
    if (c.trumped) return TrumpOverTrump(c, result);
    return NobodyTrumped(c, q, result);
}

bool CannotFollow(const TrickContext& c, int32_t& result) {
    Explain("Can't follow suit...");
    if (c.Trumps() > 0 && c.led != c.trump) return TrumpIn(c, result);
    if (c.lone == c.next || c.lone == c.previous) {
        for (int32_t suit = 0; suit <= 3; ++suit) {
            if (suit != c.trump && KnownOut(c.lone, suit) &&
                c.counts[static_cast<size_t>(suit)] > 0)
                return Choose(result, Lowest(c, suit), 82);
        }
    }
    ChooseDiscard(c, result, c.led == c.trump ? 20 : 21);
    if (IsSet(flags.Stat1, Stat1Bits::DiscardNineSignal)) {
        analysis.ReasonCode = 137;
        ClearBit(flags.Stat1, Stat1Bits::DiscardNineSignal);
        ClearBit(flags.Stat1, 1 << 21);
    }
    return true;
}

bool FollowLast(const TrickContext& c, int32_t& result) {
    const int32_t high = Highest(c, c.led);
    if (!c.trumped && !c.partnerWinning && c.highestLed < RankAt(c, high)) {
        return Choose(result, Higher(c, c.led, c.highestLed), 2);
    }
    if (!c.partnerWinning && c.led == c.trump && c.rightInTrick && c.Trumps() == 2) {
        if (Holds(c, kAce) && c.leftSlot >= 0) return Choose(result, c.leftSlot, 138);
        if (c.leftInTrick && Holds(c, kAce) && Holds(c, 4)) return Choose(result, high, 4);
    }
    return Choose(result, Lowest(c, c.led), c.trumped ? 3 : (c.partnerWinning ? 24 : 4));
}

bool SecondToTrumpLead(const TrickContext& c, int32_t high, int32_t& result) {
    if (c.seat == c.maker) {
        if (c.upBecameRight && c.upHolder == c.partner && !c.rightGone) {
            return Choose(result, Lowest(c, c.trump), 6);
        }
        if (KnownOut(c.next, c.trump)) return Choose(result, Higher(c, c.trump, c.highestLed), 7);
        return Choose(result, high, 8);
    }
    if (c.partner == c.maker) {
        if (c.rightSlot < 0) {
            if (!KnownOut(c.partner, c.trump) && c.rightGone && c.leftGone) {
                const bool partnerBower = Misc::Get3Bits(hand.WhoPlayed, 0) == c.partner ||
                                          Misc::Get3Bits(hand.WhoPlayed, 2) == c.partner;
                return Choose(result, high, partnerBower ? 13 : 85);
            }
            return Choose(result, Lowest(c, c.trump), 14);
        }
        if (!(c.seat == c.upHolder && c.upBecameRight)) return Choose(result, high, 5);
        if (!Holds(c, kAce) && c.leftSlot < 0 && !Holds(c, 4)) {
            if (RandomBelow(3) != 0) return Choose(result, Lowest(c, c.trump), 11);
            return Choose(result, c.rightSlot, 10);
        }
        return Choose(result, c.rightSlot, 9);
    }
    int32_t r = RandomBelow(3);
    if (TrickRank(1) > 3 && (c.rightGone || c.leftGone)) return Choose(result, high, 5);
    if (KnownOut(c.partner, c.trump)) return Choose(result, high, 64);
    if (c.HoldsBower() && !(c.rightSlot >= 0 && c.leftSlot >= 0) && !c.rightGone && !c.leftGone) {
        if ((c.trick == 3 || c.trick == 4) && !KnownOut(c.partner, c.trump) && c.teamTricks > 0 &&
            c.Trumps() >= 2) {
            r = RandomBelow(20);
        }
        if (r > 0) return Choose(result, Lowest(c, c.trump), 66);
    }
    if (KnownOut(c.next, c.trump)) return Choose(result, Higher(c, c.trump, c.highestLed), 65);
    return Choose(result, high, 5);
}

bool ThirdHand(const TrickContext& c, int32_t high, int32_t& result) {
    Explain("3rd Player...");
    const int32_t ledRank = TrickRank(1);
    if (c.led != c.trump) {
        if (c.trumped) return Choose(result, Lowest(c, c.led), 3);
        if (ledRank == 4) {
            if (HoldsCard(c.seat, c.led, kAce) || GamePlay::IsCardPlayed(c.led, kAce)) {
                return Choose(result, Lowest(c, c.led), 15);
            }
            return Choose(result, high, 16);
        }
        if (ledRank == kAce) return Choose(result, Lowest(c, c.led), 86);
        return Choose(result, high, 16);
    }
    if (KnownOut(c.next, c.trump)) {
        if (c.partnerWinning) return Choose(result, Lowest(c, c.trump), 17);
        if (RankAt(c, high) > c.highestLed) {
            return Choose(result, Higher(c, c.trump, c.highestLed), 7);
        }
        return Choose(result, Lowest(c, c.trump), 4);
    }
    const bool anyGone = c.rightGone || c.leftGone;
    const bool holds = ledRank == kLeftBower ||
                       (ledRank == kAce && (anyGone || (c.rightSlot >= 0 && c.leftSlot >= 0))) ||
                       (ledRank == 4 && GamePlay::IsCardPlayed(c.trump, kAce) && anyGone);
    if (holds && c.partnerWinning) return Choose(result, Lowest(c, c.trump), 18);
    return Choose(result, high, c.Trumps() == 1 ? 30 : 19);
}

bool CanFollow(const TrickContext& c, int32_t& result) {
    Explain("Can follow suit...");
    if (c.counts[static_cast<size_t>(c.led)] == 1) return Choose(result, Highest(c, c.led), 1);
    if (c.last) return FollowLast(c, result);
    const int32_t high = Highest(c, c.led);
    if (RankAt(c, high) < c.highestLed) {
        return Choose(result, Lowest(c, c.led), c.trumped ? 3 : (c.partnerWinning ? 50 : 4));
    }
    if (c.position == 2 || (c.position == 3 && c.next == c.lone)) {
        if (c.led != c.trump) return Choose(result, high, 5);
        return SecondToTrumpLead(c, high, result);
    }
    return ThirdHand(c, high, result);
}

}  // namespace

void LogicMain::ChooseFollow(TrickContext& c, int32_t& result) {
    if (c.position > 1) Explain("NOT Leading...");
    CheckTrumpedWord(c);
    if (c.led > 3 || c.counts[static_cast<size_t>(c.led)] == 0) {
        CannotFollow(c, result);
    } else {
        CanFollow(c, result);
    }
}
