#include "engine/startup.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include "engine/data_folder_setup.h"
#include "engine/exit_steps.h"
#include "engine/model/exit_routine.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/state/tables.h"
#include "engine/own_font.h"
#include "engine/player_settings_io.h"
#include "platform/fonts.h"
#include "platform/paths.h"
#include "platform/settings/player_settings.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/temp_data_folder.h"

namespace fs = std::filesystem;

namespace {

void WriteAll(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

// Points XDG_DATA_HOME somewhere for one test and resets the run state around it.
class StartupTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (const char* old = std::getenv("XDG_DATA_HOME")) savedHome_ = old;
        DataHome(home_.path().toStdString());
        Reset();
    }
    void TearDown() override {
        if (savedHome_) {
            setenv("XDG_DATA_HOME", savedHome_->c_str(), 1);
        } else {
            unsetenv("XDG_DATA_HOME");
        }
        Reset();
    }
    static void DataHome(const std::string& folder) { setenv("XDG_DATA_HOME", folder.c_str(), 1); }
    static void Reset() {
        flags = {};
        flow = {};
        paths = {};
        settings = {};
        tables = {};
    }
    fs::path DataFolder() const { return fs::path(home_.path().toStdString()) / "Kavlor"; }

    QTemporaryDir home_;
    QTemporaryDir program_;
    ScriptedMessageBoxes boxes_;

  private:
    std::optional<std::string> savedHome_;
};

TEST_F(StartupTest, WithoutADataFolderTheProgramEndsWithItsMessage) {
    DataHome("/proc/kavlor-cannot-be-made");
    EXPECT_FALSE(KavlorMain::StartProgram(program_.path().toStdString(), ""));
    ASSERT_EQ(boxes_.shown().size(), 1u);
    EXPECT_EQ(boxes_.shown()[0].text, "Error obtaining Data Path to ini file. Try Reinstalling.");
    EXPECT_EQ(boxes_.shown()[0].title, "Missing Data Folder");
    EXPECT_EQ(boxes_.shown()[0].style, vbCritical);
    EXPECT_EQ(paths, ProgramPaths{});
}

TEST_F(StartupTest, DataFolderIsMadeAndShippedFilesNeverReplaceTheUsers) {
    const fs::path program = program_.path().toStdString();
    WriteAll(program / "Kavlor4.ttf", "font");
    WriteAll(program / "Media" / "Win.wav", "shipped win");
    WriteAll(program / "Media" / "Deal.wav", "shipped deal");
    WriteAll(DataFolder() / "Media" / "Win.wav", "the user's win");

    ASSERT_TRUE(KavlorMain::FindDataFolder(program.string()));
    EXPECT_EQ(paths.DataFolder, DataFolder().string());
    EXPECT_EQ(paths.IniPath, DataFolder().string() + "/Kavlor.ini");
    EXPECT_EQ(paths.ProgramFolder, program.string());
    KavlorMain::CopyShippedFiles();
    EXPECT_EQ(FileText(DataFolder() / "Media" / "Win.wav"), "the user's win");
    EXPECT_EQ(FileText(DataFolder() / "Media" / "Deal.wav"), "shipped deal");
    EXPECT_EQ(FileText(DataFolder() / "Kavlor4.ttf"), "font");
    EXPECT_TRUE(fs::is_directory(DataFolder() / "graphics"));
}

TEST_F(StartupTest, MissingFontGivesANoticeAndTheRunGoesOn) {
    if (APIs::IsOwnFontInstalled()) GTEST_SKIP() << "the font is installed on this machine";
    ASSERT_TRUE(KavlorMain::FindDataFolder(program_.path().toStdString()));
    EXPECT_EQ(KavlorMain::InstallOwnFont(), "FontFile: " + paths.DataFolder + "/Kavlor4.ttf");
    ASSERT_EQ(boxes_.shown().size(), 1u);
    EXPECT_EQ(boxes_.shown()[0].title, "Kavlor");
    EXPECT_FALSE(IsSet(flags.Stat1, Stat1Bits::FontAdded));
}

