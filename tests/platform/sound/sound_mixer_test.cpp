#include <gtest/gtest.h>

#include "platform/packed_fields.h"
#include "platform/sound/channel_lines_mixer.h"
#include "platform/sound/mixer_scale.h"
#include "platform/sound/sound_system.h"
#include "sound/fake_mixer.h"

namespace {

using Kind = MixerControlKind;

MixerControl Range(int64_t minimum, int64_t maximum) {
    return {true, MixerLine::Speakers, Kind::Volume, minimum, maximum};
}

int32_t VolumesWord(int master, int wave, int midi, int32_t bits = 0) {
    int32_t word = bits;
    word = Misc::SetByte(word, master, 0);
    word = Misc::SetByte(word, wave, 1);
    return Misc::SetByte(word, midi, 2);
}

constexpr int32_t kKeep = 1 << 24;
constexpr int32_t kNeverSet = 1 << 25;

// A sound system on a fake mixer whose master runs 0-65535 and whose wave and
// synthesizer lines start at 80 and 60 on 0-100.
class Mixer : public ::testing::Test {
  protected:
    void SetUp() override { Install(52428); }

    void Install(int64_t master) {
        auto fake = std::make_unique<FakeMixer>();
        fake->Add(MixerLine::Speakers, Kind::Volume, 0, 65535, master);
        fake->Add(MixerLine::Speakers, Kind::Mute, 0, 1, 0);
        fake->Add(MixerLine::WaveOut, Kind::Volume, 0, 100, 80);
        fake->Add(MixerLine::Synthesizer, Kind::Volume, 0, 100, 60);
        mixer = fake.get();
        sound.InstallBackends(std::make_unique<NullSoundBackend>(), std::move(fake));
    }

    SoundSystem sound;
    FakeMixer* mixer = nullptr;
};

}  // namespace

TEST(MixerScale, PercentsMapOntoEachRangeAndBack) {
    struct Case {
        int64_t minimum, maximum;
        int percent;
        int64_t value;
    };
    // A wide range from 0 keeps the classic arithmetic; others are read and set as a share.
    // 15.5 rounds to even; (5, 5) is degenerate and writes its only value.
    const Case from[] = {{0, 65535, 100, 65500}, {0, 65535, 37, 37 * 655}, {0, 65535, 250, 65535},
                         {0, 65535, -4, 0},      {0, 31, 100, 31},         {0, 31, 50, 16},
                         {10, 74, 50, 42},       {-6400, 0, 75, -1600},    {100, 400, 100, 400},
                         {5, 5, 80, 5}};
    for (const Case& c : from)
        EXPECT_EQ(MixerScale::FromPercent(Range(c.minimum, c.maximum), c.percent), c.value)
            << c.minimum << ".." << c.maximum << " " << c.percent;
    // A degenerate range reads 0.
    const Case to[] = {{0, 65535, 100, 65500}, {0, 31, 100, 31}, {0, 31, 52, 16},
                       {10, 74, 50, 42},       {10, 74, 0, 10},  {-6400, 0, 75, -1600},
                       {0, 100, 42, 42},       {5, 5, 0, 5}};
    for (const Case& c : to)
        EXPECT_EQ(MixerScale::ToPercent(Range(c.minimum, c.maximum), c.value), c.percent)
            << c.minimum << ".." << c.maximum << " " << c.value;
}

TEST_F(Mixer, OpensOnlyExistingDevicesAndReadsTheOriginalVolumes) {
    EXPECT_FALSE(sound.OpenMixer(-1));
    EXPECT_FALSE(sound.IsMixerOpen());
    EXPECT_FALSE(sound.OpenMixer(1));
    EXPECT_FALSE(sound.IsMixerOpen());
    EXPECT_EQ(sound.GetVolume(0), 0);  // closed: nothing to read

    ASSERT_TRUE(sound.OpenMixer(0));
    EXPECT_TRUE(sound.IsMixerOpen());
    EXPECT_EQ(sound.OrigMasterVolume(), 80);
    EXPECT_EQ(sound.OrigWaveVolume(), 80);
    EXPECT_EQ(sound.OrigMidiVolume(), 60);

    EXPECT_EQ(sound.CloseMixer(), 0);
    EXPECT_FALSE(sound.IsMixerOpen());
    EXPECT_FALSE(sound.SetVolume(0, 50));
}

TEST_F(Mixer, SetsAndReadsControlsOnTheirScale) {
    ASSERT_TRUE(sound.OpenMixer(0));
    EXPECT_TRUE(sound.SetVolume(0, 100));
    EXPECT_EQ(mixer->Value(MixerLine::Speakers), 65500);
    EXPECT_EQ(sound.GetVolume(0), 100);
    EXPECT_TRUE(sound.SetVolume(5, 33));
    EXPECT_EQ(sound.GetVolume(5), 33);

    EXPECT_TRUE(sound.SetMute(7, true));
    EXPECT_EQ(mixer->Value(MixerLine::Speakers, Kind::Mute), 1);
    EXPECT_TRUE(sound.GetMute(7));
    EXPECT_TRUE(sound.SetMute(7, false));
    EXPECT_FALSE(sound.GetMute(7));
}

TEST_F(Mixer, MissingControlsAndBadIndexesFailQuietly) {
    ASSERT_TRUE(sound.OpenMixer(0));
    const int writes = mixer->writes();
    EXPECT_FALSE(sound.SetVolume(2, 50));  // no microphone
    EXPECT_EQ(sound.GetVolume(2), 0);
    EXPECT_FALSE(sound.SetMute(12, true));
    EXPECT_FALSE(sound.GetMute(12));
    EXPECT_FALSE(sound.SetVolume(14, 50));
    EXPECT_FALSE(sound.SetVolume(-1, 50));
    EXPECT_EQ(sound.GetVolume(14), 0);
    EXPECT_EQ(mixer->writes(), writes);
}

