#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>

#include "engine/deal.h"
#include "engine/hand_log.h"
#include "engine/model/card_codes.h"
#include "engine/model/hand_words.h"
#include "platform/packed_fields.h"
#include "platform/random_source.h"
#include "support/game_driver.h"
#include "support/temp_data_folder.h"

namespace {

constexpr int32_t kRandomFirstDealer = 1 << 9;
constexpr int32_t kHumanDealsFirst = 1 << 10;
constexpr int32_t kFirstJokerDeals = 1 << 11;
constexpr int32_t kNewDealerEachGame = 1 << 12;

class NewHandStepsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        InstallRandomSource(&random);
        settings.PlayerNames = {"Pat", "West", "North", "East"};
    }
    void TearDown() override { InstallRandomSource(nullptr); }
    // A new game from the first click after loading, up to the first calling step.
    void StartGame() {
        game.stopAtLine = "Starting Loop for Calling Trump";
        flow.Ptrg = 5;
        flow.InputOpen = true;
        game.Click();
        game.stopAtLine.clear();
        flow.QuitNow = false;
    }
    static bool HandDealt() {
        std::set<std::pair<int32_t, int32_t>> cards;
        for (const auto& seat : hand.DealtHands) {
            for (size_t slot = 0; slot < 5; ++slot) cards.emplace(seat[slot][0], seat[slot][1]);
        }
        return cards.size() == 20;
    }
    GameDriver game;
    SeededRandom random{31};
};

TEST_F(NewHandStepsTest, EachFirstDealerRuleReachesADealtHand) {
    struct Rule {
        int32_t opts3;
        std::string line;
    };
    for (const Rule& rule :
         {Rule{0, "First Jack Deals First"}, Rule{kFirstJokerDeals, "First Joker Deals First"},
          Rule{kRandomFirstDealer, "Determine who Deals First"},
          Rule{kHumanDealsFirst, "Human Deals First"}}) {
        SCOPED_TRACE(rule.line);
        hand = {};
        game.trace.clear();
        settings.Opts3 = rule.opts3;
        StartGame();
        EXPECT_TRUE(game.Traced(rule.line));
        EXPECT_TRUE(game.Traced("Would Test for Benny Here"));
        EXPECT_TRUE(HandDealt());
        EXPECT_TRUE(game.Traced("Starting Loop for Calling Trump"));
        EXPECT_TRUE(IsSet(flags.Stat2, Stat2Bits::GameInProgress));
        if (rule.opts3 == kHumanDealsFirst) {
            EXPECT_EQ(Misc::DealerSeat(), 0);
        }
        if (rule.opts3 == 0) {
            int count = 0;
            while (hand.FirstDealerCards[count] / 16 != CardFunctions::kJack) ++count;
            EXPECT_EQ(Misc::DealerSeat(), (count + 1) % 4);
        }
    }
}

TEST_F(NewHandStepsTest, WithoutANewDealerEachGameTheRotationGoesOn) {
    settings.Opts3 = kHumanDealsFirst;
    StartGame();
    for (int n = 0; n < 2; ++n) {
        flow.Ptrg = 1000;
        game.Call(1, 0);
    }
    EXPECT_EQ(Misc::DealerSeat(), 2);
    StartGame();
    EXPECT_EQ(Misc::DealerSeat(), 3);
    settings.Opts3 = kHumanDealsFirst | kNewDealerEachGame;
    StartGame();
    EXPECT_EQ(Misc::DealerSeat(), 0);
}

