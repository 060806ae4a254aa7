#include <functional>

#include "engine/model/suit_knowledge.h"
#include "platform/packed_fields.h"
#include "trick_fixture.h"

namespace {

constexpr int32_t kHearts = 0, kDiamonds = 1, kClubs = 2, kSpades = 3;

struct LeadCase {
    const char* name;
    int32_t trump;
    int32_t maker;
    int32_t seat;
    int32_t trick;
    std::string_view cards;
    std::string card;
    int32_t reason;
    std::function<void()> extra = {};
};

class LeadTest : public TrickPlayTest {
  protected:
    int32_t LeadAs(const LeadCase& each) {
        TrickTable::Begin(each.trump, each.maker, (each.seat + 3) % 4, each.trick, each.seat);
        if (each.trick > 1) hand.Leader = Misc::Set3Bits(hand.Leader, (each.seat + 1) % 4, 0);
        HandText::SetHand(each.seat, each.cards);
        if (each.extra) each.extra();
        return Decide();
    }
};

TEST_F(LeadTest, LeadingChoosesTheRuleCardAndSaysWhy) {
    const std::vector<LeadCase> cases = {
        {"the last trick plays the one card left", kHearts, 1, 1, 5, "-- -- -- 9C", "9C", 75},
        {"No First Blood leads an off-suit ace even with both bowers", kHearts, 1, 1, 1,
         "RH LH 9H AC 9S", "AC", 76, [] { settings.Opts2 |= 1 << 20; }},
        {"No First Blood with a singleton king leads it", kHearts, 1, 1, 1, "RH LH 9H KC 9S", "KC",
         77, [] { settings.Opts2 |= 1 << 20; }},
        {"No First Blood without ace or king: the discard routine", kHearts, 1, 1, 1,
         "RH LH 9H TC 9S", "9S", 78, [] { settings.Opts2 |= 1 << 20; }},
        {"two off-suit aces at trick 1: the singleton ace", kDiamonds, 3, 1, 1, "AC KC AS 9H QD",
         "AS", 126},
        {"the maker with one trump at trick 2 cashes its ace", kHearts, 2, 2, 2, "-- AC 9S TD 9H",
         "AC", 136, [] { hand.CallTotal = 100; }},
        {"without trump at trick 1: the highest card", kHearts, 3, 1, 1, "9C TC QS KD 9D", "KD",
         56},
        {"a lone player with the top trumps leads the highest", kSpades, 1, 1, 2, "RS LS AS KD --",
         "RS", 43, [] { hand.GenInf = Misc::Set3Bits(hand.GenInf, 1, 3); }},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.name);
        Reset();
        SetBit(flags.Stat1, Stat1Bits::ComputerDecidesSouth);
        const int32_t slot = LeadAs(each);
        EXPECT_EQ(CardAt(each.seat, slot), each.card);
        EXPECT_EQ(analysis.ReasonCode, each.reason);
    }
}

TEST_F(LeadTest, WithOnlyTrumpLeftNoFirstBloodIsOff) {
    settings.Opts2 |= 1 << 20;
    SetBit(flags.Stat1, Stat1Bits::ComputerDecidesSouth);
    const int32_t slot = LeadAs({"", kHearts, 1, 1, 1, "RH LH AH KH QH", "", 0});
    EXPECT_NE(analysis.ReasonCode, 76);
    EXPECT_NE(analysis.ReasonCode, 78);
    EXPECT_EQ(hand.Hands[1][static_cast<size_t>(slot)][kSuitPlane], kHearts);
}

TEST_F(LeadTest, ThePartnerOfALonePlayerSitsOutWithoutAReason) {
    analysis.ReasonCode = 12;
    TrickTable::Begin(kHearts, 3, 0, 1, 1, 3);
    hand.Hands[1][0] = {-101, -105};
    EXPECT_EQ(Decide(), 0);
    EXPECT_EQ(hand.Trk[1], 7 | (15 << 4) | (1 << 8));
    EXPECT_EQ(analysis.ReasonCode, 12);
}

TEST_F(LeadTest, TheHumanIsAskedUnlessOnlyOneCardFollows) {
    TrickTable::Begin(kHearts, 1, 3, 1, 0);
    HandText::SetHand(0, "9C TC QS KD 9D");
    EXPECT_EQ(Decide(), 6);

    Reset();
    settings.Opts1 |= 1 << 12;
    TrickTable::Begin(kHearts, 1, 2, 1, 3);
    TrickTable::Play("AS");
    HandText::SetHand(0, "9C TC QS KD 9D");
    EXPECT_EQ(CardAt(0, Decide()), "QS");
    EXPECT_EQ(analysis.ReasonCode, 1);
    EXPECT_NE(hand.Tricks & (1 << 30), 0);
}

TEST_F(LeadTest, TheRecoveryCallPlaysTheHighestSlotOfTheSuitLed) {
    TrickTable::Begin(kHearts, 1, 0, 1, 1);
    TrickTable::Play("9C");
    HandText::SetHand(2, "TC KC 9S AD QD");
    SetBit(flags.Stat0, Stat0Bits::RecoveryCall);
    EXPECT_EQ(CardAt(2, Decide()), "KC");
    EXPECT_EQ(analysis.ReasonCode, 139);
    EXPECT_FALSE(IsSet(flags.Stat0, Stat0Bits::RecoveryCall));
}

TEST_F(LeadTest, EveryComputerDecisionIsACardOfItsHand) {
    InstallRandomSource(nullptr);
    for (int32_t seat = 1; seat <= 3; ++seat) {
        for (int32_t trick = 1; trick <= 4; ++trick) {
            SCOPED_TRACE(seat * 10 + trick);
            Reset();
            TrickTable::Begin(kClubs, (seat + trick) % 4, (seat + 3) % 4, trick, seat);
            HandText::SetHand(
                seat, std::string("-- -- -- -- -- ").substr(0, 3 * (trick - 1)) + "AC 9S AD QH TC");
            const int32_t slot = Decide();
            ASSERT_GE(slot, 0);
            ASSERT_LE(slot, 4);
            EXPECT_GE(hand.Hands[static_cast<size_t>(seat)][static_cast<size_t>(slot)][kRankPlane],
                      0);
        }
    }
}

}  // namespace
