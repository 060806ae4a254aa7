#pragma once

#include <cstdint>

// Where the game flow stands between two calls of MainGame.
struct FlowState {
    int32_t Ptrg = 0;
    int32_t SavedPtrg = 0;
    // The game waits for the human: the main window calls MainGame only while set.
    bool InputOpen = false;
    // The program is leaving: drawing, sounds and game steps return at once.
    bool QuitNow = false;
    // Trace lines are written (the DEBUG or LOGIC switch, or the development option).
    bool LogOn = false;
    // The key code of the last key the main window passed on.
    int32_t LastKeyCode = 0;
    // The millisecond clock when the slowpoke reminder was last armed.
    int32_t SlowpokeStart = 0;
    // Opts3 as it stood when the game started: the first-dealer rule of this game.
    int32_t GameStartOpts3 = 0;
    // The millisecond clock when the replay question was last drawn.
    int32_t ReplayAskTime = 0;

    bool operator==(const FlowState&) const = default;
};

inline FlowState flow;

// Ptrg above kPausedStep and below kShiftedStep is a paused step (step + kPausedStep);
// above kShiftedStep a step + kShiftedStep.
inline constexpr int32_t kPausedStep = 1 << 29;
inline constexpr int32_t kShiftedStep = 1 << 30;