TEST_F(NewHandStepsTest, AReplayDealsTheSameHandAgainWithNoScore) {
    settings.Opts3 = kRandomFirstDealer;
    StartGame();
    const HandTable dealt = hand.DealtHands;
    const int32_t up = hand.CardUp & 0xFF;
    const int32_t dealer = Misc::DealerSeat();
    hand.Hands[0][0][1] = -hand.Hands[0][0][1] - 1;

    // The replay button asks; its own call is no answer.
    flow.Ptrg = 1010;
    game.PressReplay();
    EXPECT_EQ(flow.Ptrg, 13000);
    EXPECT_TRUE(game.Traced("Pat To Verify wanting a RePlay at Ptrg=13000."));
    EXPECT_FALSE(IsSet(flags.Stat0, Stat0Bits::ReplayRunning));
    EXPECT_EQ(game.table.Choice(4).Tag, "R");

    game.Answer(1);
    EXPECT_TRUE(game.Traced("Replaying Hand by Human Request."));
    EXPECT_TRUE(IsSet(flags.Stat0, Stat0Bits::ReplayNoScore));
    EXPECT_FALSE(IsSet(flags.Stat0, Stat0Bits::ReplayRequested));
    EXPECT_EQ(hand.Hands, dealt);
    EXPECT_EQ(hand.CardUp & 0xFF, up);
    EXPECT_EQ(Misc::DealerSeat(), dealer);
    EXPECT_TRUE(game.Traced("Would Test for Benny Here"));
}

TEST_F(NewHandStepsTest, DecliningTheReplayGoesToTheDecisionAfterTheHand) {
    settings.Opts3 = kHumanDealsFirst;
    StartGame();
    SetBit(flags.Stat0, Stat0Bits::ReplayRequested);
    flow.Ptrg = 1000;
    game.Call(1, 0);
    EXPECT_EQ(flow.Ptrg, 13000);
    game.Answer(0);
    EXPECT_EQ(flow.Ptrg, 13000) << "an answer not offered leaves the question";
    game.trace.clear();
    game.Answer(2);
    EXPECT_FALSE(IsSet(flags.Stat0, Stat0Bits::ReplayRequested));
    EXPECT_FALSE(IsSet(flags.Stat0, Stat0Bits::ReplayRunning));
    EXPECT_TRUE(game.Traced("Start of new HAND"));
}

TEST_F(NewHandStepsTest, TheReplayQuestionIsDrawnOnceWithinHalfASecond) {
    settings.Opts3 = kHumanDealsFirst;
    tables.MessageTable[52] = "Replay this hand?";
    StartGame();
    flow.Ptrg = 1010;
    game.timing.time.Advance(600);
    game.table.picBRefreshes.clear();
    game.PressReplay();
    EXPECT_EQ(tableMessages.ShownMessages[1], "Replay this hand?");
    // The hands are shown as they stand, not dealt again card by card.
    for (int box : {1, 3, 4, 5}) {
        EXPECT_EQ(std::count(game.table.picBRefreshes.begin(), game.table.picBRefreshes.end(), box),
                  1);
    }
    const int32_t asked = flow.ReplayAskTime;
    game.PressReplay();
    EXPECT_EQ(flow.ReplayAskTime, asked);
    game.timing.time.Advance(600);
    game.PressReplay();
    EXPECT_NE(flow.ReplayAskTime, asked);
}

TEST_F(NewHandStepsTest, ANewGameCanDealTheLoggedHandWithItsDealer) {
    TempDataFolder folder;
    GamePlaySubs::DealHand(0);
    GamePlaySubs::DealHand(0);
    GamePlaySubs::DealHand(0);
    const HandState logged = hand;
    Misc::WriteHandLog(Misc::kAnalysisLogMode);
    hand = {};
    SetBit(flags.Stat2, Stat2Bits::ReloadHandFromLog);
    StartGame();
    EXPECT_EQ(hand.Hands, logged.Hands);
    EXPECT_EQ(Misc::DealerSeat(), 2);
    EXPECT_FALSE(IsSet(flags.Stat2, Stat2Bits::ReloadHandFromLog));
    EXPECT_TRUE(IsSet(flags.Stat2, Stat2Bits::HandReloaded));
    EXPECT_TRUE(game.boxes.shown().empty());
}

}  // namespace
