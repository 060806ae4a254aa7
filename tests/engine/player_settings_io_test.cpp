#include "engine/player_settings_io.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/model/state/run_flags.h"
#include "engine/model/state/statistics.h"
#include "engine/model/state/tables.h"
#include "platform/ini/settings_file.h"
#include "platform/settings/player_settings.h"
#include "render/scale_code.h"
#include "render/screen_scale.h"
#include "support/decimal_comma_locale.h"
#include "support/temp_data_folder.h"

namespace {

constexpr int32_t kFastMode = 1 << 27;

class SettingsIo : public ::testing::Test {
  protected:
    SettingsIo() { Reset(); }
    ~SettingsIo() override { Reset(); }

    static void Reset() {
        settings = {};
        tables = {};
        stats = {};
        flags = {};
        scale = {};
    }
    static int ScaleCode() { return KavlorMain::ScaleCode(); }

    TempDataFolder folder;
};

}  // namespace

TEST_F(SettingsIo, DefaultsTakeSuitAndRankNamesFromTheMessageTable) {
    for (size_t i = 0; i < tables.MessageTable.size(); ++i) {
        tables.MessageTable[i] = "m" + std::to_string(i);
    }
    settings.SoundFiles[1 + kSoundDefaults] = "/media/About.wav";
    settings.Slow = 50;
    KavlorMain::SetDefaultSettings();
    EXPECT_EQ(tables.SuitNames[0], "m0");
    EXPECT_EQ(tables.SuitNames[3], "m3");
    EXPECT_EQ(tables.RankNames[0], "m122");
    EXPECT_EQ(tables.RankNames[6], "m128");
    EXPECT_EQ(settings.SoundFiles[1], "/media/About.wav");
    EXPECT_EQ(settings.Slow, 30);
}

TEST_F(SettingsIo, WithoutASettingsFileNothingChanges) {
    settings.Opts1 = 77;
    stats.AllSessionStats[3] = 9;
    KavlorMain::LoadSettings(1);
    EXPECT_EQ(settings.Opts1, 77);
    EXPECT_EQ(stats.AllSessionStats[3], 9);
}

TEST_F(SettingsIo, LoadsTheCurrentProfileWithStatisticsAndScale) {
    folder.WriteSettings(
        "[General]\nPlayer=Ann\n[Ann]\nOpts1=4\nStats=A B\nVideo=1.5\nNames=x|y|z\n");
    KavlorMain::SetScaleCode(7);
    flags.Stat1 |= 1;
    stats.AllSessionStats[39] = 5;
    KavlorMain::LoadSettings(0);
    EXPECT_EQ(settings.PlayerNames[0], "Ann");
    EXPECT_EQ(settings.PlayerNames[2], "y");
    EXPECT_EQ(settings.Opts1, 4);
    EXPECT_EQ(stats.AllSessionStats[0], 10);
    EXPECT_EQ(stats.AllSessionStats[1], 11);
    EXPECT_EQ(stats.AllSessionStats[39], 0);
    EXPECT_FLOAT_EQ(scale.ScaleFactor, 1.5f);
    EXPECT_EQ(ScaleCode(), 3);
    EXPECT_EQ(flags.Stat1 & 1, 1);
}

TEST_F(SettingsIo, VideoOutOfRangeKeepsTheScaleAndEmptyMeansAutomatic) {
    scale.ScaleFactor = 1.2f;
    folder.WriteSettings("[General]\nPlayer=Ann\n[Ann]\nVideo=2.5\n");
    KavlorMain::LoadSettings(0);
    EXPECT_FLOAT_EQ(scale.ScaleFactor, 1.2f);
    EXPECT_EQ(ScaleCode(), 2);

    folder.WriteSettings("[General]\nPlayer=Ann\n[Ann]\nVideo=\n");
    KavlorMain::LoadSettings(0);
    EXPECT_EQ(ScaleCode(), 0);
    EXPECT_FLOAT_EQ(scale.ScaleFactor, 1.2f);
    // Switching profiles with an automatic scale takes the largest the screen allows.
    KavlorMain::LoadSettings(1);
    EXPECT_FLOAT_EQ(scale.ScaleFactor, KavlorMain::GetMaxDisplayScale());
}

