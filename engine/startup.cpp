#include "engine/startup.h"

#include <QDateTime>
#include <cstdint>

#include "engine/command_line.h"
#include "engine/data_folder_setup.h"
#include "engine/hand_log.h"
#include "engine/model/game_trace.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/own_font.h"
#include "engine/player_settings_io.h"
#include "engine/tables_loader.h"
#include "platform/paths.h"
#include "platform/random_source.h"
#include "platform/screen.h"
#include "platform/settings/player_settings.h"
#include "platform/sound/sound_devices.h"
#include "platform/sound/sound_system.h"
#include "platform/version/windows_version.h"
#include "platform/waits.h"
#include "players/hand_dump_hook.h"
#include "render/cards/card_images.h"
#include "render/cards/card_trace.h"
#include "render/screen_scale.h"

namespace {

constexpr int32_t kSoundsOff = 1 << 0;
constexpr int32_t kNoOpeningSound = 1 << 8;
constexpr int32_t kShiftHeld = 4;
constexpr int32_t kOpeningSound = 27;
constexpr int32_t kVolumesKeptBits = (1 << 24) | (1 << 25);

SeededRandom& ProgramRandom() {
    static SeededRandom random;
    return random;
}

bool OptSet(int32_t word, int bit) {
    return (word >> bit) & 1;
}

void MirrorOptionBits() {
    if (OptSet(settings.Opts1, 2)) SetBit(flags.Stat1, Stat1Bits::SkipSplash);
    if (OptSet(settings.Opts1, 3)) SetBit(flags.Stat1, Stat1Bits::AutoCloseEnding);
    if (OptSet(settings.Opts1, 10)) settings.Volumes |= 1 << 24;
    if (OptSet(settings.Opts1, 13)) SetBit(flags.Stat1, Stat1Bits::LearnMode);
}

void MirrorDevelopmentBits() {
    if (OptSet(settings.Opts4, 30)) SetBit(flags.Stat2, Stat2Bits::ShowMouseCoords);
    if (OptSet(settings.Opts4, 29)) {
        SetBit(flags.Stat2, Stat2Bits::LogicOnScreen);
        flow.LogOn = true;
    }
    if (OptSet(settings.Opts4, 28)) SetBit(flags.Stat0, Stat0Bits::RevealMode);
    for (int i = 0; i < 5; ++i) {
        if (OptSet(settings.Opts4, 27 - i)) SetBit(flags.Stat2, 1 << (22 + i));
    }
}

void ReadSoundCard() {
    if (SoundPlayer.HasSoundCard()) {
        SetBit(flags.Stat1, Stat1Bits::SoundCard);
        if (!SoundPlayer.IsMixerOpen()) SetBit(flags.Stat1, Stat1Bits::KeepSystemVolumes);
    } else {
        SetBit(flags.Stat1, Stat1Bits::KeepSystemVolumes);
    }
}

void StartSounds() {
    if (!IsSet(flags.Stat1, Stat1Bits::KeepSystemVolumes)) {
        SoundPlayer.ApplySavedVolumes(settings.Volumes);
    }
    if (!IsSet(flags.Stat1, Stat1Bits::SoundCard)) return;
    const bool quiet =
        (settings.Opts1 & (kSoundsOff | kNoOpeningSound)) || (APIs::ModifierKeys() & kShiftHeld);
    if (!quiet) SoundPlayer.PlayWave(settings.SoundFiles[kOpeningSound]);
    SoundPlayer.SetSoundTime(0);
}

void WriteStartLines(const std::string& fontLine) {
    const QDateTime now = QDateTime::currentDateTime();
    Misc::Trace((now.toString("M/d/yyyy") + "  " + now.toString("h:mm:ss AP")).toStdString());
    Misc::Trace(Windoze::GetWindowsVersion());
    Misc::Trace("Ini File: " + paths.IniPath);
    Misc::Trace(fontLine);
    if (IsSet(flags.Stat1, Stat1Bits::FontAdded)) {
        Misc::Trace("Added Font File via AddFontResource.");
    }
}

}  // namespace

bool KavlorMain::InitializeProgram() {
    ProgramRandom().Seed(static_cast<uint32_t>(QDateTime::currentMSecsSinceEpoch()));
    InstallRandomSource(&ProgramRandom());
    ReadSoundCard();
    LoadTables();
    SetDefaultSettings();
    LoadSettings(0);
    if (!ApplyDisplayScale()) return false;
    CardImages.SetResolution(scale.ScaleBand + 1);
    CardImages.LoadAll();
    MirrorOptionBits();
    StartSounds();
    MirrorDevelopmentBits();
    return true;
}

bool KavlorMain::StartProgram(const std::string& programFolder, std::string commandLine) {
    if (!FindDataFolder(programFolder)) return false;
    CopyShippedFiles();
    settings.ColorBits = APIs::ColorDepth();
    CardLoads::SetTraceSink([](std::string_view line) { Misc::Trace(line); });
    LogicMain::InstallHandDump([](int mode) { Misc::WriteHandLog(mode); });
    const std::string fontLine = InstallOwnFont();
    InstallSystemSound(SoundPlayer);
    SoundPlayer.OpenMixer(0);
    if (!InitializeProgram()) return false;
    ParseCommandLine(commandLine);
    WriteStartLines(fontLine);
    settings.SoundOn = IsSet(flags.Stat1, Stat1Bits::SoundCard) && !(settings.Opts1 & kSoundsOff);
    return true;
}

void KavlorMain::FinishProgram() {
    SoundPlayer.StopAll();
    if (!(settings.Volumes & kVolumesKeptBits)) SoundPlayer.RestoreSystemVolumes();
    SoundPlayer.Release();
    RemoveOwnFont();
    CardLoads::SetTraceSink({});
    LogicMain::InstallHandDump({});
    InstallRandomSource(nullptr);
}
