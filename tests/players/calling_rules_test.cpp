#include "engine/model/calling_rules.h"

#include "calling_fixture.h"
#include "engine/hand_slots.h"

namespace {

using CallingRulesTest = CallingFixture;

TEST_F(CallingRulesTest, GivesTheRuleThatForcesTheSeat) {
    struct Case {
        const char* name;
        const char* upCard;
        int position;
        int round;
        int options;
        int steps;
        int expected;
    } cases[] = {
        {"king and jack rules, a jack turned up", "JH", 4, 1, (1 << 24) | (1 << 25), 1, 4},
        {"king and jack rules, a king turned up", "KH", 4, 1, (1 << 24) | (1 << 25), 1, 3},
        {"a king turned up, every caller alone", "KH", 4, 1, (1 << 24) | (1 << 27), 1, 8},
        {"stick the dealer in the third pass", "9H", 4, 2, (1 << 1) | (1 << 6) | (1 << 27), 3, 2},
        {"stick the dealer", "9H", 4, 2, 1 << 1, 2, 1},
        {"stick the dealer, every caller alone", "9H", 4, 2, (1 << 1) | (1 << 27), 2, 7},
        {"stick the dealer variant", "9H", 4, 2, (1 << 1) | (1 << 6), 2, 0},
        {"a joker turned up", "BJ", 4, 1, 1 << 1, 1, 6},
        {"not the dealer in round 2", "9H", 3, 2, 1 << 1, 2, 0},
        {"not the dealer in round 1", "KH", 2, 1, (1 << 24) | (1 << 1), 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        Calling(c.upCard, 0, c.position, c.round);
        hand.GenInf = Misc::Set3Bits(hand.GenInf, c.steps, 8);
        settings.Opts2 = c.options;
        EXPECT_EQ(GamePlaySubs::CheckCallingRules(c.position % 4), c.expected);
    }
}

TEST_F(CallingRulesTest, BaggersBustedMakesASeatWithThreeOfASuitCall) {
    HandText::SetHand(2, "9S TS QS 9C TD");
    Calling("9H", 0, 2, 2);
    settings.Opts2 = 1 << 26;
    EXPECT_EQ(GamePlaySubs::CheckCallingRules(2), 5);
    settings.Opts2 |= 1 << 0;
    EXPECT_EQ(GamePlaySubs::CheckCallingRules(2), 10);
    settings.Opts2 |= 1 << 27;
    EXPECT_EQ(GamePlaySubs::CheckCallingRules(2), 9);
}

TEST_F(CallingRulesTest, TheComputerRuleAndTheHumanSeat) {
    Calling("JH", 0, 1, 1);
    settings.Opts2 = (1 << 24) | (1 << 25);
    EXPECT_EQ(GamePlaySubs::CallRuleForComputer(), 2);
    Calling("KH", 0, 1, 1);
    EXPECT_EQ(GamePlaySubs::CallRuleForComputer(), 1);
    EXPECT_TRUE(GamePlaySubs::IsHumanSeat(0));
    SetBit(flags.Stat1, Stat1Bits::ComputerDecidesSouth);
    EXPECT_FALSE(GamePlaySubs::IsHumanSeat(0));
}

TEST_F(CallingRulesTest, PicksTheCardUnderThePointOrTheKey) {
    const HandBox box{100, 400, 60, 90, 0, 0, -1, -1};
    HandText::SetHand(0, "9H -- JD QC KS");
    int32_t slot = -9;
    // Four cards: the row starts at 100 + 20 and steps 40 pixels.
    EXPECT_EQ(GamePlaySubs::HandSlotAtPoint(165, 450, 4, slot, box), 2);
    EXPECT_EQ(slot, 2);
    EXPECT_EQ(GamePlaySubs::HandSlotAtPoint(-5, 0, 4, slot, box), -1);
    EXPECT_EQ(GamePlaySubs::HandSlotAtPoint(-1, 0, 4, slot, box), 0);
    EXPECT_EQ(GamePlaySubs::HandSlotAtPoint(300, 450, 4, slot, box), 4);
    EXPECT_EQ(GamePlaySubs::HandSlotAtPoint(301, 450, 4, slot, box), -1);
    EXPECT_EQ(GamePlaySubs::PassSlotAtPoint(-6, 0, slot, box), 5);
    EXPECT_EQ(GamePlaySubs::PassSlotAtPoint(100 + 0.54 * 60 * 2 + 1, 450, slot, box), 2);
}

}  // namespace
