#include "engine/hand_log.h"

#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>
#include <string>
#include <vector>

#include "engine/deal.h"
#include "engine/model/game_trace.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "platform/atomic_file.h"
#include "platform/packed_fields.h"
#include "platform/random_source.h"
#include "platform/settings/player_settings.h"
#include "support/scripted_message_boxes.h"
#include "support/temp_data_folder.h"
#include "support/virtual_timing.h"

namespace {

class HandLogTest : public ::testing::Test {
  protected:
    void TearDown() override {
        hand = {};
        flags = {};
        settings = {};
        InstallRandomSource(nullptr);
    }
    static std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        size_t start = 0;
        for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
            lines.push_back(text.substr(start, end - start));
        EXPECT_EQ(start, text.size()) << "every line ends in CR LF";
        return lines;
    }
    // A deal from the seed with the reload asked for, as the game runs it.
    static void DealWithReload(uint32_t seed) {
        SeededRandom random(seed);
        InstallRandomSource(&random);
        SetBit(flags.Stat2, Stat2Bits::ReloadHandFromLog);
        GamePlaySubs::DealHand(0);
        InstallRandomSource(nullptr);
    }
    static HandTable RandomDeal(uint32_t seed) {
        const HandState saved = hand;
        SeededRandom random(seed);
        InstallRandomSource(&random);
        GamePlaySubs::DealHand(0);
        const HandTable dealt = hand.Hands;
        hand = saved;
        InstallRandomSource(nullptr);
        return dealt;
    }
    VirtualTiming timing;
    ScriptedMessageBoxes boxes;
    TempDataFolder folder;
};

TEST_F(HandLogTest, TheLinesFollowTheFormat) {
    GamePlaySubs::DealHand(0);
    hand.GenInf = 941621247;
    flags.Stat1 = -5;
    hand.Hands[1][2] = {-102, -104};
    hand.DealtHands[1][2] = {-102, -104};
    hand.DealtHands[0][0][kRankPlane] = -hand.DealtHands[0][0][kRankPlane] - 1;
    const std::vector<std::string> lines = Lines(Misc::HandLogText(Misc::kAnalysisLogMode));
    ASSERT_EQ(lines.size(), 27u);
    EXPECT_EQ(lines[0].rfind("Hand Information for Analysis. ", 0), 0u);
    EXPECT_EQ(lines[2], "Stat1:-5 ");
    EXPECT_EQ(lines[4], "Stat3: 0 ");
    EXPECT_EQ(lines[11], "GenInf: 941621247 ");
    EXPECT_EQ(lines[12], "CardUp: " + std::to_string(hand.CardUp) + " ");
    std::string played = "CardsPlayed: 61695";
    for (int i = 1; i <= 20; ++i) played += ", 61695";
    for (int i = 21; i <= 24; ++i) played += ", " + std::to_string(hand.CardsPlayed[i]);
    EXPECT_EQ(lines[15], played);
    EXPECT_EQ(lines[19], "Trk: 247, 247, 247, 247, 247, 247, ");
    EXPECT_EQ(lines[20], "Leader: 32767 ");
    EXPECT_EQ(lines[25], lines[20]);
    const std::string& hands = lines[26];
    EXPECT_EQ(hands.rfind("Hands: ", 0), 0u);
    EXPECT_EQ(hands.substr(hands.size() - 5), std::to_string(hand.DealtHands[3][4][1]) + ", 99");
    EXPECT_EQ(std::count(hands.begin(), hands.end(), ','), 40);
    EXPECT_EQ(std::count(hands.begin(), hands.end(), ' '), 1 + 20 + 38 + 1);
    EXPECT_EQ(hands.find('-'), std::string::npos);
    EXPECT_EQ(Lines(Misc::HandLogText(Misc::kErrorLogMode))[0].rfind("Error in MainLogic. ", 0),
              0u);
}

TEST_F(HandLogTest, AWrittenHandIsDealtAgainFromTheLog) {
    settings.Opts2 |= 1 << 19;
    GamePlaySubs::DealHand(0);
    GamePlaySubs::DealHand(0);
    hand.Score = 0x35;
    settings.Opts1 = 5;
    settings.Opts3 = 1 << 9;
    if (APIs::Nib(hand.CardUp, 1) == 2) hand.CardUp = Misc::NibSet(hand.CardUp, 8, 1);
    const HandState logged = hand;
    Misc::WriteHandLog(Misc::kAnalysisLogMode);
    ASSERT_TRUE(QFile::exists(QString::fromStdString(folder.File("KavlorHandAnalysis.log"))));

    hand = {};
    settings.Opts1 = 0;
    settings.Opts3 = 0;
    DealWithReload(77);
    EXPECT_EQ(hand.Hands, logged.Hands);
    EXPECT_EQ(hand.DealtHands, logged.Hands);
    const int32_t upRank = APIs::Nib(logged.CardUp, 1) == 8 ? 2 : APIs::Nib(logged.CardUp, 1);
    EXPECT_EQ(hand.CardUp & 0xFF, upRank * 16 + APIs::Nib(logged.CardUp, 0));
    for (int i = 21; i <= 24; ++i) {
        EXPECT_EQ(hand.CardsPlayed[i] & 0xFF, logged.CardsPlayed[i] & 0xFF);
        EXPECT_EQ(APIs::Nib(hand.CardsPlayed[i], 3), kKittySeatCode);
        EXPECT_EQ(hand.CardsPlayed[i + 4], hand.CardsPlayed[i]);
    }
    EXPECT_EQ(Misc::Get3Bits(hand.GenInf, 4), Misc::Get3Bits(logged.GenInf, 4));
    EXPECT_EQ(hand.Score, 0x35);
    EXPECT_EQ(settings.Opts1, 5 | (1 << 11));
    EXPECT_EQ(settings.Opts3, 1 << 9);
    EXPECT_FALSE(IsSet(flags.Stat2, Stat2Bits::ReloadHandFromLog));
    EXPECT_TRUE(IsSet(flags.Stat2, Stat2Bits::HandReloaded));
    EXPECT_TRUE(boxes.shown().empty());

    // A replay of the reloaded hand keeps its dealer.
    GamePlaySubs::ResetHandForReplay();
    EXPECT_EQ(Misc::Get3Bits(hand.GenInf, 4), Misc::Get3Bits(logged.GenInf, 4));
    EXPECT_EQ(hand.Hands, logged.Hands);
}

