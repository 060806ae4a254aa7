#include "engine/event_sounds.h"

#include "engine/model/state/flow_state.h"
#include "platform/settings/player_settings.h"
#include "platform/sound/sound_system.h"

namespace {

std::function<void(int)>& Observer() {
    static std::function<void(int)> observer;
    return observer;
}

}  // namespace

void Misc::PlayEventSound(int event) {
    if (!settings.SoundOn || flow.QuitNow || event < 1 || event > 32) return;
    SoundPlayer.PlayWave(settings.SoundFiles[static_cast<size_t>(event)]);
    if (Observer()) Observer()(event);
}

void Misc::InstallEventSoundObserver(std::function<void(int)> observer) {
    Observer() = std::move(observer);
}