TEST_F(StartupTest, FontFromTheDataFolderIsAddedAndRemovedAgain) {
    if (APIs::IsOwnFontInstalled()) GTEST_SKIP() << "the font is installed on this machine";
    ASSERT_TRUE(KavlorMain::FindDataFolder(program_.path().toStdString()));
    fs::copy_file(KAVLOR_FONT_FILE, DataFolder() / "Kavlor4.ttf");
    KavlorMain::InstallOwnFont();
    EXPECT_TRUE(IsSet(flags.Stat1, Stat1Bits::FontAdded));
    EXPECT_TRUE(APIs::IsOwnFontInstalled());
    KavlorMain::RemoveOwnFont();
    EXPECT_FALSE(IsSet(flags.Stat1, Stat1Bits::FontAdded));
    EXPECT_FALSE(APIs::IsOwnFontInstalled());
}

TEST_F(StartupTest, MissingTablesTailLeavesEmptyTextsAndStarts) {
    WriteAll(fs::path(program_.path().toStdString()) / "kavlor", "a program without tables");
    ASSERT_TRUE(KavlorMain::StartProgram(program_.path().toStdString(), ""));
    EXPECT_TRUE(tables.MessageTable[1].empty());
    EXPECT_FALSE(fs::exists(DataFolder() / "Debug.txt"));
    KavlorMain::FinishProgram();
}

TEST_F(StartupTest, DebugSwitchWritesTheStartLinesToDebugTxt) {
    const std::string program = fs::path(KAVLOR_PROGRAM_FILE).parent_path().string();
    ASSERT_TRUE(KavlorMain::StartProgram(program, "/DEBUG"));
    EXPECT_FALSE(tables.MessageTable[1].empty());
    EXPECT_TRUE(fs::is_directory(DataFolder() / "Media"));
    const std::string debug = FileText(DataFolder() / "Debug.txt");
    EXPECT_NE(debug.find("Ini File: " + paths.IniPath), std::string::npos) << debug;
    EXPECT_NE(debug.find("FontFile: " + paths.DataFolder + "/Kavlor4.ttf"), std::string::npos);
    KavlorMain::FinishProgram();
    EXPECT_FALSE(IsSet(flags.Stat1, Stat1Bits::FontAdded));
}

TEST_F(StartupTest, SavedOptionsAreMirroredIntoTheRunWords) {
    ASSERT_TRUE(KavlorMain::FindDataFolder(program_.path().toStdString()));
    settings.Opts1 = (1 << 2) | (1 << 10) | (1 << 13);
    settings.Opts4 = (1 << 29) | (1 << 27) | (1 << 23);
    KavlorMain::SaveSettings(settings.PlayerNames[0], 0);
    settings = {};
    ASSERT_TRUE(KavlorMain::InitializeProgram());
    EXPECT_EQ(
        flags.Stat1 & (Stat1Bits::SkipSplash | Stat1Bits::AutoCloseEnding | Stat1Bits::LearnMode),
        Stat1Bits::SkipSplash | Stat1Bits::LearnMode);
    EXPECT_TRUE(settings.Volumes & (1 << 24));
    EXPECT_EQ(flags.Stat2,
              Stat2Bits::LogicOnScreen | Stat2Bits::DesignColours | Stat2Bits::DevOption23Copy);
    EXPECT_TRUE(flow.LogOn);
    EXPECT_FALSE(IsSet(flags.Stat0, Stat0Bits::RevealMode));
    KavlorMain::FinishProgram();
}

TEST_F(StartupTest, ExitRoutineRunsOnce) {
    int kept = 0;
    int unloaded = 0;
    KavlorMain::InstallExitRoutine([&] {
        KavlorMain::RunExitRoutine({[&] { ++kept; }, [&] { ++unloaded; }});
    });
    KavlorMain::ExitProgram();
    EXPECT_TRUE(IsSet(flags.Stat0, Stat0Bits::ExitStarted));
    KavlorMain::ExitProgram();
    KavlorMain::InstallExitRoutine({});
    EXPECT_EQ(kept, 1);
    EXPECT_EQ(unloaded, 1);
}

}  // namespace
