#include <gtest/gtest.h>

#include <utility>

#include "platform/settings/player_settings.h"
#include "platform/sound/sound_system.h"
#include "sound/test_media.h"
#include "support/scripted_message_boxes.h"
#include "support/temp_data_folder.h"

using namespace TestMedia;

namespace {

class SoundLengths : public ::testing::Test {
  protected:
    void SetUp() override { settings = {}; }
    void TearDown() override { settings = {}; }

    TempDataFolder folder;
    ScriptedMessageBoxes boxes;
    SoundSystem sound;
};

}  // namespace

TEST_F(SoundLengths, MeasuresWaveMidiAndMp3FilesAndMissingOnesAsZero) {
    EXPECT_EQ(sound.GetWaveTime(folder.Write("deal card.wav", Wave(22050, 1, 16, 3307))), 150);
    const std::string tune = MidiHeader(0, 1, 480) + Track(Tempo(0, 600000) + EndOfTrack(4800));
    EXPECT_EQ(sound.GetWaveTime(folder.Write("tune.mid", tune)), 6000);
    EXPECT_EQ(sound.GetWaveTime(folder.Write("song.mp3", Mp3Frames(50))), 1200);
    EXPECT_EQ(sound.GetWaveTime(folder.Write("LOUD.MP3", Mp3Frames(5))), 120);
    folder.Write("Shuffle.wav", Wave(22050, 1, 16, 22050));
    EXPECT_EQ(sound.GetWaveTime(folder.File("shuffle.WAV")), 1000);  // found ignoring case
    // Missing files measure 0 without a box.
    EXPECT_EQ(sound.GetWaveTime(folder.File("none.wav")), 0);
    EXPECT_EQ(sound.GetWaveTime(""), 0);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(SoundLengths, Mp3WithoutFramesIsTimedBySizeAt192Kbits) {
    EXPECT_EQ(sound.GetWaveTime(folder.Write("silence.mp3", std::string(240000, '\0'))), 10000);
    EXPECT_EQ(sound.GetWaveTime(folder.Write("tiny.mp3", std::string(100, 'q'))), 4);
}

TEST_F(SoundLengths, UnbelievableWaveLengthGivesOneSecond) {
    // A byte rate of 1 and four gigabytes of declared samples.
    const std::string huge = Wave(1, 1, 8, 4, false, 0xFFFFFFFF);
    EXPECT_EQ(sound.GetWaveTime(folder.Write("huge.wav", huge)), 1000);
}

TEST_F(SoundLengths, UnreadableFilesShowTheSoundErrorBoxAndGiveZero) {
    EXPECT_EQ(sound.GetWaveTime(folder.Write("noise.wav", "not a sound at all")), 0);
    std::string broken = Wave(22050, 1, 16, 100);
    broken.replace(broken.find("data"), 4, "junk");
    EXPECT_EQ(sound.GetWaveTime(folder.Write("broken.wav", broken)), 0);
    EXPECT_EQ(sound.GetWaveTime(folder.Write("broken.mid", "MThd\x00\x00")), 0);
    ASSERT_EQ(boxes.shown().size(), 3u);
    for (const auto& box : boxes.shown()) {
        EXPECT_EQ(box.title, "Sound Error");
        EXPECT_EQ(box.style, vbCritical);
        EXPECT_FALSE(box.text.empty());
    }
}

TEST_F(SoundLengths, CachedLengthsFoldBackFromEveryBank) {
    EXPECT_EQ(sound.GetSoundTime(8), -1);
    settings.SoundFiles[8] = folder.Write("deal.wav", Wave(22050, 1, 16, 2205));
    settings.SoundFiles[22] = folder.Write("play.wav", Wave(22050, 1, 16, 4410));
    settings.SoundFiles[3] = folder.File("gone.wav");
    sound.SetSoundTime(0);

    // Event 1 names no file; 0, 97 and -5 are no events.
    const std::pair<int, int> times[] = {{8, 100},       {40, 100}, {72, 100}, {22 + 32, 200},
                                         {22 + 64, 200}, {3, 0},    {1, 0},    {0, -1},
                                         {97, -1},       {-5, -1}};
    for (const auto& [event, ms] : times) EXPECT_EQ(sound.GetSoundTime(event), ms) << event;
}

TEST_F(SoundLengths, OneEventIsMeasuredAlone) {
    settings.SoundFiles[8] = folder.Write("deal.wav", Wave(22050, 1, 16, 2205));
    settings.SoundFiles[9] = folder.Write("set.wav", Wave(22050, 1, 16, 2205));
    sound.SetSoundTime(8);
    EXPECT_EQ(sound.GetSoundTime(8), 100);
    EXPECT_EQ(sound.GetSoundTime(9), -1);
    sound.SetSoundTime(33);  // out of range: nothing measured
    EXPECT_EQ(sound.GetSoundTime(1), -1);
}
