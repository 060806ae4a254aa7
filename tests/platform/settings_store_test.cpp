#include <gtest/gtest.h>

#include <climits>
#include <span>
#include <string>
#include <utility>

#include "platform/colors.h"
#include "platform/ini/settings_file.h"
#include "platform/settings/player_settings.h"
#include "platform/settings/profile_store.h"
#include "platform/settings/settings_defaults.h"
#include "support/decimal_comma_locale.h"
#include "support/temp_data_folder.h"

namespace {

class ProfileStore : public ::testing::Test {
  protected:
    ProfileStore() { settings = {}; }
    ~ProfileStore() override { settings = {}; }

    TempDataFolder folder;
};

constexpr const char* kFullProfile =
    "[Ann]\n"
    "Opts1=3\nOpts2=5\nOpts3=1050134\nOpts4=8388608\nDevelopment0=33\n"
    "Background=100\nText=200\nSpot=300\nDelay=0.400\nSlow=45\nKind=1234\nPartner=2050\n"
    "Volumes=5000\nNames=Lefty|Pard|Righty\nVideo=1.5\nFaces=graphics/a.fac\n"
    "Deck=/elsewhere/b.dek\nBenny=graphics/c.kdf\nMusic=7\n"
    "Sound05=/m/five.wav\nSound32=/m/last.wav\nMusic01=/m/one.mid\nMusic30=/m/thirty.mid\n";

using P = PlayerSettings;

// A whole-number setting with the value it should hold.
using Number = std::pair<int32_t P::*, int32_t>;

void ExpectNumbers(std::span<const Number> numbers) {
    for (const auto& [field, value] : numbers) EXPECT_EQ(settings.*field, value) << value;
}

// A key of the settings file with the text it should hold, "missing" for none.
using Key = std::pair<const char*, const char*>;

void ExpectKeys(const char* section, std::span<const Key> keys) {
    for (const auto& [key, text] : keys)
        EXPECT_EQ(APIs::ReadIni(section, key, "missing"), text) << key;
}

void ExpectFullProfileLoaded() {
    // Opts3 1050134 = 0x100616: card back 6, nine-point colour 1, phrase 4.
    const Number loaded[] = {{&P::Opts1, 3},        {&P::Opts2, 5},         {&P::Opts3, 1050134},
                             {&P::Opts4, 8388608},  {&P::Development0, 33}, {&P::Background, 100},
                             {&P::Text, 200},       {&P::Spot, 300},        {&P::Slow, 45},
                             {&P::Kind, 1234},      {&P::Partner, 2050},    {&P::Volumes, 5000},
                             {&P::Music, 7},        {&P::CardBack, 6},      {&P::NinePointColor, 1},
                             {&P::NinePointCode, 4}};
    ExpectNumbers(loaded);
    EXPECT_FLOAT_EQ(settings.Delay, 0.4f);
    EXPECT_EQ(settings.PlayerNames[1], "Lefty");
    EXPECT_EQ(settings.PlayerNames[2], "Pard");
    EXPECT_EQ(settings.PlayerNames[3], "Righty");
    EXPECT_EQ(settings.Faces, paths.DataFolder + "/graphics/a.fac");
    EXPECT_EQ(settings.Deck, "/elsewhere/b.dek");
    EXPECT_EQ(settings.Benny, paths.DataFolder + "/graphics/c.kdf");
    EXPECT_EQ(settings.SoundFiles[5], "/m/five.wav");
    EXPECT_EQ(settings.SoundFiles[32], "/m/last.wav");
    EXPECT_EQ(settings.MusicFiles[1], "/m/one.mid");
    EXPECT_EQ(settings.MusicFiles[30], "/m/thirty.mid");
}

}  // namespace

TEST_F(ProfileStore, DefaultsOfANewProfileKeepTheDefaultMediaNames) {
    settings.Opts1 = 99;
    settings.Delay = 0.7f;
    settings.PlayerNames[2] = "Someone";
    settings.SoundFiles[7 + kSoundDefaults] = "/media/seven.wav";
    settings.SoundFiles[7] = "/mine.wav";
    settings.MusicFiles[3 + kMusicDefaults] = "/media/three.mid";
    settings.NinePointCode = 3;

    Misc::ApplyDefaultSettings();

    const Number defaults[] = {{&P::Opts1, 0},         {&P::Opts2, 4096},
                               {&P::Opts3, 2},         {&P::Background, 15970399},
                               {&P::Spot, 8380970},    {&P::CardBack, 3},
                               {&P::Slow, 30},         {&P::Kind, 0x5555},
                               {&P::Volumes, 1 << 25}, {&P::Music, 2147483647},
                               {&P::NinePointCode, 3}};
    ExpectNumbers(defaults);
    EXPECT_FLOAT_EQ(settings.Delay, 0.25f);
    EXPECT_EQ(settings.PlayerNames[0], "Guest");
    EXPECT_EQ(settings.PlayerNames[2], kDefaultComputerNames[1]);
    EXPECT_EQ(settings.SoundFiles[7], "/media/seven.wav");
    EXPECT_EQ(settings.SoundFiles[7 + kSoundLastApplied], "/media/seven.wav");
    EXPECT_EQ(settings.MusicFiles[3], "/media/three.mid");
    EXPECT_EQ(settings.MusicFiles[3 + kMusicLastApplied], "/media/three.mid");
}

