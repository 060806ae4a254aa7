#include "engine/interruptible_pause.h"

#include "engine/model/state/run_flags.h"
#include "platform/waits.h"

void APIs::PauseInterruptible(double seconds) {
    PauseUntil(seconds, [] {
        return IsSet(flags.Stat0, StatBits::kNewGameRequest) ||
               IsSet(flags.Stat1, StatBits::kReviewRequest);
    });
}
