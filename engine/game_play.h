#pragma once

#include <cstdint>
#include <functional>

// The game flow: a step machine resumed at Ptrg by one call per human action.
namespace GamePlay {

// Button 1 a click, 2 the hint, 4 the replay request, 27 Esc; Shift 0-7 a real click,
// 100 + i answer button Choice(i), + 50 a key; X = -n for number key n, else the
// click point. Every caller passes 0 as the fifth argument.
void MainGame(int16_t& Button, int16_t& Shift, float& X, float& Y, int16_t fifth);
// Told of every step MainGame has run, after it ran: whole-game tests check the state.
void InstallStepObserver(std::function<void(int32_t)> observer);
// Asked for the card of a seat about to play to the trick, before the computer: a
// slot 0-4 plays that card, -1 leaves the seat to the computer. Benchmarks use it to
// seat other players.
void InstallTrickCardChooser(std::function<int32_t(int32_t seat)> chooser);

// The three ways a step hands over to the human. AwaitHuman ends the call and the
// "Input" sound plays; AwaitHumanQuiet opens the input but runs on into the next
// step, and no sound plays when the call later ends; AwaitHumanSilent ends the call
// with no sound: an answer that is not accepted leaves the question standing.
void AwaitHuman(bool& KeepRunning, bool& InputCue);
void AwaitHumanQuiet(bool& KeepRunning, bool& InputCue);
void AwaitHumanSilent(bool& KeepRunning, bool& InputCue);

// Clears the per-hand request and review bits and what the hand traded.
void ResetHandFlags();

}  // namespace GamePlay
