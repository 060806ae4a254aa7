#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/sound/media_length.h"
#include "support/temp_data_folder.h"

namespace {

// The names the media-name tables refer to, "Media/" + name + ".wav".
constexpr const char* kEventNames =
    "About Auto Benny BlasterOn ByeClose CallLonerUs CallLonerThem DealCard GotKavlordUs "
    "GotKavlordThem ForcedtoCallUs ForcedtoCallThem Input LeftBower Lose LoseBadly MadeItUs "
    "MadeItThem MarchUs MarchThem MustGoAlone PlayCard Redeal RightBower Shuffle Slowpoke Start "
    "StoppedThemUs StoppedThemThem What Win WinBig";

std::string Read(const std::string& name) {
    return FileText(KAVLOR_MEDIA_DIR "/" + name);
}

// Each file lasts from `shortest` to `longest` ms and none is another's copy.
template <class Measure>
void ExpectDistinctWithin(const std::vector<std::string>& names, Measure measure, double shortest,
                          double longest) {
    std::set<std::string> seen;
    for (const std::string& name : names) {
        const std::string bytes = Read(name);
        const auto ms = measure(bytes);
        ASSERT_TRUE(ms) << name;
        EXPECT_GE(*ms, shortest) << name;
        EXPECT_LE(*ms, longest) << name;
        EXPECT_TRUE(seen.insert(bytes).second) << name << " is the same as another";
    }
}

}  // namespace

TEST(DefaultMedia, EveryEventHasAShortDistinctSound) {
    std::vector<std::string> waves;
    std::istringstream names(kEventNames);
    for (std::string name; names >> name;) waves.push_back(name + ".wav");
    ExpectDistinctWithin(waves, MediaLength::WaveMs, 20, 3000);
}

TEST(DefaultMedia, QuickEventsAreShortAndTheBigWinIsLonger) {
    EXPECT_LT(*MediaLength::WaveMs(Read("DealCard.wav")), 100);
    EXPECT_LT(*MediaLength::WaveMs(Read("PlayCard.wav")), 100);
    EXPECT_LT(*MediaLength::WaveMs(Read("Input.wav")), 50);
    EXPECT_GT(*MediaLength::WaveMs(Read("WinBig.wav")), *MediaLength::WaveMs(Read("Win.wav")));
}

TEST(DefaultMedia, FifteenTunesOfHalfAMinuteToNinetySeconds) {
    std::vector<std::string> tunes;
    for (int t = 1; t <= 15; ++t)
        tunes.push_back((t < 10 ? "Tune0" : "Tune") + std::to_string(t) + ".mid");
    ExpectDistinctWithin(tunes, MediaLength::MidiMs, 30000, 90000);
    EXPECT_FALSE(std::filesystem::exists(std::string(KAVLOR_MEDIA_DIR) + "/Tune16.mid"));
}
