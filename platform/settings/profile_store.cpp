#include "platform/settings/profile_store.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <optional>

#include "platform/colors.h"
#include "platform/files.h"
#include "platform/ini/settings_file.h"
#include "platform/numbers.h"
#include "platform/paths.h"
#include "platform/settings/player_settings.h"

namespace {

constexpr float kFastestDelay = 0.038f;
constexpr float kSlowestDelay = 0.8f;
constexpr int32_t kShortestSlow = 10;
constexpr int32_t kLongestSlow = 65;

// Event of each sound key of the older 22-event layout; 0 for the one that is gone.
constexpr std::array<int, 22> kOlderSoundEvents{1,  3,  4,  5,  7,  9,  0,  12, 13, 14, 15,
                                                16, 18, 20, 21, 22, 23, 24, 26, 27, 29, 30};
constexpr int kOlderMusicSlots = 10;

// The stored "Video" texts of scale codes 1-4.
constexpr std::array<const char*, 4> kVideoTexts{"1.0", "1.2", "1.5", "1.9"};

std::string TwoDigits(int n) {
    return std::string(1, static_cast<char>('0' + n / 10)) + static_cast<char>('0' + n % 10);
}

std::string SoundKey(int event) {
    return "Sound" + TwoDigits(event);
}
std::string MusicKey(int slot) {
    return "Music" + TwoDigits(slot);
}

std::string DefaultNames() {
    return std::string(kDefaultComputerNames[0]) + "|" + kDefaultComputerNames[1] + "|" +
           kDefaultComputerNames[2];
}

std::string FixedDecimals(double value, int decimals) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    return std::string(buffer.data(), result.ptr);
}

class SectionReader {
  public:
    explicit SectionReader(std::string_view profile) : profile_(profile) {}

    std::string Text(std::string_view key, std::string_view fallback = "") const {
        return APIs::ReadIni(profile_, key, fallback);
    }
    void Integer(std::string_view key, int32_t& target, std::string_view fallback = "") const {
        if (auto value = ParseInt32(Text(key, fallback))) target = *value;
    }
    void Single(std::string_view key, float& target) const {
        if (auto value = ParseNumber(Text(key))) target = static_cast<float>(*value);
    }

  private:
    std::string profile_;
};

int32_t Complement(int32_t color) {
    return Misc::Rgb(255 - (color & 255), 255 - ((color >> 8) & 255), 255 - ((color >> 16) & 255));
}

void TakeColorsFromOpts3() {
    const auto opts3 = static_cast<uint32_t>(settings.Opts3);
    settings.CardBack = static_cast<int32_t>(opts3 & 15);
    if (settings.CardBack > 9) settings.CardBack = 2;
    settings.NinePointColor = static_cast<int32_t>((opts3 >> 4) & 15);
    if (settings.NinePointColor > 9) settings.NinePointColor = 0;
    settings.NinePointCode = static_cast<int32_t>((opts3 >> 18) & 7);
    Misc::SetNinePointWords();
}

void ReadCurrentOverrides(const SectionReader& section) {
    for (int event = 1; event <= kSoundEvents; ++event) {
        auto file = section.Text(SoundKey(event));
        if (!file.empty()) settings.SoundFiles[static_cast<size_t>(event)] = std::move(file);
    }
    for (int slot = 1; slot <= kMusicSlots; ++slot) {
        auto file = section.Text(MusicKey(slot));
        if (!file.empty()) settings.MusicFiles[static_cast<size_t>(slot)] = std::move(file);
    }
}

void ReadOlderOverrides(const SectionReader& section) {
    for (int slot = 1; slot <= kOlderMusicSlots; ++slot) {
        auto file = section.Text(MusicKey(slot));
        if (!file.empty()) settings.MusicFiles[static_cast<size_t>(slot)] = std::move(file);
    }
    for (int key = 1; key <= static_cast<int>(kOlderSoundEvents.size()); ++key) {
        const int event = kOlderSoundEvents[static_cast<size_t>(key - 1)];
        if (event == 0) continue;
        auto file = section.Text(SoundKey(key));
        if (!file.empty()) settings.SoundFiles[static_cast<size_t>(event)] = std::move(file);
    }
}

// Keys of overrides that equal their default are written back empty, never deleted.
template <size_t N>
void AddOverrides(APIs::IniValues& values, const SectionReader& section,
                  const std::array<std::string, N>& files, int count, int defaultsOffset,
                  std::string (*keyOf)(int)) {
    for (int i = 1; i <= count; ++i) {
        const auto& file = files[static_cast<size_t>(i)];
        const auto& fallback = files[static_cast<size_t>(i + defaultsOffset)];
        const std::string key = keyOf(i);
        if (!file.empty() && file != fallback) {
            values.emplace_back(key, file);
        } else if (!section.Text(key).empty()) {
            values.emplace_back(key, "");
        }
    }
}

void AddClearedOverrides(APIs::IniValues& values, const SectionReader& section, int count,
                         std::string (*keyOf)(int)) {
    for (int i = 1; i <= count; ++i) {
        if (!section.Text(keyOf(i)).empty()) values.emplace_back(keyOf(i), "");
    }
}

}  // namespace

