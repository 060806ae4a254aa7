#include "engine/card_sounds.h"

#include <array>
#include <cmath>

#include "engine/event_sounds.h"
#include "engine/model/state/flow_state.h"
#include "platform/settings/player_settings.h"
#include "platform/sound/sound_system.h"
#include "platform/waits.h"

namespace {
struct CardSound {
    int event;
    double share;
    double pauseWhenSilent;
};
constexpr std::array<CardSound, 3> kCardSounds{{{8, 1.0, 0.45}, {22, 0.5, 0.5}, {2, 0.05, 0.1}}};
}  // namespace

void GamePlaySubs::PlayCardSound(int32_t kind) {
    if (!settings.SoundOn || flow.QuitNow || kind < 0 || kind > 2) return;
    const CardSound& sound = kCardSounds[static_cast<size_t>(kind)];
    const int32_t length = SoundPlayer.GetSoundTime(sound.event);
    if (length == 0) {
        APIs::Pause(sound.pauseWhenSilent);
        return;
    }
    Misc::PlayEventSound(sound.event);
    if (length > 0) APIs::WaitMs(static_cast<int32_t>(std::lround(sound.share * length)));
}
