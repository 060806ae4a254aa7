#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "platform/sound/sdl_sound_backend.h"
#include "platform/sound/sound_devices.h"
#include "platform/sound/sound_system.h"
#include "sound/test_media.h"
#include "support/scripted_message_boxes.h"
#include "support/temp_data_folder.h"

using namespace TestMedia;

namespace {

// Notes what the sound system asks of its device.
class RecordingBackend final : public SoundBackend {
  public:
    std::vector<std::string>& log;
    explicit RecordingBackend(std::vector<std::string>& l) : log(l) {}
    bool HasDevice() const override { return true; }
    bool Play(Voice v, const std::string& file, std::string&) override {
        log.push_back("play " + std::to_string(int(v)) + " " + file);
        return true;
    }
    void Stop(Voice v) override { log.push_back("stop " + std::to_string(int(v))); }
    bool IsPlaying(Voice) override { return false; }
    void SetVolume(Voice, int) override {}
    std::optional<double> DecodedLengthMs(const std::string&, std::string&) override {
        return std::nullopt;
    }
};

class SoundPlayback : public ::testing::Test {
  protected:
    TempDataFolder folder;
    ScriptedMessageBoxes boxes;
    SoundSystem sound;
};

// The real mixer on SDL's dummy driver: sounds "play" in real time without a card.
class SdlPlayback : public SoundPlayback {
  protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        auto backend = SdlSoundBackend::Open();
        if (!backend) GTEST_SKIP() << "no SDL audio driver";
        sound.InstallBackends(std::move(backend), std::make_unique<NullMixerBackend>());
        wave = folder.Write("long wave.wav", Wave(22050, 1, 16, 22050 * 5));
        mp3 = folder.Write("song.mp3", Mp3Frames(250));
        midi = folder.Write("tune.mid", MidiHeader(0, 1, 96) +
                                            Track(Vlq(0) + "\x90\x3C\x40" + Vlq(960) +
                                                  std::string("\x80\x3C\x00", 3) + EndOfTrack(0)));
    }

    std::string wave, mp3, midi;
};

}  // namespace

TEST_F(SoundPlayback, WithoutADeviceNothingPlaysAndNothingComplains) {
    const std::string wave = folder.Write("w.wav", Wave(22050, 1, 16, 22050));
    EXPECT_FALSE(sound.HasSoundCard());
    sound.PlayWave(wave);
    sound.PlayMidi(wave);
    sound.PlayMp3(wave);
    EXPECT_FALSE(sound.IsMidiPlaying());
    EXPECT_FALSE(sound.IsMp3Playing());
    sound.StopAll();
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(SoundPlayback, EachKindStopsOnlyItsOwnBeforeStarting) {
    std::vector<std::string> log;
    sound.InstallBackends(std::make_unique<RecordingBackend>(log),
                          std::make_unique<NullMixerBackend>());
    const std::string file = folder.Write("with blanks.wav", Wave(22050, 1, 16, 10));
    sound.PlayWave(file);
    sound.PlayMidi(file);
    sound.PlayMp3(file);
    EXPECT_EQ(log, (std::vector<std::string>{"stop 0", "play 0 " + file, "stop 1", "play 1 " + file,
                                             "stop 2", "play 2 " + file}));
}

TEST_F(SoundPlayback, AMissingFileStopsTheOldSoundAndPlaysNothing) {
    std::vector<std::string> log;
    sound.InstallBackends(std::make_unique<RecordingBackend>(log),
                          std::make_unique<NullMixerBackend>());
    sound.PlayWave(folder.File("missing.wav"));
    sound.PlayMidi(folder.File("missing.mid"));
    EXPECT_EQ(log, (std::vector<std::string>{"stop 0", "stop 1"}));
    log.clear();
    sound.PlayWave("");
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(SdlPlayback, AWaveATuneAndAnMp3SoundTogether) {
    EXPECT_TRUE(sound.HasSoundCard());
    sound.PlayWave(wave);
    sound.PlayMidi(midi);
    sound.PlayMp3(mp3);
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_TRUE(sound.IsMidiPlaying());
    EXPECT_TRUE(sound.IsMp3Playing());

    sound.StopMidi();
    EXPECT_FALSE(sound.IsMidiPlaying());
    EXPECT_TRUE(sound.IsMp3Playing());

    sound.PlayMidi(midi);
    sound.StopMp3();
    EXPECT_FALSE(sound.IsMp3Playing());
    EXPECT_TRUE(sound.IsMidiPlaying());

    sound.StopWave();
    EXPECT_TRUE(sound.IsMidiPlaying());
    sound.PlayMp3(mp3);
    sound.StopAll();
    EXPECT_FALSE(sound.IsMidiPlaying());
    EXPECT_FALSE(sound.IsMp3Playing());
}

TEST_F(SdlPlayback, AFileThatCannotBeOpenedShowsTheSoundErrorBox) {
    sound.PlayMp3(mp3);
    sound.PlayMp3(folder.Write("bad.mp3", "this is no music"));
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, "Sound Error");
    EXPECT_EQ(boxes.shown()[0].style, vbCritical);
    EXPECT_FALSE(sound.IsMp3Playing());

    sound.PlayMidi(folder.Write("bad.mid", "MThd garbage"));
    EXPECT_EQ(boxes.shown().size(), 2u);
    EXPECT_FALSE(sound.IsMidiPlaying());
}

TEST_F(SdlPlayback, DecodesFormatsItCannotReadTheHeaderOf) {
    // An MP3 under another name is not measured by its frames but decoded.
    EXPECT_EQ(sound.GetWaveTime(folder.Write("song.bin", Mp3Frames(50))), 1200);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST(SystemSound, StartsOnTheMachinesDevicesAndItsOwnLinesAnswer) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    SoundSystem sound;
    InstallSystemSound(sound);
    EXPECT_TRUE(sound.HasSoundCard());
    // Without a system mixer the open fails quietly; with one the game's lines are there.
    if (sound.OpenMixer(0)) {
        EXPECT_EQ(sound.OrigWaveVolume(), 100);
        EXPECT_TRUE(sound.SetVolume(SoundSystem::kWaveVolume, 40));
        EXPECT_EQ(sound.GetVolume(SoundSystem::kWaveVolume), 40);
        sound.RestoreSystemVolumes();
        EXPECT_EQ(sound.GetVolume(SoundSystem::kWaveVolume), 100);
    } else {
        EXPECT_FALSE(sound.IsMixerOpen());
    }
    sound.Release();
    EXPECT_FALSE(sound.HasSoundCard());
    EXPECT_FALSE(sound.IsMixerOpen());
}