std::string Misc::CurrentProfileName() {
    std::string name = APIs::ReadIni("General", "Player", "");
    if (name.size() > kMaxProfileName) {
        const std::string cut = name.substr(0, kMaxProfileName);
        RenameIniSection(name, cut);
        name = cut;
    }
    return name.empty() ? "Guest" : name;
}

void Misc::ReadProfile(std::string_view profile) {
    const SectionReader section(profile);
    const bool currentLayout = !section.Text("Opts1").empty();

    section.Integer("Opts1", settings.Opts1);
    section.Integer("Opts2", settings.Opts2);
    section.Integer("Opts3", settings.Opts3);
    section.Integer("Opts4", settings.Opts4);
    TakeColorsFromOpts3();

    section.Integer("Background", settings.Background);
    section.Integer("Text", settings.Text);
    if (settings.Text == settings.Background) settings.Text = Complement(settings.Background);
    section.Integer("Spot", settings.Spot);
    if (settings.Opts1 & OptBits::kRandomColorsEachGame) RandomizeColors();

    section.Single("Delay", settings.Delay);
    settings.Delay = std::clamp(settings.Delay, kFastestDelay, kSlowestDelay);
    section.Integer("Slow", settings.Slow, "30");
    settings.Slow = std::clamp(settings.Slow, kShortestSlow, kLongestSlow);

    section.Integer("Kind", settings.Kind);
    section.Integer("Partner", settings.Partner);
    section.Integer("Volumes", settings.Volumes);

    const std::string names = section.Text("Names", DefaultNames());
    for (int seat = 1; seat <= 3; ++seat) {
        settings.PlayerNames[static_cast<size_t>(seat)] = PipeField(names, seat);
    }

    settings.Faces = AbsoluteFromDataFolder(section.Text("Faces"));
    settings.Benny = AbsoluteFromDataFolder(section.Text("Benny"));
    settings.Deck = AbsoluteFromDataFolder(section.Text("Deck"));
    section.Integer("Music", settings.Music);

    if (currentLayout) {
        ReadCurrentOverrides(section);
    } else {
        ReadOlderOverrides(section);
    }
    section.Integer("Development0", settings.Development0);
}

void Misc::WriteProfile(std::string_view profile, const StoredExtras& extras) {
    const SectionReader section(profile);
    const auto relativeOrEmpty = [](const std::string& path) {
        return path.empty() ? std::string() : RelativeToDataFolder(path);
    };
    APIs::IniValues values{
        {"Opts1", FormatNumber(settings.Opts1)},
        {"Opts2", FormatNumber(settings.Opts2)},
        {"Opts3", FormatNumber(settings.Opts3)},
        {"Opts4", FormatNumber(settings.Opts4)},
        {"Development0", FormatNumber(settings.Development0)},
        {"Background", FormatNumber(settings.Background)},
        {"Text", FormatNumber(settings.Text)},
        {"Spot", FormatNumber(settings.Spot)},
        {"Delay", FixedDecimals(extras.Delay, 3)},
        {"Slow", FormatNumber(settings.Slow)},
        {"Kind", FormatNumber(settings.Kind)},
        {"Partner", FormatNumber(settings.Partner)},
        {"Volumes", FormatNumber(settings.Volumes)},
        {"Names",
         settings.PlayerNames[1] + "|" + settings.PlayerNames[2] + "|" + settings.PlayerNames[3]},
        {"Stats", extras.Stats},
        {"Video", extras.Video},
        {"Faces", relativeOrEmpty(settings.Faces)},
        {"Deck", relativeOrEmpty(settings.Deck)},
        {"Benny", RelativeToDataFolder(settings.Benny)},
        {"Music", FormatNumber(settings.Music)},
    };
    AddOverrides(values, section, settings.SoundFiles, kSoundEvents, kSoundDefaults, SoundKey);
    AddOverrides(values, section, settings.MusicFiles, kMusicSlots, kMusicDefaults, MusicKey);
    APIs::WriteIniValues(profile, values);
}

void Misc::WriteDefaultProfile(std::string_view profile) {
    const SectionReader section(profile);
    APIs::IniValues values{
        {"Opts1", "0"},
        {"Opts2", "4096"},
        {"Opts3", "2"},
        {"Opts4", "0"},
        {"Background", "15970399"},
        {"Text", "0"},
        {"Spot", "8380970"},
        {"Delay", "0.25"},
        {"Slow", "30"},
        {"Kind", "21845"},
        {"Volumes", "33554432"},
        {"Music", "2147483647"},
        {"Names", DefaultNames()},
        {"Video", ""},
        {"Faces", ""},
        {"Benny", ""},
        {"Deck", ""},
    };
    AddClearedOverrides(values, section, kSoundEvents, SoundKey);
    AddClearedOverrides(values, section, kMusicSlots, MusicKey);
    APIs::WriteIniValues(profile, values);
}

void Misc::MarkProfileNotSaved(std::string_view profile) {
    const auto stored = ParseInt32(APIs::ReadIni(profile, "Opts1", ""));
    if (stored) APIs::WriteIni(profile, "Opts1", FormatNumber(*stored | OptBits::kNoSaveAtExit));
}

std::string Misc::VideoText(int scaleCode) {
    if (scaleCode < 1 || scaleCode > 4) return {};
    return kVideoTexts[static_cast<size_t>(scaleCode - 1)];
}