TEST_F(ProfileStore, ReadsEveryValueOfACurrentProfile) {
    folder.WriteSettings(kFullProfile);
    Misc::ReadProfile("ann");
    ExpectFullProfileLoaded();
}

TEST_F(ProfileStore, TheSameUnderADecimalCommaLocale) {
    DecimalCommaLocale comma;
    ASSERT_TRUE(DecimalCommaLocale::Active());
    folder.WriteSettings(kFullProfile);
    Misc::ReadProfile("Ann");
    ExpectFullProfileLoaded();

    Misc::WriteProfile("Bob", {"", "", 0.3f});
    EXPECT_EQ(APIs::ReadIni("Bob", "Delay", ""), "0.300");
    folder.WriteSettings("[Cy]\nDelay=0,5\n");
    settings.Delay = 0.25f;
    Misc::ReadProfile("Cy");
    EXPECT_FLOAT_EQ(settings.Delay, 0.25f);
}

TEST_F(ProfileStore, OlderLayoutMapsItsSoundAndMusicKeys) {
    folder.WriteSettings(
        "[Old]\nOpts1=\nSound01=/o/1.wav\nSound05=/o/5.wav\nSound07=/o/7.wav\n"
        "Sound22=/o/22.wav\nSound23=/o/23.wav\nMusic10=/o/10.mid\nMusic11=/o/11.mid\n");
    settings.SoundFiles[23] = "default23";
    settings.MusicFiles[11] = "default11";
    Misc::ReadProfile("Old");
    EXPECT_EQ(settings.SoundFiles[1], "/o/1.wav");
    EXPECT_EQ(settings.SoundFiles[7], "/o/5.wav");
    EXPECT_EQ(settings.SoundFiles[30], "/o/22.wav");
    EXPECT_EQ(settings.SoundFiles[5], "");  // older key 07 has no event
    EXPECT_EQ(settings.SoundFiles[23], "default23");
    EXPECT_EQ(settings.MusicFiles[10], "/o/10.mid");
    EXPECT_EQ(settings.MusicFiles[11], "default11");
}

TEST_F(ProfileStore, ClampsSpeedReminderAndColours) {
    folder.WriteSettings(
        "[A]\nDelay=1.5\nSlow=5\nOpts3=15\nBackground=0\nText=0\n"
        "[B]\nDelay=0\nSlow=99\n[C]\nSlow=soon\n");
    Misc::ReadProfile("A");
    EXPECT_FLOAT_EQ(settings.Delay, 0.8f);
    const Number clamped[] = {
        {&P::Slow, 10}, {&P::CardBack, 2}, {&P::NinePointColor, 0}, {&P::Text, 16777215}};
    ExpectNumbers(clamped);

    Misc::ReadProfile("B");
    EXPECT_FLOAT_EQ(settings.Delay, 0.038f);
    EXPECT_EQ(settings.Slow, 65);

    settings.Slow = 70;
    Misc::ReadProfile("C");
    EXPECT_EQ(settings.Slow, 65);
}

TEST_F(ProfileStore, NonNumericAndOverflowingValuesKeepTheValueInMemory) {
    folder.WriteSettings(
        "[A]\nOpts1=4294967296\nOpts2=abc\nKind=\nVolumes=1e12\nSpot=12x\nMusic=-2147483649\n"
        "Partner=2.5\nDelay=fast\n");
    int32_t P::*const kept[] = {&P::Opts1, &P::Opts2, &P::Kind, &P::Volumes, &P::Spot, &P::Music};
    for (size_t i = 0; i < std::size(kept); ++i) settings.*kept[i] = 11 * int32_t(i + 1);
    settings.Delay = 0.5f;
    Misc::ReadProfile("A");
    for (size_t i = 0; i < std::size(kept); ++i) EXPECT_EQ(settings.*kept[i], 11 * int32_t(i + 1));
    EXPECT_FLOAT_EQ(settings.Delay, 0.5f);
    EXPECT_EQ(settings.Partner, 2);  // rounded half to even
}

