#include "engine/end_early_check.h"

#include "engine/model/end_early.h"
#include "engine/model/state/hand_state.h"
#include "platform/packed_fields.h"
#include "render/lay_down.h"

int32_t GamePlaySubs::CheckEndEarly() {
    const int32_t code = EndEarlyCode();
    if (code > 0) {
        Video::ShowLayDown(code);
        hand.Leader = Misc::Set3Bits(hand.Leader, 7, APIs::Nib(hand.Tricks, 2));
    }
    return code;
}
