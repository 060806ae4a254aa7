#pragma once

#include <cstdint>

// Where the game flow stands between two calls of MainGame.
struct FlowState {
    int32_t Ptrg = 0;
    int32_t SavedPtrg = 0;

    bool operator==(const FlowState&) const = default;
};

inline FlowState flow;
