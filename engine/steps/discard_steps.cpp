#include "engine/steps/discard_steps.h"

#include <algorithm>

#include "engine/event_sounds.h"
#include "engine/game_play.h"
#include "engine/hand_slots.h"
#include "engine/model/calling_rules.h"
#include "engine/model/card_codes.h"
#include "engine/model/game_trace.h"
#include "engine/model/hand_words.h"
#include "engine/model/kitty_trades.h"
#include "engine/model/sorts.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/state/tables.h"
#include "engine/model/turned_up_card.h"
#include "engine/steps/pre_play_helpers.h"
#include "platform/packed_fields.h"
#include "platform/settings/player_settings.h"
#include "platform/sound/sound_system.h"
#include "platform/waits.h"
#include "players/discard.h"
#include "players/kitty_decisions.h"
#include "players/partners_best.h"
#include "render/choice_buttons.h"
#include "render/hand_drawing.h"
#include "render/key_labels.h"
#include "render/table_messages.h"

namespace {

using namespace GamePlay;
using CardFunctions::kJack;
using CardFunctions::kLeftBower;
using CardFunctions::kRightBower;

constexpr int32_t kNoDiscardSlot = 6;
constexpr int32_t kNoDiscard = 7;

bool DiscardBeforeBest() {
    return OptionBit(settings.Opts3, 13);
}
bool PartnersBestRule() {
    return OptionBit(settings.Opts2, 2);
}
int32_t LonersPartner() {
    const int32_t loner = Misc::GenInfField3();
    return loner == CardFunctions::kNoSeat ? CardFunctions::kNoSeat : (loner + 2) % 4;
}

// The bowers and the joker in every hand, the turned-up card and the kitty.
void RemarkAllBowers() {
    const int32_t trump = Misc::TrumpSuit();
    for (int32_t seat = 0; seat < 4; ++seat) CardFunctions::RemarkBowers(seat);
    const int32_t upRank = APIs::Nib(hand.CardUp, 1);
    if (APIs::Nib(hand.CardUp, 0) == trump && upRank == kJack) {
        hand.CardUp = Misc::NibSet(hand.CardUp, kRightBower, 1);
    }
    // A joker turned up for the suit made trump goes to the dealer as the top trump.
    if (upRank == CardFunctions::kJoker && Misc::GenInfField8() == 1 &&
        CardFunctions::TurnedUpSuit() == trump) {
        hand.CardUp =
            Misc::NibSet(Misc::NibSet(hand.CardUp, trump, 0), CardFunctions::kTopJoker, 1);
    }
    const int32_t kittyEnd = kFirstKittyEntry + CardFunctions::KittySize();
    for (int entry = kFirstKittyEntry; entry < kittyEnd; ++entry) {
        int32_t& kitty = hand.CardsPlayed[static_cast<size_t>(entry)];
        const int32_t suit = APIs::Nib(kitty, 0);
        const int32_t rank = APIs::Nib(kitty, 1);
        if (rank == CardFunctions::kJoker) {
            kitty = Misc::NibSet(Misc::NibSet(kitty, trump, 0), CardFunctions::kTopJoker, 1);
        } else if (rank != kJack) {
            continue;
        } else if (suit == trump) {
            kitty = Misc::NibSet(kitty, kRightBower, 1);
        } else if (suit == CardFunctions::SameColorSuit(trump)) {
            kitty = Misc::NibSet(Misc::NibSet(kitty, trump, 0), kLeftBower, 1);
        }
    }
}

void ShowHumanDealerTitle() {
    const int32_t rule = APIs::Nib(hand.CardUp, 5);
    const bool partnerAlone = Misc::GenInfField3() == 2;
    int32_t title = 0;
    if (rule == 0 && DiscardBeforeBest() && PartnersBestRule() && partnerAlone) title = 53;
    if (rule == 3 || rule == 8) title = 28;
    if (rule == 4) title = 29;
    if ((rule == 5 || rule == 9 || rule == 10) && Misc::GenInfField2() == 0 &&
        Misc::GenInfField3() != 0) {
        title = 30;
    }
    if (title > 0) Video::DrawMessage(0, tables.MessageTable[static_cast<size_t>(title)]);
}

// After the hand changed: the human's is shown, given time, sorted and shown again.
void ShowChangedHand(int32_t seat) {
    Video::DrawHands(1);
    if (seat != 0 || DemoRunning()) return;
    APIs::Pause(4);
    Sorts::SortHand(hand.Hands, 0);
    Video::DrawHands(1);
    APIs::Pause(1);
}

}  // namespace