TEST_F(Mixer, StartPutsTheSavedVolumesInAndExitPutsTheOriginalsBack) {
    ASSERT_TRUE(sound.OpenMixer(0));
    sound.ApplySavedVolumes(VolumesWord(50, 40, 30));
    EXPECT_EQ(mixer->Value(MixerLine::WaveOut), 40);
    EXPECT_EQ(mixer->Value(MixerLine::Synthesizer), 30);
    EXPECT_EQ(sound.GetVolume(0), 50);
    // MIDI takes the wave volume when its own is zero.
    sound.ApplySavedVolumes(VolumesWord(50, 45, 0));
    EXPECT_EQ(mixer->Value(MixerLine::Synthesizer), 45);

    sound.RestoreSystemVolumes();
    EXPECT_EQ(mixer->Value(MixerLine::WaveOut), 80);
    EXPECT_EQ(mixer->Value(MixerLine::Synthesizer), 60);
    EXPECT_EQ(sound.GetVolume(0), 80);
}

TEST_F(Mixer, AVeryLowMasterIsLeftAlone) {
    Install(3277);  // 5 of 100
    ASSERT_TRUE(sound.OpenMixer(0));
    sound.ApplySavedVolumes(VolumesWord(51, 40, 30));
    EXPECT_EQ(mixer->Value(MixerLine::Speakers), 3277);
    EXPECT_EQ(mixer->Value(MixerLine::WaveOut), 40);
    sound.ApplySavedVolumes(VolumesWord(50, 40, 30));
    EXPECT_EQ(sound.GetVolume(0), 50);
}

TEST_F(Mixer, KeptOrNeverSetVolumesAreNotTouched) {
    ASSERT_TRUE(sound.OpenMixer(0));
    sound.ApplySavedVolumes(VolumesWord(50, 40, 30, kKeep));
    sound.ApplySavedVolumes(VolumesWord(50, 40, 30, kNeverSet));
    sound.RestoreSystemVolumes();
    EXPECT_EQ(mixer->writes(), 0);
}

TEST_F(Mixer, WithoutAMixerTheVolumesAreNeverTouched) {
    sound.ApplySavedVolumes(VolumesWord(50, 40, 30));
    sound.RestoreSystemVolumes();
    EXPECT_EQ(mixer->writes(), 0);
    EXPECT_FALSE(mixer->opened());
}

TEST_F(Mixer, VolumesChangedDuringTheRunAreRestoredEvenWhenKeptAtStart) {
    ASSERT_TRUE(sound.OpenMixer(0));
    sound.ApplySavedVolumes(VolumesWord(50, 40, 30, kKeep));
    // The sounds dialog moves the master slider.
    EXPECT_TRUE(sound.SetVolume(0, 20));
    sound.RestoreSystemVolumes();
    EXPECT_EQ(sound.GetVolume(0), 80);
    EXPECT_EQ(mixer->writes(), 2);  // the wave and MIDI lines were never changed
}

TEST_F(Mixer, RestoringTwiceWritesOnce) {
    ASSERT_TRUE(sound.OpenMixer(0));
    sound.SetVolume(5, 10);
    sound.RestoreSystemVolumes();
    sound.RestoreSystemVolumes();
    EXPECT_EQ(mixer->writes(), 2);
    EXPECT_EQ(mixer->Value(MixerLine::WaveOut), 80);
}

TEST(ChannelLines, WaveAndSynthesizerLinesDriveTheGamesOwnVoices) {
    NullSoundBackend voices;
    auto system = std::make_unique<FakeMixer>();
    system->Add(MixerLine::Speakers, Kind::Volume, 0, 87, 87);
    FakeMixer* master = system.get();
    ChannelLinesMixer lines(std::move(system), voices);
    ASSERT_TRUE(lines.Open(0));

    const auto wave = lines.FindControl(MixerLine::WaveOut, Kind::Volume);
    const auto waveMute = lines.FindControl(MixerLine::WaveOut, Kind::Mute);
    const auto synth = lines.FindControl(MixerLine::Synthesizer, Kind::Volume);
    ASSERT_TRUE(wave && waveMute && synth);
    EXPECT_EQ(wave->maximum, 100);

    EXPECT_TRUE(lines.SetValue(*wave, 40));
    EXPECT_EQ(voices.Volume(Voice::Wave), 40);
    EXPECT_EQ(voices.Volume(Voice::Mp3), 40);
    EXPECT_EQ(voices.Volume(Voice::Midi), 100);
    EXPECT_TRUE(lines.SetValue(*waveMute, 1));
    EXPECT_EQ(voices.Volume(Voice::Wave), 0);
    EXPECT_EQ(*lines.GetValue(*wave), 40);
    EXPECT_TRUE(lines.SetValue(*waveMute, 0));
    EXPECT_EQ(voices.Volume(Voice::Wave), 40);
    EXPECT_TRUE(lines.SetValue(*synth, 70));
    EXPECT_EQ(voices.Volume(Voice::Midi), 70);

    const auto speakers = lines.FindControl(MixerLine::Speakers, Kind::Volume);
    ASSERT_TRUE(speakers);
    EXPECT_TRUE(lines.SetValue(*speakers, 20));
    EXPECT_EQ(master->Value(MixerLine::Speakers), 20);
    EXPECT_FALSE(lines.FindControl(MixerLine::CompactDisc, Kind::Volume));
}
