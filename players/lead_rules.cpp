#include <algorithm>

#include "engine/model/card_codes.h"
#include "engine/model/hand_queries.h"
#include "engine/model/hand_words.h"
#include "engine/model/played_cards.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/suit_knowledge.h"
#include "platform/packed_fields.h"
#include "platform/random_source.h"
#include "platform/settings/player_settings.h"
#include "players/analysis_state.h"
#include "players/tie_break.h"
#include "players/trick_rules.h"

namespace {

using namespace LogicMain;
using namespace CardFunctions;
using Misc::Get3Bits;

struct LeadFlags {
    bool high = false;
    bool trump = false;
    bool team = false;
    bool urge = false;
    bool avoid = false;
    bool aceCash = false;
};

int32_t Random(int32_t n) {
    return RandomBelow(n);
}
bool Led(int32_t suit) {
    return TestSeatSuitFlag(7, suit, hand.SutLedInf);
}
int32_t Highest(const TrickContext& c, int32_t suit) {
    return FindHighestOfSuit(hand.Hands, c.seat, suit);
}
int32_t Lowest(const TrickContext& c, int32_t suit) {
    return FindLowestOfSuit(hand.Hands, c.seat, suit);
}
bool Holds(const TrickContext& c, int32_t rank) {
    return HoldsCard(c.seat, c.trump, rank);
}
int32_t PlayedEntrySuit(int32_t i) {
    return APIs::Nib(hand.CardsPlayed[static_cast<size_t>(i)], 0);
}
int32_t PlayedEntryRank(int32_t i) {
    return APIs::Nib(hand.CardsPlayed[static_cast<size_t>(i)], 1);
}

// Sets result to an off-suit card of the target rank (ace 5, king 4) when one is
// worth leading; true when a card was chosen.
bool PickLeadCandidate(const TrickContext& c, const LeadFlags& f, int32_t target, int32_t& result) {
    int32_t found = 0;
    int32_t a = -1;
    int32_t b = -1;
    int32_t last = -1;
    for (int32_t slot = 4; slot >= 0; --slot) {
        if (SlotRank(c.seat, slot) != target || SlotSuit(c.seat, slot) == c.trump) continue;
        ++found;
        if (found == 1) a = slot;
        if (found == 2) b = slot;
        last = slot;
    }
    if (found == 0) return false;
    const bool ace = target == kAce;
    result = last;
    if (found == 1) {
        if (Led(SlotSuit(c.seat, last)) && c.trick <= 3 && c.Trumps() > 0) {
            result = 5;
            return false;
        }
        analysis.ReasonCode = (f.aceCash && ace) ? 136 : (ace ? 48 : 49);
        return true;
    }
    if (found == 2) {
        BreakTie(c.seat, c.counts, c.trump, a, result);
        if (ace) {
            analysis.ReasonCode = c.trick == 1 ? 126 : (f.aceCash ? 136 : 51);
        } else {
            analysis.ReasonCode = c.trick == 1 ? 127 : 52;
        }
        return true;
    }
    const auto led = [&](int32_t slot) { return Led(SlotSuit(c.seat, slot)); };
    if (led(result)) {
        if (led(a)) {
            if (led(b)) {
                BreakTie(c.seat, c.counts, c.trump, a, result);
            } else {
                result = b;
            }
        } else if (led(b)) {
            result = a;
        } else {
            result = b;
            BreakTie(c.seat, c.counts, c.trump, a, result);
        }
    } else if (led(a)) {
        if (!led(b)) BreakTie(c.seat, c.counts, c.trump, b, result);
    } else {
        BreakTie(c.seat, c.counts, c.trump, a, result);
    }
    analysis.ReasonCode = ace ? (c.trick == 1 ? 128 : 53) : (c.trick == 1 ? 129 : 54);
    return true;
}

bool NoFirstBloodLead(const TrickContext& c, const LeadFlags& f, int32_t& result) {
    Explain("No First Blood...");
    if (PickLeadCandidate(c, f, kAce, result)) return Choose(result, result, 76);
    if (PickLeadCandidate(c, f, 4, result) &&
        c.counts[static_cast<size_t>(SlotSuit(c.seat, result))] == 1) {
        return Choose(result, result, 77);
    }
    return ChooseDiscard(c, result, 78);
}

bool SeatTwoStrong(const TrickContext& c) {
    return c.rightSlot >= 0 || (c.leftSlot >= 0 && GamePlay::IsCardPlayed(c.trump, kRightBower));
}

void SetFlags(const TrickContext& c, LeadFlags& f) {
    f.team = c.seat == 0 || c.seat == 2;
    if (c.seat != 2) return;
    const bool bowerPlayed =
        GamePlay::IsCardPlayed(c.trump, kRightBower) || GamePlay::IsCardPlayed(c.trump, kLeftBower);
    if (c.maker == 2) {
        if (!SeatTwoStrong(c) && (Holds(c, kAce) || !bowerPlayed)) {
            if (hand.CallTotal < APIs::Nib(settings.Kind, 2) + 2 &&
                (settings.Partner & (1 << 8)) == 0) {
                f.team = false;
            }
        } else {
            f.high = true;
        }
    } else if (c.maker == 0) {
        switch (settings.Partner & 0x70) {
            case 0x10:
                f.urge = true;
                f.high = !(c.upBecameRight && !GamePlay::IsCardPlayed(c.trump, kRightBower));
                break;
            case 0x20:
                f.team = true;
                if (SeatTwoStrong(c) || (!Holds(c, kAce) && bowerPlayed)) {
                    f.urge = true;
                    f.high = true;
                }
                break;
            case 0x30:
                f.team = true;
                break;
            case 0x40:
            case 0x60:
                f.team = false;
                f.avoid = true;
                break;
            default:
                break;
        }
    }
}

int32_t TopTrumpRank(const TrickContext& c) {
    const int32_t slot = Highest(c, c.trump);
    return slot < 0 ? -1 : SlotRank(c.seat, slot);
}

bool MakerRules(const TrickContext& c, LeadFlags& f, int32_t& result) {
    Explain("Called Trump...");
    const int32_t trumps = c.Trumps();
    const int32_t offAces = CountOffTrumpRank(hand.Hands, c.seat, kAce);
    if (c.teamTricks >= 3 && trumps > 0 && TopTrumpRank(c) >= 4) f.high = true;
    if (c.trick == 4 && c.teamTricks < 2) f.high = true;
    if (trumps == 2 && c.trick == 1 && offAces == 0) f.team = false;
    if (f.team && trumps == 1 && c.trick == 2 && (offAces == 1 || offAces == 2)) {
        f.team = false;
        f.aceCash = true;
    }
    if (f.team || f.urge) {
        if (trumps >= 2 && c.upBecameRight && c.upHolder == c.partner && !c.rightGone &&
            !c.SomebodyAlone() && !c.noFirstBlood) {
            return Choose(result, Lowest(c, c.trump), 61);
        }
        if (c.top && !f.avoid) f.high = true;
        if (c.leftSlot >= 0 && c.Trumps() >= 5 - c.trick && c.trick < 4) f.high = true;
        if (Holds(c, kAce) || Holds(c, 4)) f.high = true;
        if ((trumps >= 3 || (trumps == 2 && c.trick <= 2)) && c.seat != c.lone && !c.HoldsBower() &&
            !c.rightGone && !c.leftGone && !c.noFirstBlood) {
            return Choose(result, Lowest(c, c.trump), 62);
        }
    }
    if (Get3Bits(hand.Leader, 0) == c.seat && c.trick == 2 && c.teamTricks == 1) {
        const int32_t first = PlayedEntrySuit(1);
        const int32_t third = PlayedEntrySuit(3);
        if (first != c.trump && third != first && third <= 3 &&
            c.counts[static_cast<size_t>(third)] > 0 && !HoldsCard(c.seat, third, kAce) &&
            Random(13) < 2 * PlayedEntryRank(3) + 1) {
            return Choose(result, Highest(c, third), 57);
        }
    }
    const bool right = c.rightSlot >= 0;
    const bool left = c.leftSlot >= 0;
    const int32_t tricks = c.teamTricks;
    if ((tricks >= 2 && ((trumps >= 3 && left) || right)) ||
        (c.AllTrump() && c.trick >= 3 && (c.rightGone || c.leftGone || tricks >= 2)) ||
        (right && left && tricks > 0) || trumps >= 4 || (c.trick == 3 && trumps == 3 && right) ||
        (tricks >= 2 && left && c.rightGone) ||
        (c.rightGone && left && trumps >= 2 && tricks > 0) ||
        (c.top && ((trumps >= 3 && tricks > 0 && c.trick > 1) || tricks >= 2))) {
        f.trump = true;
    }
    return false;
}

bool PartnerMakerRules(const TrickContext& c, LeadFlags& f, int32_t& result) {
    Explain("Partner called trump...");
    const int32_t trumps = c.Trumps();
    const bool partnerHoldsUpRight = c.upBecameRight && !c.rightGone && c.upHolder == c.partner;
    if (c.teamTricks >= 2) {
        if ((c.leftSlot >= 0 && c.rightGone) || c.rightSlot >= 0) f.trump = true;
        if (f.team && c.leftSlot >= 0 && !partnerHoldsUpRight) f.high = true;
    }
    if (c.teamTricks == 1 && c.trick == 4 && c.HoldsBower()) f.high = true;
    if (f.team || f.urge) {
        if (c.top) f.high = true;
        if (c.HoldsBower() && trumps >= 2 && c.trick < 3) f.high = true;
    }
    if (trumps >= 2 && c.trick == 2 && c.teamTricks == 1 && (Holds(c, kAce) || c.HoldsBower())) {
        if (c.seat == c.upHolder && c.upBecameRight) {
            f.high = true;
        } else if (!c.noFirstBlood) {
            return Choose(result, Lowest(c, c.trump), 79);
        }
    }
    if (trumps > 1 && c.trick == 1 && CountOffTrumpRank(hand.Hands, c.seat, kAce) == 0 &&
        CountOffTrumpRank(hand.Hands, c.seat, 4) == 0 && !f.high) {
        return Choose(result, Lowest(c, c.trump), 80);
    }
    if (c.trick == 4 && c.teamTricks == 3 && trumps > 0 && !KnownOut(c.partner, c.trump) &&
        !c.noFirstBlood) {
        bool topPlayed = false;
        for (int32_t rank : {kRightBower, kLeftBower, kAce}) {
            topPlayed = topPlayed || IsPlayedBySeat(c.trump, rank);
        }
        for (int field : {0, 2, 4}) {
            topPlayed = topPlayed || Get3Bits(hand.WhoPlayed, field) == c.partner;
        }
        if (!topPlayed) return Choose(result, Lowest(c, c.trump), 135);
    }
    return false;
}

int32_t MakerTrumpsInFirstTricks(const TrickContext& c) {
    int32_t count = 0;
    for (int32_t i = 1; i <= std::min<int32_t>(12, hand.CardsPlayedCount); ++i) {
        const int32_t entry = hand.CardsPlayed[static_cast<size_t>(i)];
        if (APIs::Nib(entry, 3) == c.maker && APIs::Nib(entry, 0) == c.trump) ++count;
    }
    return count;
}

void DefenderRules(const TrickContext& c, LeadFlags& f) {
    Explain("Did NOT call trump...");
    const bool late = c.trick == 4 || (c.trick == 3 && (c.teamTricks == 1 || c.teamTricks == 2));
    if (!late || !c.top) return;
    bool x =
        CountOffTrumpRank(hand.Hands, c.seat, 4) + CountOffTrumpRank(hand.Hands, c.seat, kAce) > 0;
    int32_t bonus = 0;
    if (c.trick == 3 && (c.teamTricks == 1 || c.teamTricks == 2) && c.partner != c.maker) {
        x = true;
        bonus = 2;
    }
    if (!x) return;
    int32_t d = Random(10);
    if (KnownOut(c.partner, c.trump)) d += 3;
    const bool lonePartnerBest = (settings.Opts2 & (1 << 2)) != 0 && c.SomebodyAlone();
    if (MakerTrumpsInFirstTricks(c) >= (lonePartnerBest ? 3 : 2)) d += 3;
    if (d + bonus > 4) f.high = true;
}

bool LeadHigh(const TrickContext& c, int32_t& result) {
    Explain("Leading High...");
    int32_t reason = 0;
    if (c.seat == c.maker) {
        const bool bothOut = KnownOut(c.next, c.trump) && KnownOut(c.previous, c.trump);
        reason = bothOut ? 44 : (c.top ? 43 : 42);
    } else {
        reason = c.partner == c.maker ? 41 : 70;
    }
    return Choose(result, Highest(c, c.trump), reason);
}

bool FirstTrickLead(const TrickContext& c, const LeadFlags& f, int32_t& result) {
    if (c.Trumps() > 0) {
        if (!PickLeadCandidate(c, f, 4, result)) return ChooseDiscard(c, result, 55);
        const int32_t king = result;
        const int32_t discard = DiscardChoice(c);
        const bool kingAlone = c.counts[static_cast<size_t>(SlotSuit(c.seat, king))] == 1;
        const bool discardLong =
            discard <= 4 && c.counts[static_cast<size_t>(SlotSuit(c.seat, discard) % 4)] > 1;
        if (discardLong || kingAlone) return true;
        return ChooseDiscard(c, result, 55);
    }
    for (int32_t rank = kAce; rank >= 0; --rank) {
        for (int32_t slot = 4; slot >= 0; --slot) {
            if (SlotRank(c.seat, slot) == rank) return Choose(result, slot, 56);
        }
    }
    return false;
}

bool PartnerOutSuits(const TrickContext& c, bool guardLed, int32_t& result) {
    for (int32_t p = 0; p <= 3; ++p) {
        if (p == c.trump || !KnownOut(c.partner, p)) continue;
        const bool opponentAlone = c.lone == c.next || c.lone == c.previous;
        if (guardLed && Led(p) && c.trick <= 2 && !opponentAlone) continue;
        if (c.counts[static_cast<size_t>(p)] > 0) return Choose(result, Highest(c, p), 58);
    }
    return false;
}

bool LaterTrumpRules(const TrickContext& c, const LeadFlags& f, int32_t& result) {
    const int32_t trumps = c.Trumps();
    if (c.partner == c.maker && trumps >= 2) {
        bool q = trumps > 2 || c.HoldsBower();
        if (Holds(c, kAce) || c.HoldsBower()) {
            if (c.rightGone || c.leftGone || c.trick == 4 || (c.teamTricks >= 2 && c.trick > 2))
                q = true;
            if (c.seat == c.upHolder && c.upBecameRight && c.rightSlot >= 0) {
                if (trumps > 2) return Choose(result, Highest(c, c.trump), 72);
                q = false;
            }
        }
        if (KnownOut(c.partner, c.trump)) return Choose(result, Highest(c, c.trump), 59);
        if (q) return Choose(result, Lowest(c, c.trump), 60);
    }
    if (c.seat == c.maker && trumps >= 2 && c.teamTricks > 0) {
        if (c.upBecameRight && c.upHolder == c.partner) {
            if ((c.leftSlot >= 0 || Holds(c, kAce)) && !c.rightGone) {
                return Choose(result, Lowest(c, c.trump), 61);
            }
        } else if (((trumps > 2 && c.trick == 2) || (trumps > 1 && c.trick == 3)) &&
                   !c.HoldsBower()) {
            if (!c.rightGone && !c.leftGone) return Choose(result, Lowest(c, c.trump), 62);
            if ((f.team || f.urge) && (c.rightGone != c.leftGone) && Holds(c, kAce)) {
                return Choose(result, Highest(c, c.trump), 42);
            }
        }
    }
    if (c.seat == c.maker && ((trumps >= 2 && c.trick > 2) || (c.trick == 3 && c.teamTricks < 2)) &&
        (c.top || c.HoldsBower())) {
        return Choose(result, Highest(c, c.trump), 43);
    }
    return false;
}

bool AfterFirstTrick(const TrickContext& c, const LeadFlags& f, int32_t& result) {
    Explain("After 1st Trick...");
    bool hold = c.Trumps() >= 2 && c.trick > 2 && c.partner == c.maker && c.teamTricks >= 2 &&
                !KnownOut(c.partner, c.trump);
    for (;;) {
        if (!hold) {
            if (PartnerOutSuits(c, true, result)) return true;
            const int32_t off = Get3Bits(hand.SutOffInf, c.partner + 6);
            if (off != 7 && off != c.trump && off <= 3 && c.counts[static_cast<size_t>(off)] > 0) {
                return Choose(result, Highest(c, off), 57);
            }
        }
        if (LaterTrumpRules(c, f, result)) return true;
        if (!hold) break;
        hold = false;
    }
    if (!KnownOut(c.partner, c.trump) && PartnerOutSuits(c, false, result)) return true;
    if (c.trick > 2) {
        if (PickLeadCandidate(c, f, kAce, result)) return true;
        if (PickLeadCandidate(c, f, 4, result)) return true;
    }
    return ChooseDiscard(c, result, 63);
}

}  // namespace

void LogicMain::ChooseLead(TrickContext& c, int32_t& result) {
    Explain("Leading...");
    LeadFlags f;
    if (c.noFirstBlood) {
        NoFirstBloodLead(c, f, result);
        return;
    }
    SetFlags(c, f);
    if (c.seat == c.maker) {
        if (MakerRules(c, f, result)) return;
    } else if (c.partner == c.maker) {
        if (PartnerMakerRules(c, f, result)) return;
    }
    DefenderRules(c, f);
    if (f.high && c.Trumps() > 0) {
        LeadHigh(c, result);
        return;
    }
    if (c.seat == c.lone || f.trump) {
        LeadBossTest(c.seat, c.trump, c.trick, c.counts, c.top, c.teamTricks, result);
        if (c.partner == c.maker && analysis.ReasonCode == 42) analysis.ReasonCode = 41;
        if (c.partner == c.maker && analysis.ReasonCode == 43) analysis.ReasonCode = 81;
        if (result != 5) return;
    }
    if (c.trick < 3 && PickLeadCandidate(c, f, kAce, result)) return;
    if (c.trick == 1) {
        if (FirstTrickLead(c, f, result)) return;
    } else {
        AfterFirstTrick(c, f, result);
    }
}