TEST_F(ProfileStore, WritesAndReadsBackAProfile) {
    settings.Opts1 = INT32_MIN + 5;  // negative, without the random-colours bit
    settings.Opts2 = 1 << 30;
    settings.Development0 = 9;
    settings.Delay = 0.125f;
    settings.PlayerNames = {"Ann", "L", "P", "R"};
    settings.Faces = paths.DataFolder + "/graphics/x.fac";
    settings.SoundFiles[3] = "/my/b.wav";
    settings.SoundFiles[3 + kSoundDefaults] = "/media/Benny.wav";
    settings.SoundFiles[4] = "/media/BlasterOn.wav";
    settings.SoundFiles[4 + kSoundDefaults] = "/media/BlasterOn.wav";
    settings.MusicFiles[20] = "/my/20.mid";
    settings.CardBack = 2;  // what Opts3 2 gives back
    Misc::SetNinePointWords();
    folder.WriteSettings("[Ann]\nSound04=/old/blaster.wav\n; kept\n");

    Misc::WriteProfile("Ann", {"1 2", "1.2", 0.125f});

    // A default-valued override (Sound04) is written back empty, never deleted.
    const Key keys[] = {
        {"Delay", "0.125"},     {"Opts1", "-2147483643"}, {"Names", "L|P|R"},
        {"Stats", "1 2"},       {"Video", "1.2"},         {"Faces", "graphics/x.fac"},
        {"Deck", ""},           {"Sound03", "/my/b.wav"}, {"Sound04", ""},
        {"Sound05", "missing"}, {"Music20", "/my/20.mid"}};
    ExpectKeys("Ann", keys);
    EXPECT_NE(folder.SettingsText().find("; kept"), std::string::npos);

    const PlayerSettings written = settings;
    settings = {};
    settings.SoundFiles = written.SoundFiles;
    settings.SoundFiles[3] = "";
    settings.MusicFiles = written.MusicFiles;
    settings.MusicFiles[20] = "";
    settings.PlayerNames[0] = "Ann";
    Misc::ReadProfile("Ann");
    EXPECT_EQ(settings, written);
}

TEST_F(ProfileStore, DefaultProfileWritesTheDefaultsAndEmptiesOverrides) {
    folder.WriteSettings("[New]\nPartner=7\nSound09=/x.wav\nMusic02=/y.mid\nStats=1 2\n");
    Misc::WriteDefaultProfile("New");
    const Key defaults[] = {{"Opts2", "4096"},        {"Delay", "0.25"},      {"Kind", "21845"},
                            {"Names", "Wes|Nora|Ed"}, {"Video", ""},          {"Sound09", ""},
                            {"Music02", ""},          {"Sound10", "missing"}, {"Partner", "7"},
                            {"Stats", "1 2"}};
    ExpectKeys("New", defaults);
}

TEST_F(ProfileStore, NotSavingAtExitSetsOnlyTheStoredBit) {
    const std::string before = "[Ann]\nOpts1=5\nDelay=0.500\nNames=a|b|c\n";
    folder.WriteSettings(before);
    settings.Opts1 = 1 << 11;
    settings.Delay = 0.1f;
    Misc::MarkProfileNotSaved("Ann");
    EXPECT_EQ(folder.SettingsText(), "[Ann]\nOpts1=2053\nDelay=0.500\nNames=a|b|c\n");

    folder.WriteSettings("[Ann]\nOpts1=abc\n");
    Misc::MarkProfileNotSaved("Ann");
    EXPECT_EQ(folder.SettingsText(), "[Ann]\nOpts1=abc\n");
}

TEST_F(ProfileStore, CurrentProfileNameIsCutAndItsSectionRenamed) {
    folder.WriteSettings("[General]\nPlayer=AVeryLongPlayerName\n[AVeryLongPlayerName]\nOpts1=1\n");
    EXPECT_EQ(Misc::CurrentProfileName(), "AVeryLongPlayerNa");
    EXPECT_EQ(APIs::ReadIni("AVeryLongPlayerNa", "Opts1", ""), "1");

    folder.WriteSettings("[General]\nPlayer=\n");
    EXPECT_EQ(Misc::CurrentProfileName(), "Guest");
}

TEST_F(ProfileStore, VideoTexts) {
    EXPECT_EQ(Misc::VideoText(3), "1.5");
    EXPECT_EQ(Misc::VideoText(0), "");
    EXPECT_EQ(Misc::VideoText(5), "");
}

TEST_F(ProfileStore, RandomColoursEachGameDrawsNewColoursOnLoad) {
    // Spot 300 is a dark colour that a random theme never picks.
    folder.WriteSettings("[A]\nOpts1=524288\nSpot=300\nBackground=100\nText=200\n");
    Misc::ReadProfile("A");
    EXPECT_NE(settings.Spot, 300);
    EXPECT_NE(settings.Background, settings.Text);
}