// The up card and the kitty are logged as re-marked once hearts were made: the bowers and
// the joker are read back as dealt.
TEST_F(HandLogTest, CardsReMarkedForTrumpAreReadBackAsDealt) {
    SeededRandom random(1);
    InstallRandomSource(&random);
    settings.Opts2 |= 1 << 19;
    const auto remarked = [](int32_t entry) {
        const int32_t card = entry & 0xFF;
        if (card == 0x20) return Misc::NibSet(entry, 8, 1);
        if (card == 0x21) return Misc::NibSet(Misc::NibSet(entry, 0, 0), 7, 1);
        if (APIs::Nib(entry, 1) == 6) return Misc::NibSet(Misc::NibSet(entry, 0, 0), 9, 1);
        return entry;
    };
    for (int n = 0; n < 100; ++n) {
        GamePlaySubs::DealHand(0);
        const HandState dealt = hand;
        hand.CardUp = remarked(hand.CardUp);
        for (size_t i = 21; i <= 24; ++i) hand.CardsPlayed[i] = remarked(hand.CardsPlayed[i]);
        const std::string text = Misc::HandLogText(Misc::kAnalysisLogMode);
        hand.CardUp = 0;
        ASSERT_TRUE(Misc::TakeHandLog(text));
        EXPECT_EQ(hand.CardUp & 0xFF, dealt.CardUp & 0xFF);
        for (size_t i = 21; i <= 24; ++i) EXPECT_EQ(hand.CardsPlayed[i], dealt.CardsPlayed[i]);
    }
}

TEST_F(HandLogTest, AnyBrokenLogKeepsTheRandomDeal) {
    GamePlaySubs::DealHand(0);
    const std::string good = Misc::HandLogText(Misc::kAnalysisLogMode);
    const auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        const size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return text.replace(at, from.size(), to);
    };
    const size_t handsAt = good.find("Hands: ");
    const HandState dealt = hand;
    const auto textWith = [&](auto change) {
        change();
        const std::string text = Misc::HandLogText(Misc::kAnalysisLogMode);
        hand = dealt;
        return text;
    };
    const std::string duplicate = textWith([] { hand.DealtHands[1][0] = hand.DealtHands[0][0]; });
    const std::string badSuit = textWith([] { hand.DealtHands[2][1][kSuitPlane] = 5; });
    const std::string badRank = textWith([] { hand.DealtHands[3][4][kRankPlane] = 7; });
    const std::string kittyTwice = textWith([] { hand.CardsPlayed[22] = hand.CardsPlayed[21]; });
    std::string binary(600, '\0');
    for (size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>(i * 37 % 256);
    const std::vector<std::string> broken = {
        "",
        good.substr(0, good.size() / 2),
        good.substr(0, good.size() - 10),
        binary,
        good.substr(0, handsAt) + "Hands: 1, 2, 3\r\n",
        duplicate,
        badSuit,
        badRank,
        kittyTwice,
        replaced("GenInf: " + std::to_string(hand.GenInf), "GenInf: 2147483647"),
        replaced("GenInf: " + std::to_string(hand.GenInf), "GenInf: x1"),
        replaced("CardsPlayed: 61695, ", "CardsPlayed: 61695, 12.5, "),
    };
    for (size_t n = 0; n < broken.size(); ++n) {
        SCOPED_TRACE(n);
        folder.Write("KavlorHandAnalysis.log", broken[n]);
        hand = {};
        DealWithReload(5);
        EXPECT_EQ(hand.Hands, RandomDeal(5));
        ASSERT_EQ(boxes.shown().size(), n + 1);
        EXPECT_EQ(boxes.shown().back().text.rfind("File " + Misc::ErrorLogPath(), 0), 0u);
    }
}

TEST_F(HandLogTest, TheLogIsFoundIgnoringCaseAndTheErrorLogServesWhenAlone) {
    GamePlaySubs::DealHand(0);
    const HandTable logged = hand.DealtHands;
    folder.Write("kavlorerror.log", Misc::HandLogText(1));
    hand = {};
    DealWithReload(9);
    EXPECT_EQ(hand.Hands, logged);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(HandLogTest, AnUnwritableFolderIsReportedAndTheGameGoesOn) {
    std::vector<std::string> status;
    Misc::InstallTraceSink([&](std::string_view line) { status.emplace_back(line); });
    paths.DataFolder = folder.File("missing/deeper");
    Misc::WriteHandLog(Misc::kErrorLogMode);
    Misc::InstallTraceSink({});
    EXPECT_TRUE(boxes.shown().empty());
    ASSERT_EQ(status.size(), 1u);
    EXPECT_EQ(status[0], "The hand could not be written to " + Misc::ErrorLogPath());
}

}  // namespace
