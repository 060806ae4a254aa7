#include "engine/model/trick_card.h"

#include "engine/model/card_codes.h"
#include "engine/model/hand_queries.h"
#include "engine/model/hand_words.h"
#include "engine/model/played_cards.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/suit_knowledge.h"
#include "platform/packed_fields.h"
#include "platform/settings/player_settings.h"

namespace {

using namespace CardFunctions;

constexpr int32_t kLeadsTrick = 1 << 28;
constexpr int32_t kLastToPlay = 1 << 29;

int32_t EntrySuit(int32_t entry) {
    return APIs::Nib(entry, 0);
}
int32_t EntryRank(int32_t entry) {
    return APIs::Nib(entry, 1);
}
int32_t TrickEntry(int32_t i) {
    return hand.Trk[static_cast<size_t>(i)];
}
int32_t TeamOf(int32_t seat) {
    return seat % 2;
}
void MarkOut(int32_t seat, int32_t suit) {
    hand.SutOutInf = SetSeatSuitFlag(seat, suit, hand.SutOutInf);
}

void NoteTopTrump(int32_t seat, int32_t suit, int32_t rank) {
    if (suit != Misc::TrumpSuit()) return;
    const int32_t trick = APIs::Nib(hand.Tricks, 2);
    int field = -1;
    if (rank == kRightBower) field = 0;
    if (rank == kLeftBower) field = 2;
    if (rank == kAce) field = 4;
    if (field < 0) return;
    hand.WhoPlayed = Misc::Set3Bits(hand.WhoPlayed, seat, field);
    hand.WhoPlayed = Misc::Set3Bits(hand.WhoPlayed, trick, field + 1);
}

// A seat that plays the left bower or the ace on a trump lead after a higher top
// trump would have kept it back if it had another trump.
void InferOutOfTrump(int32_t seat, int32_t rank) {
    const int32_t trump = Misc::TrumpSuit();
    bool rightInTrick = false;
    bool leftInTrick = false;
    for (int32_t i = 1; i <= 3; ++i) {
        if (EntrySuit(TrickEntry(i)) != trump) continue;
        rightInTrick = rightInTrick || EntryRank(TrickEntry(i)) == kRightBower;
        leftInTrick = leftInTrick || EntryRank(TrickEntry(i)) == kLeftBower;
    }
    const bool out = (rightInTrick && rank == kLeftBower) ||
                     (rightInTrick && rank == kAce && GamePlay::IsCardPlayed(trump, kLeftBower)) ||
                     (leftInTrick && rank == kAce && GamePlay::IsCardPlayed(trump, kRightBower));
    if (out) MarkOut(seat, trump);
}

bool TrickTrumpedNoting() {
    const int32_t trump = Misc::TrumpSuit();
    for (int32_t i = Misc::GenInfField7(); i >= 1; --i) {
        if (EntrySuit(TrickEntry(i)) == trump) {
            Misc::NoteTrumpOnLead(i);
            return true;
        }
    }
    return false;
}

bool UpdateKnowledge(int32_t seat, int32_t suit, int32_t rank, int32_t winner, int32_t teamBefore) {
    const int32_t trump = Misc::TrumpSuit();
    const int32_t led = Misc::Get3Bits(hand.GenInf, 1);
    const int32_t count = Misc::GenInfField7();
    const bool trumped = led != trump && TrickTrumpedNoting();

    if (suit == led) {
        const bool lastOnOwnTeam = (hand.Tricks & kLastToPlay) != 0 && teamBefore == TeamOf(seat);
        if (rank == kAce && led != trump && (trumped || lastOnOwnTeam)) MarkOut(seat, led);
        return seat == 0 && (settings.Opts1 & (1 << 4)) == 0 &&
               CountSuit(hand.Hands, 0, led) == 0 && (settings.Opts1 & (1 << 2)) != 0 && count < 5;
    }

    MarkOut(seat, led);
    hand.SutShownInf = SetSeatSuitFlag(seat, led, hand.SutShownInf);
    if (led != trump) {
        hand.SutOffInf = SetSeatSuitFlagAndSuit(seat, suit, hand.SutOffInf);
        if (count > 2 && !trumped && suit != trump && TeamOf(winner) != TeamOf(seat)) {
            MarkOut(seat, trump);
        }
    }
    if (rank == kAce && suit != trump) MarkOut(seat, suit);
    return false;
}

}  // namespace

int32_t GamePlaySubs::TrickWinnerSoFar(int32_t count) {
    const int32_t trump = Misc::TrumpSuit();
    const int32_t led = Misc::Get3Bits(hand.GenInf, 1);
    int32_t best = 0;
    bool bestIsTrump = false;
    for (int32_t i = 1; i <= count; ++i) {
        const int32_t suit = EntrySuit(TrickEntry(i));
        const int32_t rank = EntryRank(TrickEntry(i));
        const bool isTrump = suit == trump;
        if (!isTrump && (suit != led || bestIsTrump)) continue;
        const bool beats =
            best == 0 || (isTrump && !bestIsTrump) || rank > EntryRank(TrickEntry(best));
        if (beats) {
            best = i;
            bestIsTrump = isTrump;
        }
    }
    if (best == 0) best = 1;
    return Wrap4(Misc::TrickLeader() + best);
}

GamePlaySubs::TrickCardEffect GamePlaySubs::RecordTrickCard(int32_t seat) {
    const int32_t card = hand.CardsPlayed[static_cast<size_t>(hand.CardsPlayedCount)];
    const int32_t suit = EntrySuit(card);
    const int32_t rank = EntryRank(card);
    const int32_t count = Misc::GenInfField7();
    const int32_t teamBefore = APIs::Nib(hand.Tricks, 3);
    // The place of a partner who sits out holds no card and tells nothing.
    const bool sitsOut = APIs::Nib(TrickEntry(count), 2) != 0;

    NoteTopTrump(seat, suit, rank);
    TrickCardEffect effect;
    if ((hand.Tricks & kLeadsTrick) != 0) {
        hand.GenInf = Misc::Set3Bits(hand.GenInf, suit, 1);
        hand.SutLedInf = SetSeatSuitFlagAndSuit(seat, suit, hand.SutLedInf);
        effect.winner = seat;
    } else {
        const int32_t trump = Misc::TrumpSuit();
        if (Misc::Get3Bits(hand.GenInf, 1) == trump && suit == trump) InferOutOfTrump(seat, rank);
        effect.winner = TrickWinnerSoFar(count);
    }
    hand.Tricks = Misc::NibSet(hand.Tricks, TeamOf(effect.winner), 3);
    if ((hand.Tricks & kLeadsTrick) == 0 && !sitsOut) {
        effect.humanShowOutPause = UpdateKnowledge(seat, suit, rank, effect.winner, teamBefore);
    }
    hand.Tricks = Misc::NibSet(hand.Tricks, effect.winner, 4);
    return effect;
}
