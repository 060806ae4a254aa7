#pragma once

#include <cstdint>
#include <functional>

// The one way a human action reaches the game flow: ends the demonstration on a plain
// click, drops what the step does not take, and calls MainGame while the game waits
// for the human or a Cancel or Review answer is pending.
namespace GamePlay {
// At these steps only an answer button (Shift 100 or more) counts.
bool TakesOnlyButtons(int32_t step);
// The call the door passes on: MainGame(Button, Shift, X, Y, 0) unless a listener
// stands in for the game flow.
using GameEntry = std::function<void(int16_t Button, int16_t Shift, float X, float Y)>;
// True when the call was passed on.
bool EnterDoor(int16_t Button, int16_t Shift, float X, float Y, const GameEntry& entry = {});
}  // namespace GamePlay
