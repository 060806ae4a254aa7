#include "engine/command_line.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>

#include "engine/model/state/flow_state.h"
#include "engine/model/state/run_flags.h"
#include "tests/support/scripted_message_boxes.h"

namespace {

class CommandLineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        flags = {};
        flow = {};
    }
    void TearDown() override {
        flags = {};
        flow = {};
    }
};

TEST_F(CommandLineTest, UnknownWordEndsParsingButEarlierSwitchesStay) {
    std::string text = KavlorMain::CommandLineText(
        5, std::array<const char*, 5>{"kavlor", "/o", "/e", "/xyz", "/debug"}.data());
    EXPECT_EQ(text, "/O /E /XYZ /DEBUG");
    KavlorMain::ParseCommandLine(text);
    EXPECT_TRUE(IsSet(flags.Stat1, Stat1Bits::SkipSplash));
    EXPECT_TRUE(IsSet(flags.Stat1, Stat1Bits::AutoCloseEnding));
    EXPECT_FALSE(IsSet(flags.Stat0, Stat0Bits::DebugSwitch));
    EXPECT_FALSE(flow.LogOn);
}

TEST_F(CommandLineTest, DashAndSlashMixWithOrWithoutBlanks) {
    std::string text = "-LOGIC/SANTA/SATAN -DEBUG";
    KavlorMain::ParseCommandLine(text);
    EXPECT_TRUE(IsSet(flags.Stat2, Stat2Bits::LogicOnScreen));
    EXPECT_TRUE(flow.LogOn);
    EXPECT_EQ(flags.Stat4, Stat4Bits::Santa | Stat4Bits::Satan);
    EXPECT_TRUE(IsSet(flags.Stat0, Stat0Bits::DebugSwitch));
    EXPECT_EQ(text, "");
}

TEST_F(CommandLineTest, EveryHolidayWordHasItsBit) {
    std::string text = "/NEWYEAR /PATRICK /BUNNY /JULY /WITCH /THANKS";
    KavlorMain::ParseCommandLine(text);
    EXPECT_EQ(flags.Stat4, 0x3F);
}

TEST_F(CommandLineTest, OnlyWholeWordsAfterAMarkCount) {
    const std::pair<std::string, int32_t> cases[] = {
        {"/O /", Stat1Bits::SkipSplash},  // a mark as the last character
        {"  O E ", 0},                    // no mark at all
        {"/ /E", 0},                      // an empty word ends the parsing
        {"/OE", 0},                       // words are compared whole
        {"/o", 0},                        // the caller upper-cases
    };
    for (const auto& [line, stat1] : cases) {
        flags = {};
        std::string text = line;
        KavlorMain::ParseCommandLine(text);
        EXPECT_EQ(flags.Stat1, stat1) << line;
    }
}

TEST_F(CommandLineTest, VersionShowsTheSystemLineTitledKavlor) {
    ScriptedMessageBoxes boxes;
    std::string text = "/VERSION /O";
    KavlorMain::ParseCommandLine(text);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, "Kavlor");
    EXPECT_FALSE(boxes.shown()[0].text.empty());
    EXPECT_TRUE(IsSet(flags.Stat1, Stat1Bits::SkipSplash));
}

}  // namespace
