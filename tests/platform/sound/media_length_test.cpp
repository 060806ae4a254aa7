#include "platform/sound/media_length.h"

#include <gtest/gtest.h>

#include "sound/test_media.h"

using namespace TestMedia;

TEST(MediaLength, WaveTimeComesFromFormatAndDataChunks) {
    EXPECT_DOUBLE_EQ(*MediaLength::WaveMs(Wave(22050, 1, 16, 22050)), 1000.0);
    EXPECT_DOUBLE_EQ(*MediaLength::WaveMs(Wave(44100, 2, 16, 11025)), 250.0);
    // Other chunks, odd-sized and padded, may come before the samples.
    EXPECT_DOUBLE_EQ(*MediaLength::WaveMs(Wave(8000, 1, 8, 4000, true)), 500.0);
}

TEST(MediaLength, BrokenWaveHeadersAreNotMeasured) {
    std::string noData = Wave(22050, 1, 16, 10);
    noData.replace(noData.find("data"), 4, "junk");
    EXPECT_FALSE(MediaLength::WaveMs(noData));
    std::string zeroRate = Wave(0, 1, 16, 10);
    EXPECT_FALSE(MediaLength::WaveMs(zeroRate));
    EXPECT_FALSE(MediaLength::WaveMs(Wave(22050, 1, 16, 10).substr(0, 30)));
    EXPECT_FALSE(MediaLength::WaveMs("RIFF"));
}

TEST(MediaLength, SniffTellsTheKinds) {
    EXPECT_EQ(MediaLength::Sniff(Wave(22050, 1, 16, 1)), MediaLength::Format::Wave);
    EXPECT_EQ(MediaLength::Sniff(MidiHeader(0, 1, 96)), MediaLength::Format::Midi);
    EXPECT_EQ(MediaLength::Sniff("OggS...."), MediaLength::Format::Other);
    EXPECT_EQ(MediaLength::Sniff(""), MediaLength::Format::Other);
}

TEST(MediaLength, MidiFollowsTempoChangesToTheLastEvent) {
    // 480 ticks at 120 bpm, then 480 at 60 bpm: 500 + 1000 ms.
    const std::string events = Tempo(0, 500000) + Vlq(0) + "\x90\x3C\x64" + Tempo(480, 1000000) +
                               Vlq(480) + std::string("\x80\x3C\x00", 3) + EndOfTrack(0);
    EXPECT_DOUBLE_EQ(*MediaLength::MidiMs(MidiHeader(0, 1, 480) + Track(events)), 1500.0);
}

TEST(MediaLength, MidiTypeOneTakesTheLongestTrackAndTheConductorsTempo) {
    const std::string conductor = Tempo(0, 250000) + EndOfTrack(0);
    // Running status, a program change and a system-exclusive message along the way.
    const std::string notes = Vlq(0) + "\xC0\x05" + Vlq(0) + "\x90\x40\x50" + Vlq(96) +
                              std::string("\x40\x00", 2) + Vlq(0) + "\xF0" + Vlq(3) +
                              "\x7E\x7F\xF7" + Vlq(288) + "\x90\x41\x50" + EndOfTrack(0);
    const std::string shortTrack = Vlq(10) + "\x91\x30\x40" + EndOfTrack(0);
    const std::string file =
        MidiHeader(1, 3, 96) + Track(conductor) + Track(notes) + Track(shortTrack);
    // 384 ticks at 96 per quarter and 0.25 s per quarter.
    EXPECT_DOUBLE_EQ(*MediaLength::MidiMs(file), 1000.0);
}

TEST(MediaLength, MidiInSmpteTimeAndInARiffWrapper) {
    // 25 frames of 40 ticks: 1000 ticks a second.
    const std::string smpte = MidiHeader(0, 1, uint16_t(0xE728)) + Track(EndOfTrack(2000));
    EXPECT_DOUBLE_EQ(*MediaLength::MidiMs(smpte), 2000.0);

    const std::string inner = MidiHeader(0, 1, 480) + Track(EndOfTrack(960));
    std::string riff = "RIFF";
    PutLe(riff, uint32_t(inner.size() + 12), 4);
    riff += "RMIDdata";
    PutLe(riff, uint32_t(inner.size()), 4);
    riff += inner;
    EXPECT_EQ(MediaLength::Sniff(riff), MediaLength::Format::Midi);
    EXPECT_DOUBLE_EQ(*MediaLength::MidiMs(riff), 1000.0);
}

TEST(MediaLength, BrokenMidiIsRefusedAndTruncatedTracksDoNotOverrun) {
    EXPECT_FALSE(MediaLength::MidiMs("MThd"));
    EXPECT_FALSE(MediaLength::MidiMs(MidiHeader(0, 1, 0) + Track(EndOfTrack(5))));
    EXPECT_FALSE(MediaLength::MidiMs(MidiHeader(0, 1, 96)));
    // A track whose size runs past the end of the file: read what is there.
    std::string cut = MidiHeader(0, 1, 96) + Track(Vlq(96) + "\x90\x3C\x64" + EndOfTrack(96));
    cut.resize(cut.size() - 4);
    EXPECT_DOUBLE_EQ(*MediaLength::MidiMs(cut), 500.0);
    // A lone data byte with no status before it ends the walk.
    EXPECT_DOUBLE_EQ(*MediaLength::MidiMs(MidiHeader(0, 1, 96) + Track(Vlq(0) + "\x3C\x64")), 0.0);
}

TEST(MediaLength, Mp3CountsItsFrames) {
    EXPECT_DOUBLE_EQ(MediaLength::Mp3Ms(Mp3Frames(50)), 1200.0);
    EXPECT_DOUBLE_EQ(MediaLength::Mp3Ms(Mp3Frames(10, false)), 240.0);
    // An ID3 tag in front and junk or a tag behind do not count.
    std::string tagged = std::string("ID3\x03\x00\x00\x00\x00\x00\x14", 10) + std::string(20, 'x');
    tagged += Mp3Frames(25) + "TAG" + std::string(125, ' ');
    EXPECT_DOUBLE_EQ(MediaLength::Mp3Ms(tagged), 600.0);
}

TEST(MediaLength, Mp3XingHeaderGivesTheFrameCount) {
    std::string file = Mp3Frames(3);
    // Mono MPEG-1: the header after 4 + 17 bytes of the first frame.
    file.replace(21, 12, std::string("Xing\x00\x00\x00\x01\x00\x00\x01\xF4", 12));
    EXPECT_DOUBLE_EQ(MediaLength::Mp3Ms(file), 500 * 24.0);
}

TEST(MediaLength, NoFramesGiveZero) {
    EXPECT_EQ(MediaLength::Mp3Ms(std::string(240000, '\0')), 0.0);
    EXPECT_EQ(MediaLength::Mp3Ms(""), 0.0);
    // A lone sync pattern that is not followed by another frame is not a stream.
    EXPECT_EQ(MediaLength::Mp3Ms(Mp3Frames(1) + std::string(100, 'z')), 0.0);
}
