#pragma once

#include "engine/model/state/flow_state.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "players/analysis_state.h"

// Everything a hint could disturb, compared whole.
struct GameSnapshot {
    HandState hand;
    RunFlags flags;
    FlowState flow;
    Analysis analysis;

    bool operator==(const GameSnapshot&) const = default;
};

inline GameSnapshot Snapshot() {
    return {hand, flags, flow, analysis};
}
