#include "engine/player_settings_io.h"

#include <string>

#include "engine/model/state/run_flags.h"
#include "engine/model/state/statistics.h"
#include "engine/model/state/tables.h"
#include "platform/files.h"
#include "platform/ini/settings_file.h"
#include "platform/numbers.h"
#include "platform/paths.h"
#include "platform/settings/player_settings.h"
#include "platform/settings/profile_store.h"
#include "platform/settings/settings_defaults.h"
#include "platform/settings/stats_record.h"
#include "render/scale_code.h"
#include "render/screen_scale.h"

namespace {


constexpr size_t kFirstRankName = 122;

constexpr float kSmallestStoredDelay = 0.02f;
constexpr float kDefaultDelay = 0.25f;

void LoadVideo(std::string_view profile, int mode) {
    using namespace KavlorMain;
    SetScaleCode(0);
    if (const auto video = ParseNumber(APIs::ReadIni(profile, "Video", ""))) {
        if (*video >= 1 && *video <= 2) scale.ScaleFactor = static_cast<float>(*video);
        SetScaleCode(ScaleCodeOf(scale.ScaleFactor));
    }
    if (mode == 1 && ScaleCode() == 0) scale.ScaleFactor = GetMaxDisplayScale();
}

// The speed to store: the player's own while the fast demonstration holds Delay.
float SpeedToStore() {
    float& speed = IsSet(flags.Stat2, Stat2Bits::FastMode) ? settings.SavedDelay : settings.Delay;
    if (speed < kSmallestStoredDelay) speed = kDefaultDelay;
    return speed;
}

}  // namespace

void KavlorMain::SetDefaultSettings() {
    for (size_t suit = 0; suit < tables.SuitNames.size(); ++suit) {
        tables.SuitNames[suit] = tables.MessageTable[suit];
    }
    for (size_t rank = 0; rank < tables.RankNames.size(); ++rank) {
        tables.RankNames[rank] = tables.MessageTable[kFirstRankName + rank];
    }
    Misc::ApplyDefaultSettings();
}

void KavlorMain::LoadSettings(int mode) {
    if (!APIs::FileExists(paths.IniPath)) return;
    if (mode > 0) {
        SetDefaultSettings();
    } else {
        APIs::ClearReadOnly(paths.IniPath);
    }
    const std::string profile = Misc::CurrentProfileName();
    settings.PlayerNames[0] = profile;
    Misc::ReadProfile(profile);
    Misc::LoadStats(profile);
    LoadVideo(profile, mode);
}

void KavlorMain::SaveSettings(std::string_view profile, int mode) {
    APIs::ClearReadOnly(paths.IniPath);
    APIs::WriteIni("General", "Player", profile);
    if (mode == 1) {
        Misc::WriteDefaultProfile(profile);
    } else if (settings.Opts1 & OptBits::kNoSaveAtExit) {
        Misc::MarkProfileNotSaved(profile);
    } else {
        Misc::WriteProfile(profile,
                           {Misc::StatsText(), Misc::VideoText(KavlorMain::ScaleCode()), SpeedToStore()});
    }
}

void Misc::LoadStats(std::string_view profile) {
    LoadStats(profile, stats.AllSessionStats);
}

std::string Misc::StatsText() {
    return StatsText(stats.AllSessionStats);
}
