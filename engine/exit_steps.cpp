#include "engine/exit_steps.h"

#include <cstdint>

#include "engine/event_sounds.h"
#include "engine/model/state/run_flags.h"
#include "platform/settings/player_settings.h"
#include "platform/sound/sound_system.h"
#include "platform/waits.h"

namespace {

constexpr int32_t kClosingSound = 5;
constexpr int32_t kQuietExitBits = (1 << 0) | (1 << 9);

void PlayClosingSound() {
    if (!IsSet(flags.Stat1, Stat1Bits::SoundCard) || (settings.Opts1 & kQuietExitBits)) return;
    Misc::PlayEventSound(kClosingSound);
    const int32_t length = SoundPlayer.GetSoundTime(kClosingSound);
    if (length > 0) APIs::WaitMs(static_cast<int32_t>(0.9 * length));
}

}  // namespace

void KavlorMain::RunExitRoutine(const ExitWindow& window) {
    if (IsSet(flags.Stat0, Stat0Bits::ExitStarted)) return;
    // Marked before the wait, so a second exit asked for during the sound is ignored.
    SetBit(flags.Stat0, Stat0Bits::ExitStarted);
    PlayClosingSound();
    if (window.KeepWindowRect) window.KeepWindowRect();
    if (window.Unload) window.Unload();
}