void GamePlay::Step2700(StepCall& call) {
    Misc::Trace("Discarding");
    Video::EraseSeatMessages();
    RemarkAllBowers();
    Video::DrawDeckBox();
    GoOn(call, 2900);
    const int32_t dealer = Misc::DealerSeat();
    if (Misc::GenInfField8() != 1 || !IsSeat(dealer)) return;
    const bool dealerSitsOut = dealer == LonersPartner();
    if (!GamePlaySubs::IsHumanSeat(dealer)) {
        int32_t slot = kNoDiscard;
        if (DiscardBeforeBest() || !PartnersBestRule() || !dealerSitsOut) {
            Logics::Discard(hand.Hands, dealer, 4, Misc::TrumpSuit(), slot, 0);
        }
        SetLoopSaverField(0, slot);
        GoOn(call, 2725);
        return;
    }
    if (dealerSitsOut && !(DiscardBeforeBest() && PartnersBestRule())) return;
    ShowHumanDealerTitle();
    GoOn(call, 2710);
}

void GamePlay::Step2710(StepCall& call) {
    SetBit(flags.Stat2, Stat2Bits::ChoosingDiscard);
    if (IsSet(flags.Stat1, Stat1Bits::KeyNo) && !DemoRunning()) APIs::Pause(4);
    ClearBit(flags.Stat1, Stat1Bits::KeyNo);
    Video::DrawKeyLabels();
    Video::DrawMessage(2, tables.MessageTable[54]);
    WaitForAnswer(call, 2715);
}

void GamePlay::Step2715(StepCall& call) {
    Misc::Trace("Getting Human input on which card to Discard.");
    const int32_t slot = GamePlaySubs::HandSlotAtPoint(call.X, call.Y, 5);
    if (slot < 0 || slot > kNoDiscardSlot) {
        AwaitHumanSilent(call.KeepRunning, call.InputCue);
        return;
    }
    Video::EraseMessage(2, -1);
    if (slot == kNoDiscardSlot) {
        SetBit(flags.Stat1, Stat1Bits::NoDiscardChosen);
        Video::EraseMessage(1, -1);
        Video::DrawMessage(1, "No Discard");
        Video::BlinkMarker(1.5);
        APIs::Pause(0.5);
        Video::EraseMessage(1, -1);
    }
    SetLoopSaverField(0, slot);
    int32_t next = 2725;
    if (slot == kNoDiscardSlot) {
        Misc::Trace("Human Chose No Discard.");
        if (HumanTrumpCount(kRightBower) < 5) next = 2718;
    }
    AnswerTaken(call, next);
}

void GamePlay::Step2718(StepCall& call) {
    Video::DrawMessage(2, tables.MessageTable[297]);
    Video::AskTwoChoices();
    if (settings.SoundOn) {
        Misc::PlayEventSound(30);
        APIs::WaitMs(std::max(0, SoundPlayer.GetSoundTime(30)));
    } else {
        APIs::Pause(1);
    }
    ClearBit(flags.Stat1, Stat1Bits::NoDiscardChosen);
    WaitForAnswer(call, 2720);
}

void GamePlay::Step2720(StepCall& call) {
    if (const int32_t answer = TakeYesNo(call)) AnswerTaken(call, answer == 101 ? 2725 : 2710);
}

void GamePlay::Step2725(StepCall& call) {
    ClearBit(flags.Stat2, Stat2Bits::ChoosingDiscard);
    const int32_t slot = LoopSaverField(0);
    const int32_t trump = Misc::TrumpSuit();
    // "No Discard" had its own confirmation; the turned-up card is not asked about again.
    const bool asks = GamePlaySubs::IsHumanSeat(Misc::DealerSeat()) && slot < 5 &&
                      CountsAsTrump(HandSuit(0, slot), HandRank(0, slot), trump, kLeftBower) &&
                      HumanTrumpCount(kLeftBower) < 5;
    GoOn(call, asks ? 2730 : 2770);
}

void GamePlay::Step2730(StepCall& call) {
    WarnSound();
    AskYesNo(call, 55, 2740);
}

void GamePlay::Step2740(StepCall& call) {
    if (const int32_t answer = TakeYesNo(call)) AnswerTaken(call, answer == 101 ? 2770 : 2700);
}

void GamePlay::Step2770(StepCall& call) {
    Video::EraseSeatMessages();
    const int32_t slot = LoopSaverField(0);
    const int32_t dealer = Misc::DealerSeat();
    if (slot <= 5 && IsSeat(dealer)) {
        HandSuit(dealer, slot) = APIs::Nib(hand.CardUp, 0);
        HandRank(dealer, slot) = APIs::Nib(hand.CardUp, 1);
        CardSound(5);
        if (GamePlaySubs::IsHumanSeat(dealer)) {
            Video::DrawHands(1);
            APIs::Pause(4);
        }
        Sorts::SortHand(hand.Hands, dealer);
        Video::DrawHands(1);
    }
    APIs::Pause(1);
    GoOn(call, 2900);
}

void GamePlay::Step2900(StepCall& call) {
    const int32_t loner = Misc::GenInfField3();
    if (!PartnersBestRule() || !IsSeat(loner)) return GoOn(call, 5000);
    Misc::Trace("Getting Partner's Best");
    const int32_t partner = LonersPartner();
    if (GamePlaySubs::IsHumanSeat(partner)) return GoOn(call, 2910);
    Misc::Trace(SeatName(partner) + " Choosing Card to Pass to Partner.");
    SetPassedCard(partner, Logics::PartnersBestCard());
    Video::ShowMessageTimed(Misc::PlusTwoOrOne(partner), tables.MessageTable[56] + SeatName(loner),
                            9);
    CardSound(4);
    GoOn(call, 2925);
}

