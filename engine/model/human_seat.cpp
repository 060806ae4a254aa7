#include "engine/model/human_seat.h"

#include "engine/model/state/run_flags.h"

bool GamePlaySubs::IsHumanSeat(int32_t seat) {
    return seat == 0 && !IsSet(flags.Stat1, Stat1Bits::ComputerDecidesSouth);
}
