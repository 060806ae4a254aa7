#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// What the computer's trick play knows when it chooses a card: read afresh from the
// hand state at every decision.
namespace LogicMain {

using SuitCounts = std::array<int32_t, 4>;

struct TrickContext {
    int32_t trump = 0;
    int32_t led = 7;
    int32_t maker = 7;
    int32_t lone = 7;
    int32_t dealer = 0;
    int32_t position = 1;
    int32_t trick = 1;
    int32_t seat = 0;
    int32_t partner = 2;
    int32_t next = 1;
    int32_t previous = 3;
    // The dealer when the turned-up card is trump, else 7.
    int32_t upHolder = 7;
    bool upBecameRight = false;
    int32_t teamTricks = 0;
    bool leading = false;
    bool last = false;
    bool rightInTrick = false;
    bool leftInTrick = false;
    bool noFirstBlood = false;
    SuitCounts counts{};
    bool top = false;
    int32_t rightSlot = -1;
    int32_t leftSlot = -1;
    bool rightGone = false;
    bool leftGone = false;
    bool guardedLeft = false;
    bool aceOneBower = false;
    // Following only.
    int32_t highestLed = -1;
    bool partnerWinning = false;
    bool trumped = false;

    int32_t Trumps() const { return counts[static_cast<size_t>(trump)]; }
    bool HoldsBower() const { return rightSlot >= 0 || leftSlot >= 0; }
    bool SomebodyAlone() const { return lone != 7; }
    // The seat holds only trump.
    bool AllTrump() const { return Trumps() == 6 - trick; }
    bool PickingDealerHasRight() const { return upHolder != 7 && upBecameRight; }
};

// The seat to play and the part of the context that needs no rule.
TrickContext ReadTrickContext();
// Adds the values that only the lead or the follow rules use.
void CompleteContext(TrickContext& c);
SuitCounts CountSuits(int32_t seat);

int32_t SlotSuit(int32_t seat, int32_t slot);
int32_t SlotRank(int32_t seat, int32_t slot);
bool KnownOut(int32_t seat, int32_t suit);
bool HoldsCard(int32_t seat, int32_t suit, int32_t rank);
int32_t TrickSuit(int32_t index);
int32_t TrickRank(int32_t index);

// Appends to LogicTrace; a text starting with "..." replaces the open line break.
void Explain(std::string_view text);
// The decision: result := slot with the reason code. Always true.
bool Choose(int32_t& result, int32_t slot, int32_t reason);
// The discard routine's choice for the seat.
int32_t DiscardChoice(const TrickContext& c);
// The discard routine's card with the reason code. Always true.
bool ChooseDiscard(const TrickContext& c, int32_t& result, int32_t reason);

}  // namespace LogicMain