TEST_F(SettingsIo, SwitchingProfilesStartsFromTheDefaults) {
    folder.WriteSettings("[General]\nPlayer=Bob\n[Bob]\nOpts1=1\n");
    settings.Kind = 1;
    settings.Delay = 0.6f;
    KavlorMain::LoadSettings(1);
    EXPECT_EQ(settings.Kind, 21845);
    EXPECT_FLOAT_EQ(settings.Delay, 0.25f);
    EXPECT_EQ(settings.PlayerNames[0], "Bob");
}

TEST_F(SettingsIo, SavesAndLoadsBackTheCurrentSettings) {
    DecimalCommaLocale comma;
    settings.PlayerNames = {"Ann", "L", "P", "R"};
    settings.Opts2 = 123;
    settings.Delay = 0.5f;
    stats.AllSessionStats[0] = -1;
    stats.AllSessionStats[39] = 40;
    flags.Stat1 = 4 << 11;
    KavlorMain::SaveSettings("Ann", 0);
    EXPECT_EQ(APIs::ReadIni("General", "Player", ""), "Ann");
    EXPECT_EQ(APIs::ReadIni("Ann", "Delay", ""), "0.500");
    EXPECT_EQ(APIs::ReadIni("Ann", "Video", ""), "1.9");
    EXPECT_EQ(APIs::ReadIni("Ann", "Stats", "").substr(0, 11), "FFFFFFFF 0 ");

    Reset();
    KavlorMain::LoadSettings(1);
    EXPECT_EQ(settings.Opts2, 123);
    EXPECT_FLOAT_EQ(settings.Delay, 0.5f);
    EXPECT_EQ(settings.PlayerNames[3], "R");
    EXPECT_EQ(stats.AllSessionStats[0], -1);
    EXPECT_EQ(stats.AllSessionStats[39], 40);
    EXPECT_EQ(ScaleCode(), 4);
}

TEST_F(SettingsIo, TooSmallASpeedIsStoredAsTheDefault) {
    settings.Delay = 0.01f;
    KavlorMain::SaveSettings("Ann", 0);
    EXPECT_EQ(APIs::ReadIni("Ann", "Delay", ""), "0.250");
    EXPECT_FLOAT_EQ(settings.Delay, 0.25f);
}

TEST_F(SettingsIo, TheFastDemonstrationSavesThePlayersOwnSpeed) {
    flags.Stat2 = kFastMode;
    settings.Delay = 0.005f;
    settings.SavedDelay = 0.4f;
    KavlorMain::SaveSettings("Ann", 0);
    EXPECT_EQ(APIs::ReadIni("Ann", "Delay", ""), "0.400");
    EXPECT_FLOAT_EQ(settings.Delay, 0.005f);
}

TEST_F(SettingsIo, NotSavingAtExitFlipsOnlyBit11) {
    const std::string section = "[Ann]\nOpts1=1\nOpts2=2\nStats=1 2 3\nDelay=0.700\n";
    folder.WriteSettings("[General]\nPlayer=Ann\n" + section);
    settings.Opts1 = 1 << 11;
    settings.Opts2 = 99;
    stats.AllSessionStats.fill(4);
    KavlorMain::SaveSettings("Ann", 0);
    EXPECT_EQ(folder.SettingsText(),
              "[General]\nPlayer=Ann\n[Ann]\nOpts1=2049\nOpts2=2\nStats=1 2 3\nDelay=0.700\n");
}

TEST_F(SettingsIo, ANewProfileWithoutInheritingGetsTheDefaults) {
    settings.Opts2 = 7;
    KavlorMain::SaveSettings("New", 1);
    EXPECT_EQ(APIs::ReadIni("General", "Player", ""), "New");
    EXPECT_EQ(APIs::ReadIni("New", "Opts2", ""), "4096");
    EXPECT_EQ(APIs::ReadIni("New", "Stats", "missing"), "missing");
}
