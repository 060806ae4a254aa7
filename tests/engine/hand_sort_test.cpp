#include <gtest/gtest.h>

#include <string>

#include "engine/model/sorts.h"
#include "engine/model/state/hand_state.h"
#include "platform/random_source.h"
#include "support/hand_text.h"

namespace {

class HandSortTest : public ::testing::Test {
  protected:
    void SetUp() override { InstallRandomSource(&random); }
    void TearDown() override {
        hand = {};
        InstallRandomSource(nullptr);
    }
    static std::string Sorted(const std::string& cards) {
        HandText::SetHand(0, cards);
        Sorts::SortHand(hand.Hands, 0);
        return Text();
    }
    static std::string Text() {
        std::string text;
        for (size_t slot = 0; slot < 5; ++slot) {
            if (!text.empty()) text += ' ';
            text += HandText::CardText(hand.Hands[0][slot]);
        }
        return text;
    }
    SeededRandom random{11};
};

TEST_F(HandSortTest, SuitGroupsAlternateInColourWhereTheHandAllows) {
    EXPECT_EQ(Sorted("9S AD TH KC QD"), "TH KC AD QD 9S");
    EXPECT_EQ(Sorted("9S TH KC QH AS"), "KC QH TH AS 9S");
    EXPECT_EQ(Sorted("9S TH KD QH AS"), "QH TH AS 9S KD");
    EXPECT_EQ(Sorted("9C TH KD QH AD"), "QH TH 9C AD KD");
    // Two suits missing: nothing moves beyond the suit order.
    EXPECT_EQ(Sorted("9D TH KD QH AD"), "QH TH AD KD 9D");
}

TEST_F(HandSortTest, OneSuitSortsByRankWithTheBowersFirstAndTheJokerLast) {
    EXPECT_EQ(Sorted("9S AS TS KS QS"), "AS KS QS TS 9S");
    EXPECT_EQ(Sorted("9H AH RH KH BJ"), "RH AH KH 9H BJ");
    EXPECT_EQ(Sorted("9C RC AC QC LC"), "RC LC AC QC 9C");
    EXPECT_EQ(Sorted("BJ TH JS AH 9S"), "AH TH JS 9S BJ");
}

TEST_F(HandSortTest, SortingTwiceChangesNothingWhateverThePivots) {
    for (uint32_t seed = 0; seed < 500; ++seed) {
        random.Seed(seed);
        HandText::SetHand(0, seed % 2 ? "JD 9S AH TC KD" : "QS BJ 9H AC TC");
        Sorts::SortHand(hand.Hands, 0);
        const std::string once = Text();
        Sorts::SortHand(hand.Hands, 0);
        ASSERT_EQ(Text(), once) << "seed " << seed;
    }
}

TEST_F(HandSortTest, TheQuickSortStaysInsideTheSlotsItIsGiven) {
    HandText::SetHand(0, "AS KS QS TS 9S");
    hand.Hands[0][5] = {-1, -1};
    for (uint32_t seed = 0; seed < 200; ++seed) {
        random.Seed(seed);
        Sorts::QuickSortHand(1, 3, hand.Hands, 0);
        ASSERT_EQ(hand.Hands[0][0][kRankPlane], 5);
        ASSERT_EQ(hand.Hands[0][4][kRankPlane], 0);
        ASSERT_EQ(hand.Hands[0][5][kSuitPlane], -1);
    }
}

}  // namespace
