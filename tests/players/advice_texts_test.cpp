#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "engine/model/state/hand_state.h"
#include "engine/model/state/tables.h"
#include "platform/packed_fields.h"
#include "players/advice_texts.h"
#include "players/analysis_state.h"
#include "support/hand_text.h"

namespace {

// Every advice entry reads as its own number, so a text shows the entries it joined.
class AdviceTextsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        hand = {};
        analysis = {};
        tables = {};
        for (size_t n = 209; n <= 265; ++n) tables.MessageTable[n] = "<" + std::to_string(n) + ">";
        tables.MessageTable[252] = "<252 needs 1 point, 1 point>";
    }
    void TearDown() override {
        hand = {};
        analysis = {};
        tables = {};
    }
    static int32_t Bits(std::initializer_list<int> bits) {
        int32_t word = 0;
        for (int bit : bits) word |= 1 << bit;
        return word;
    }
    // The turned-up card, the dealer and the trump made.
    static void Table(const char* up, int dealer, int trump) {
        const auto [suit, rank] = HandText::ParseCard(up);
        hand.CardUp = Misc::NibSet(Misc::NibSet(hand.CardUp, suit, 0), rank, 1);
        hand.GenInf = Misc::Set3Bits(Misc::Set3Bits(hand.GenInf, dealer, 4), trump, 0);
    }
};

struct CallCase {
    const char* name;
    int reason;
    int target;
    int suit;
    std::initializer_list<int> bits;
    const char* up;
    int dealer;
    const char* expected;
    int suitAfter;
};

TEST_F(AdviceTextsTest, TrumpCallAdviceJoinsTheEntriesItsBitsChoose) {
    const CallCase cases[] = {
        {"both bowers and the ace", 100, 1, 2, {2, 3, 4}, "9H", 1, "<217>Go For It!", 2},
        {"last opening stands", 100, 1, 2, {1, 16}, "9H", 1, "<213>Go For It!", 2},
        {"opening, bower, remarks", 101, 2, 2, {1, 12, 2, 6, 17}, "9H", 1,
         "<210><214><223><228>Go For It!", 2},
        {"pass, seat 3 deals both bowers", 100, 2, 2, {2, 3, 13, 30}, "9D", 3, "<229><230>", 1},
        {"pass, neither bower", 100, 2, 0, {5}, "9D", 1, "<235><237>", 1},
        {"pass, nothing set", 100, 2, 0, {}, "9D", 1, "<237>", 1},
        {"pass, jack turned to an opponent", 100, 2, 0, {13, 5, 20}, "JD", 1,
         "<231><234><237>", 1},
        {"pass, opponent, right bower", 100, 2, 0, {13, 2, 19}, "9D", 1, "<232><236><237>", 1},
        {"pass, another suit is better", 100, 2, 0, {13, 5, 30}, "9D", 1, "<238>", 1},
        {"no suit to call", 101, 4, -1, {}, "9D", 1, "<239>", -1},
        {"no case", 100, 3, 0, {2, 3}, "9D", 1, "", 0},
    };
    for (const CallCase& c : cases) {
        SetUp();
        Table(c.up, c.dealer, 7);
        analysis.ReasonCode = c.reason;
        analysis.HintTarget = c.target;
        // The bits go to the suit the text must read: the turned-up one for a pass.
        const int read = c.suitAfter >= 0 ? c.suitAfter : 0;
        analysis.SuitAnalysis[static_cast<size_t>(read)] = Bits(c.bits);
        int32_t suit = c.suit;
        EXPECT_EQ(Logics::TrumpCallAdvice(suit), c.expected) << c.name;
        EXPECT_EQ(suit, c.suitAfter) << c.name;
    }
}

struct LonerCase {
    const char* name;
    int target;
    int rating;
    int points;
    std::initializer_list<int> bits;
    const char* cards;
    const char* up;
    int dealer;
    const char* expected;
};

TEST_F(AdviceTextsTest, LonerAdviceByRatingScoreAndBits) {
    const LonerCase cases[] = {
        {"four trumps with the right", 1, 7, 0, {}, "RH AH KH QH 9S", "9D", 1, "<247>"},
        {"strong trumps, no right", 1, 8, 0, {}, "LH AH KH QH AS", "9D", 1, "<248><240>"},
        {"the dealer took the jack", 1, 7, 0, {}, "LH AH KH QH 9S", "JH", 0, "<247>"},
        {"rating 6 with bit 30", 1, 6, 0, {30}, "RH", "9D", 1, "<245>"},
        {"unknown rating", 1, 12, 0, {}, "RH", "9D", 1, ""},
        {"highest reason stands", 2, 2, 0, {0, 3, 7}, "RH", "9D", 1, "<261>"},
        {"weak, no reason", 2, 5, 6, {11}, "RH", "9D", 1, "<253>"},
        {"at 8 points", 2, 5, 8, {3}, "RH", "9D", 1, "<252 needs 2 points, 2 points>"},
        {"at 9 points", 2, 5, 9, {}, "RH", "9D", 1, "<252 needs 1 point, 1 point>"},
        {"cancel", 4, 5, 0, {}, "RH", "9D", 1, "<265>"},
    };
    for (const LonerCase& c : cases) {
        SetUp();
        Table(c.up, c.dealer, 0);
        HandText::SetHand(0, c.cards);
        analysis.ReasonCode = 100;
        analysis.HintTarget = c.target;
        analysis.LonerAnalysis = Bits(c.bits);
        hand.NibCounter = Misc::NibSet(hand.NibCounter, c.rating, 6);
        hand.Score = Misc::NibSet(hand.Score, c.points, 0);
        EXPECT_EQ(Logics::LonerAdvice(), c.expected) << c.name;
    }
}

}  // namespace
