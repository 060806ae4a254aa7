#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "platform/sound/media_length.h"
#include "support/temp_data_folder.h"

namespace {

// The names the media-name tables refer to, "Media/" + name.
const char* const kEventFiles[] = {
    "About",
    "Auto",
    "Benny",
    "BlasterOn",
    "ByeClose",
    "CallLonerUs",
    "CallLonerThem",
    "DealCard",
    "GotKavlordUs",
    "GotKavlordThem",
    "ForcedtoCallUs",
    "ForcedtoCallThem",
    "Input",
    "LeftBower",
    "Lose",
    "LoseBadly",
    "MadeItUs",
    "MadeItThem",
    "MarchUs",
    "MarchThem",
    "MustGoAlone",
    "PlayCard",
    "Redeal",
    "RightBower",
    "Shuffle",
    "Slowpoke",
    "Start",
    "StoppedThemUs",
    "StoppedThemThem",
    "What",
    "Win",
    "WinBig",
};

std::string Read(const std::string& name) {
    return FileText(KAVLOR_MEDIA_DIR "/" + name);
}

}  // namespace

TEST(DefaultMedia, EveryEventHasAShortDistinctSound) {
    std::set<std::string> seen;
    for (const char* name : kEventFiles) {
        const std::string bytes = Read(std::string(name) + ".wav");
        const auto ms = MediaLength::WaveMs(bytes);
        ASSERT_TRUE(ms) << name;
        EXPECT_GE(*ms, 20) << name;
        EXPECT_LE(*ms, 3000) << name;
        EXPECT_TRUE(seen.insert(bytes).second) << name << " sounds like another event";
    }
}

TEST(DefaultMedia, QuickEventsAreShortAndTheBigWinIsLonger) {
    EXPECT_LT(*MediaLength::WaveMs(Read("DealCard.wav")), 100);
    EXPECT_LT(*MediaLength::WaveMs(Read("PlayCard.wav")), 100);
    EXPECT_LT(*MediaLength::WaveMs(Read("Input.wav")), 50);
    EXPECT_GT(*MediaLength::WaveMs(Read("WinBig.wav")), *MediaLength::WaveMs(Read("Win.wav")));
}

TEST(DefaultMedia, FifteenTunesOfHalfAMinuteToNinetySeconds) {
    std::set<std::string> seen;
    for (int t = 1; t <= 15; ++t) {
        const std::string name = (t < 10 ? "Tune0" : "Tune") + std::to_string(t) + ".mid";
        const std::string bytes = Read(name);
        const auto ms = MediaLength::MidiMs(bytes);
        ASSERT_TRUE(ms) << name;
        EXPECT_GE(*ms, 30000) << name;
        EXPECT_LE(*ms, 90000) << name;
        EXPECT_TRUE(seen.insert(bytes).second) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(std::string(KAVLOR_MEDIA_DIR) + "/Tune16.mid"));
}
