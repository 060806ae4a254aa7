#include "players/partners_best.h"

#include <gtest/gtest.h>

#include "engine/model/state/hand_state.h"
#include "platform/packed_fields.h"
#include "players/analysis_state.h"
#include "support/hand_text.h"

namespace {

struct BestCase {
    const char* cards;  // the partner's hand, seat 2
    int32_t trump;
    int32_t slot;
    int32_t reason;
};

class PartnersBestTest : public ::testing::TestWithParam<BestCase> {
  protected:
    void SetUp() override {
        hand = {};
        analysis = {};
    }
    void TearDown() override { hand = {}; }
};

TEST_P(PartnersBestTest, PassesTheExpectedCard) {
    const BestCase& c = GetParam();
    hand.GenInf = Misc::Set3Bits(Misc::Set3Bits(hand.GenInf, c.trump, 0), 0, 3);
    HandText::SetHand(2, c.cards);
    EXPECT_EQ(Logics::PartnersBestCard(), c.slot);
    EXPECT_EQ(analysis.ReasonCode, c.reason);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PartnersBestTest,
    ::testing::Values(
        // Both bowers: the right one; the left one alone; else the highest trump.
        BestCase{"LH 9C RH AS TD", 0, 2, 104}, BestCase{"9C LH AH AS TD", 0, 1, 104},
        BestCase{"9C QH AS KH TD", 0, 3, 104},
        // No trump: a single ace; of two aces the one of the shorter suit.
        BestCase{"9C QC AS KD TD", 0, 2, 105}, BestCase{"AC QC AS KS TS", 0, 0, 105},
        // Two aces of equally long suits: the second when the first is of trump's colour.
        BestCase{"AD QD AS KS 9C", 0, 2, 105}, BestCase{"AC QC AS KS 9D", 0, 0, 105},
        // Three aces: the one alone in its suit.
        BestCase{"AD AC AS KD QC", 0, 2, 105},
        // Three queens, one alone in its suit.
        BestCase{"QD QC QS 9D 9C", 0, 2, 106}));

}  // namespace
