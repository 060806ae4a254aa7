#include "players/redeal_test.h"

#include "calling_fixture.h"
#include "platform/random_source.h"

namespace {

constexpr int32_t kTradeBit = 1 << 29;
constexpr int32_t kAllKinds = 0xF << 12;
constexpr int32_t kKittyRule = 1 << 16;

class RedealTest : public CallingFixture {
  protected:
    void SetUp() override {
        CallingFixture::SetUp();
        for (int seat = 0; seat < 4; ++seat) HandText::SetHand(seat, "AH KH QD JC KS");
        Call(/*trump*/ 0, /*maker*/ 0, /*loner*/ 7);
    }
    void TearDown() override {
        InstallRandomSource(nullptr);
        CallingFixture::TearDown();
    }
    void Call(int32_t trump, int32_t maker, int32_t loner, int32_t rule = 0) {
        hand.GenInf = Misc::Set3Bits(hand.GenInf, trump, 0);
        hand.GenInf = Misc::Set3Bits(hand.GenInf, maker, 2);
        hand.GenInf = Misc::Set3Bits(hand.GenInf, loner, 3);
        hand.CardUp = Misc::NibSet(hand.CardUp, rule, 5);
    }
};

TEST_F(RedealTest, WithNoKindEnabledNobodyAsksAndNoBitIsSet) {
    HandText::SetHand(1, "9H TH 9D TD 9C");
    hand.CardUp |= kTradeBit;
    EXPECT_EQ(Logics::FindRedealHand(0), 7);
    EXPECT_FALSE(IsSet(hand.CardUp, kTradeBit));
}

TEST_F(RedealTest, EachKindNeedsItsOwnOption) {
    struct Case {
        const char* cards;
        int option;
        bool asks;
    };
    // Seat 0 (maker) keeps the hands of seat 1 under test free of the team checks: seat 1
    // is on the other team with nobody alone and no forced call, so it stays a candidate.
    const Case cases[] = {
        {"9S TS 9D TD 9C", 12, true},  {"9H TS 9D TD 9C", 12, false}, {"9H TS 9D TD 9C", 13, true},
        {"QH TS QD TD QC", 14, true},  {"QH TS QD TD QC", 13, false}, {"AS TS 9D TD 9C", 15, true},
        {"AS KS 9D TD 9C", 15, false},
    };
    for (const Case& c : cases) {
        settings.Opts2 = 1 << c.option;
        HandText::SetHand(1, c.cards);
        EXPECT_EQ(Logics::FindRedealHand(0), c.asks ? 1 : 7) << c.cards << " bit " << c.option;
    }
}

TEST_F(RedealTest, TheHumansHandIsLeftToTheHumanButTheHintLooksAtIt) {
    settings.Opts2 = kAllKinds;
    Call(0, 1, 7);
    HandText::SetHand(0, "9S TS 9D TD 9C");
    // The maker's opponent, no team check drops seat 0 when the hint asks.
    EXPECT_EQ(Logics::FindRedealHand(0), 0);
    EXPECT_EQ(Logics::FindRedealHand(1), 0);
}

TEST_F(RedealTest, AHandWhosePartnerMadeTrumpIsDroppedOrTradedWithTheKitty) {
    settings.Opts2 = kAllKinds;
    Call(0, 3, 7);
    HandText::SetHand(1, "9S TS 9D TD 9C");
    EXPECT_EQ(Logics::FindRedealHand(0), 7);
    EXPECT_EQ(analysis.ReasonCode, 107);

    settings.Opts2 |= kKittyRule;
    EXPECT_EQ(Logics::FindRedealHand(0), 1);
    EXPECT_EQ(analysis.ReasonCode, 108);
    EXPECT_TRUE(IsSet(hand.CardUp, kTradeBit));

    // The kitty is closed once a three-of-a-kind trade put known cards into it.
    hand.GenInf |= kGenInfKittyKnown;
    EXPECT_EQ(Logics::FindRedealHand(0), 7);
    EXPECT_FALSE(IsSet(hand.CardUp, kTradeBit));
}

TEST_F(RedealTest, AForcedCallKeepsTheHandUnlessItHoldsAnAce) {
    settings.Opts2 = kAllKinds;
    Call(0, 3, 7, /*rule*/ 1);
    SetBit(flags.Stat2, Stat2Bits::MustCall);
    HandText::SetHand(1, "9S TS 9D TD 9C");
    EXPECT_EQ(Logics::FindRedealHand(0), 1);
    EXPECT_EQ(analysis.ReasonCode, 109);
    HandText::SetHand(1, "AS TS 9D TD 9C");
    EXPECT_EQ(Logics::FindRedealHand(0), 7);
    EXPECT_EQ(analysis.ReasonCode, 110);
}

TEST_F(RedealTest, ACandidateIsJudgedAgainByTheLaterPasses) {
    settings.Opts2 = kAllKinds;
    // Seat 3's hand is found first; the pass of seat 1 (whose partner, seat 3, is the
    // maker) drops it.
    Call(0, 3, 7);
    HandText::SetHand(3, "9S TS 9D TD 9C");
    EXPECT_EQ(Logics::FindRedealHand(0), 7);
    EXPECT_EQ(analysis.ReasonCode, 107);
    // A later seat whose hand is of a kind replaces the candidate.
    Call(0, 0, 7);
    HandText::SetHand(1, "QH TS QD TD QC");
    EXPECT_EQ(Logics::FindRedealHand(0), 1);
}

TEST_F(RedealTest, APartnerAloneKeepsTheHandOnlyAtTheEndOfTheGameAndByChance) {
    settings.Opts2 = kAllKinds;
    Call(0, 3, 3, /*rule*/ 7);
    HandText::SetHand(1, "9S TS 9D TD 9C");
    EXPECT_EQ(Logics::FindRedealHand(0), 7);
    EXPECT_EQ(analysis.ReasonCode, 121);

    SetBit(flags.Stat2, Stat2Bits::MustGoAlone);
    EXPECT_EQ(Logics::FindRedealHand(0), 7);
    EXPECT_EQ(analysis.ReasonCode, 119);

    hand.Score = Misc::NibSet(Misc::NibSet(0, 8, 0), 9, 1);
    ScriptedRandom random({0.9, 0.1});
    InstallRandomSource(&random);
    EXPECT_EQ(Logics::FindRedealHand(0), 1);
    EXPECT_EQ(analysis.ReasonCode, 118);
    EXPECT_EQ(Logics::FindRedealHand(0), 7);
    EXPECT_EQ(analysis.ReasonCode, 120);
}

TEST_F(RedealTest, AgainstALonerTheKittyIsTradedUnlessAJackWasTurned) {
    settings.Opts2 = kAllKinds | kKittyRule;
    Call(0, 0, 0, /*rule*/ 7);
    SetBit(flags.Stat2, Stat2Bits::MustGoAlone);
    HandText::SetHand(1, "9S TS 9D TD 9C");
    EXPECT_EQ(Logics::FindRedealHand(0), 1);
    EXPECT_EQ(analysis.ReasonCode, 123);
    EXPECT_TRUE(IsSet(hand.CardUp, kTradeBit));

    hand.CardUp = Misc::NibSet(hand.CardUp, 2, 1);
    EXPECT_EQ(Logics::FindRedealHand(0), 1);
    EXPECT_EQ(analysis.ReasonCode, 122);
    EXPECT_FALSE(IsSet(hand.CardUp, kTradeBit));
}

TEST_F(RedealTest, TheHumansPartnerMayBeToldNeverToAsk) {
    settings.Opts2 = kAllKinds;
    settings.Partner = 1 << 11;
    Call(0, 0, 7);
    HandText::SetHand(2, "9S TS 9D TD 9C");
    EXPECT_EQ(Logics::FindRedealHand(0), 7);
    EXPECT_EQ(analysis.ReasonCode, 125);
}

}  // namespace
