#include "players/trick_context.h"

#include <algorithm>
#include <string>

#include "engine/model/card_codes.h"
#include "engine/model/hand_queries.h"
#include "engine/model/hand_words.h"
#include "engine/model/played_cards.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/suit_knowledge.h"
#include "platform/packed_fields.h"
#include "platform/settings/player_settings.h"
#include "players/analysis_state.h"
#include "players/discard.h"

namespace {

using namespace CardFunctions;

constexpr std::string_view kOpenLine = "\r\n     ";

int32_t EntrySuit(int32_t entry) {
    return APIs::Nib(entry, 0);
}
int32_t EntryRank(int32_t entry) {
    return APIs::Nib(entry, 1);
}

bool PlayedCardMatches(bool (*matches)(int32_t suit, int32_t rank, int32_t trump), int32_t trump) {
    const int32_t last = std::min<int32_t>(hand.CardsPlayedCount, 33);
    for (int32_t i = 0; i <= last; ++i) {
        const int32_t entry = hand.CardsPlayed[static_cast<size_t>(i)];
        if (matches(EntrySuit(entry), EntryRank(entry), trump)) return true;
    }
    return false;
}

bool IsRightBowerCard(int32_t suit, int32_t rank, int32_t trump) {
    return suit == trump && (rank == kJack || rank == kRightBower);
}
bool IsLeftBowerCard(int32_t suit, int32_t rank, int32_t trump) {
    return rank == kLeftBower || (suit == SameColorSuit(trump) && rank == kJack);
}

}  // namespace

int32_t LogicMain::SlotSuit(int32_t seat, int32_t slot) {
    return hand.Hands[static_cast<size_t>(seat)][static_cast<size_t>(slot)][kSuitPlane];
}
int32_t LogicMain::SlotRank(int32_t seat, int32_t slot) {
    return hand.Hands[static_cast<size_t>(seat)][static_cast<size_t>(slot)][kRankPlane];
}
bool LogicMain::KnownOut(int32_t seat, int32_t suit) {
    return TestSeatSuitFlag(seat, suit, hand.SutOutInf);
}
bool LogicMain::HoldsCard(int32_t seat, int32_t suit, int32_t rank) {
    return FindCard(hand.Hands, seat, suit, rank) >= 0;
}
int32_t LogicMain::TrickSuit(int32_t index) {
    return EntrySuit(hand.Trk[static_cast<size_t>(index)]);
}
int32_t LogicMain::TrickRank(int32_t index) {
    return EntryRank(hand.Trk[static_cast<size_t>(index)]);
}

LogicMain::SuitCounts LogicMain::CountSuits(int32_t seat) {
    SuitCounts counts{};
    for (int32_t slot = 0; slot <= 4; ++slot) {
        const int32_t suit = SlotSuit(seat, slot);
        if (SlotRank(seat, slot) >= 0 && suit >= 0 && suit <= 3)
            ++counts[static_cast<size_t>(suit)];
    }
    return counts;
}

LogicMain::TrickContext LogicMain::ReadTrickContext() {
    TrickContext c;
    c.trump = Misc::TrumpSuit();
    c.led = Misc::Get3Bits(hand.GenInf, 1);
    c.maker = Misc::GenInfField2();
    c.lone = Misc::GenInfField3();
    c.dealer = Misc::DealerSeat();
    c.position = Misc::GenInfField7();
    c.trick = Misc::GenInfField8();
    c.seat = (Misc::TrickLeader() + hand.CardsPlayedCount + 3) % 4;
    c.partner = (c.seat + 2) % 4;
    c.next = (c.seat + 1) % 4;
    c.previous = (c.seat + 3) % 4;
    c.leading = (hand.Tricks & (1 << 28)) != 0;
    c.last = (hand.Tricks & (1 << 29)) != 0;
    c.counts = CountSuits(c.seat);
    c.noFirstBlood = (settings.Opts2 & (1 << 20)) != 0 &&
                     !IsSet(flags.Stat0, Stat0Bits::TrumpPlayed) && c.Trumps() != 6 - c.trick;
    c.top = c.Trumps() > 0 && HoldsHighestOutstanding(hand.Hands, c.seat, c.trump, c.trump);
    return c;
}

void LogicMain::CompleteContext(TrickContext& c) {
    c.upHolder = APIs::Nib(hand.CardUp, 0) == c.trump ? c.dealer : 7;
    c.upBecameRight = APIs::Nib(hand.CardUp, 1) == kRightBower;
    c.teamTricks = APIs::Nib(hand.Tricks, c.seat % 2);
    c.rightInTrick = RightBowerPlayed();
    c.leftInTrick = LeftBowerPlayed();
    c.rightSlot = FindRightBower(hand.Hands, c.seat, c.trump);
    c.leftSlot = FindLeftBower(hand.Hands, c.seat, c.trump);
    c.rightGone = PlayedCardMatches(IsRightBowerCard, c.trump);
    c.leftGone = PlayedCardMatches(IsLeftBowerCard, c.trump);
    const bool aceOfTrump = HoldsCard(c.seat, c.trump, kAce);
    const bool isMaker = c.seat == c.maker;
    c.guardedLeft = c.leftSlot >= 0 && c.rightSlot < 0 && !c.rightGone && c.Trumps() == 2 &&
                    !isMaker && !aceOfTrump;
    c.aceOneBower = !c.HoldsBower() && (c.rightGone != c.leftGone) && aceOfTrump &&
                    c.Trumps() == 2 && !isMaker && !HoldsCard(c.seat, c.trump, 4);

    for (int32_t i = 1; i <= c.position; ++i) {
        if (TrickSuit(i) == c.led && TrickRank(i) > c.highestLed) c.highestLed = TrickRank(i);
        if (c.led != c.trump && TrickSuit(i) == c.trump) c.trumped = true;
    }
    c.partnerWinning = APIs::Nib(hand.Tricks, 3) == c.seat % 2;
}

void LogicMain::Explain(std::string_view text) {
    auto& trace = analysis.LogicTrace;
    if (text.starts_with("...") && trace.ends_with(kOpenLine)) {
        trace.resize(trace.size() - kOpenLine.size());
    }
    trace += text;
}

bool LogicMain::Choose(int32_t& result, int32_t slot, int32_t reason) {
    result = slot;
    analysis.ReasonCode = reason;
    return true;
}

int32_t LogicMain::DiscardChoice(const TrickContext& c) {
    int32_t slot = 5;
    Logics::Discard(hand.Hands, c.seat, c.position, c.trump, slot, 1);
    return slot;
}

bool LogicMain::ChooseDiscard(const TrickContext& c, int32_t& result, int32_t reason) {
    return Choose(result, DiscardChoice(c), reason);
}