void GamePlay::Step2910(StepCall& call) {
    Video::DrawKeyLabels();
    Video::DrawMessage(2, tables.MessageTable[57]);
    WaitForAnswer(call, 2915);
}

void GamePlay::Step2915(StepCall& call) {
    const int32_t slot = GamePlaySubs::HandSlotAtPoint(call.X, call.Y, 5);
    if (slot < 0 || slot > 4) {
        AwaitHumanSilent(call.KeepRunning, call.InputCue);
        return;
    }
    Video::EraseMessage(2, -1);
    SetPassedCard(0, slot);
    AnswerTaken(call, 2925);
}

void GamePlay::Step2925(StepCall& call) {
    SetBit(hand.NibCounter, 1 << 28);
    const int32_t loner = Misc::GenInfField3();
    if (!IsSeat(loner)) return GoOn(call, 5000);
    if (GamePlaySubs::IsHumanSeat(loner)) return GoOn(call, 2950);
    Misc::Trace(SeatName(loner) + " Discarding from Partner's Best");
    int32_t slot = -1;
    Logics::Discard(hand.Hands, loner, CardFunctions::Wrap4(loner + 2), Misc::TrumpSuit(), slot, 0);
    hand.NibCounter = Misc::NibSet(hand.NibCounter, slot, 3);
    GoOn(call, 2980);
}

void GamePlay::Step2950(StepCall& call) {
    Video::DrawHands(33);
    Video::DrawKeyLabels();
    Video::DrawMessage(0, tables.MessageTable[58]);
    Video::DrawMessage(2, tables.MessageTable[54]);
    WaitForAnswer(call, 2960);
}

void GamePlay::Step2960(StepCall& call) {
    const int32_t slot = GamePlaySubs::PassSlotAtPoint(call.X, call.Y);
    if (slot < 0 || (slot < 5 && HandRank(0, slot) < 0)) {
        AwaitHumanSilent(call.KeepRunning, call.InputCue);
        return;
    }
    Video::EraseMessage(0, -1);
    Video::EraseMessage(2, -1);
    if (slot == 5) SetBit(hand.NibCounter, 1 << 29);
    hand.NibCounter = Misc::NibSet(hand.NibCounter, slot, 3);
    AnswerTaken(call, 2965);
}

void GamePlay::Step2965(StepCall& call) {
    const int32_t slot = APIs::Nib(hand.NibCounter, 3);
    if (slot > 5) return GoOn(call, 2950);
    const int32_t trump = Misc::TrumpSuit();
    const Card thrown = slot == 5 ? PassedCard() : Card{HandSuit(0, slot), HandRank(0, slot)};
    const Card passed = PassedCard();
    const bool allTrump =
        HumanTrumpCount(kLeftBower) == 5 && CountsAsTrump(passed[0], passed[1], trump, kLeftBower);
    GoOn(call, CountsAsTrump(thrown[0], thrown[1], trump, kLeftBower) && !allTrump ? 2970 : 2980);
}

void GamePlay::Step2970(StepCall& call) {
    WarnSound();
    AskYesNo(call, 55, 2975);
}

void GamePlay::Step2975(StepCall& call) {
    const int32_t answer = TakeYesNo(call);
    if (answer == 0) return;
    // Choosing again starts from a clean choice: the passed card is no longer thrown away.
    if (answer == 102) ClearBit(hand.NibCounter, 1 << 29);
    AnswerTaken(call, answer == 101 ? 2980 : 2950);
}

void GamePlay::Step2980(StepCall& call) {
    const int32_t loner = Misc::GenInfField3();
    const int32_t partner = LonersPartner();
    const int32_t bestSlot = APIs::Nib(hand.CardUp, 4);
    const int32_t thrownSlot = APIs::Nib(hand.NibCounter, 3);
    const Card best = PassedCard();
    if (!IsSeat(loner) || bestSlot > 4 || thrownSlot > 5) return GoOn(call, 5000);
    if (IsSet(hand.NibCounter, 1 << 29)) {
        hand.TradedBest[0][0] = best[0];
        hand.TradedBest[1][0] = best[1];
    } else {
        const Card thrown{HandSuit(loner, thrownSlot), HandRank(loner, thrownSlot)};
        HandSuit(partner, bestSlot) = thrown[0];
        HandRank(partner, bestSlot) = thrown[1];
        HandSuit(loner, thrownSlot) = best[0];
        HandRank(loner, thrownSlot) = best[1];
        hand.TradedBest[0][0] = thrown[0];
        hand.TradedBest[1][0] = thrown[1];
        hand.TradedBest[0][1] = best[0];
        hand.TradedBest[1][1] = best[1];
    }
    CardSound(3);
    ClearBit(hand.NibCounter, (1 << 28) | (1 << 29));
    ShowChangedHand(loner);
    GoOn(call, 5000);
}
