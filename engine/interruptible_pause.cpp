#include "engine/interruptible_pause.h"

#include "engine/model/state/run_flags.h"
#include "platform/waits.h"

void APIs::PauseInterruptible(double seconds) {
    PauseUntil(seconds, [] {
        return IsSet(flags.Stat0, Stat0Bits::ReplayRequested) ||
               IsSet(flags.Stat1, Stat1Bits::ReviewRequested);
    });
}
