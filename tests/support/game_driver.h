#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "engine/event_sounds.h"
#include "engine/game_play.h"
#include "engine/input_door.h"
#include "engine/model/exit_routine.h"
#include "engine/model/game_trace.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/state/tables.h"
#include "platform/settings/player_settings.h"
#include "render/headless_table.h"
#include "render/table_messages.h"
#include "support/base_table_scale.h"
#include "support/scripted_message_boxes.h"
#include "support/virtual_timing.h"

// Plays the game headless: calls MainGame as the main window's door does, on a
// HeadlessTable with virtual time and scripted boxes, and records the trace lines,
// the sounds played and the runs of the exit routine. State is reset on both ends.
class GameDriver {
  public:
    GameDriver() {
        ResetState();
        Misc::InstallTraceSink([this](std::string_view line) {
            trace.emplace_back(line);
            // Leaving at the next pass keeps the state as that step left it.
            if (!stopAtLine.empty() && line == stopAtLine) flow.QuitNow = true;
        });
        Misc::InstallEventSoundObserver([this](int event) { sounds.push_back(event); });
        KavlorMain::InstallExitRoutine([this] { ++exits; });
    }
    ~GameDriver() {
        Misc::InstallTraceSink({});
        Misc::InstallEventSoundObserver({});
        KavlorMain::InstallExitRoutine({});
        ResetState();
    }
    GameDriver(const GameDriver&) = delete;
    GameDriver& operator=(const GameDriver&) = delete;

    // The main window's door. False when the call was dropped.
    bool Door(int16_t button, int16_t shift, float x = 0, float y = 0) {
        return GamePlay::EnterDoor(button, shift, x, y);
    }
    void Click(float x = 0, float y = 0) { Door(1, 0, x, y); }
    void Answer(int choice) { Door(1, static_cast<int16_t>(100 + choice)); }
    // For pick 0-10: a click, answer button 1-5 or number key 1-5.
    void AnyInput(int pick) {
        if (pick == 0) {
            Click();
        } else if (pick <= 5) {
            Answer(pick);
        } else {
            Door(1, 50, -static_cast<float>(pick - 5));
        }
    }
    // The replay button: its press reaches the door as Button 4, Shift 104.
    void PressReplay() {
        SetBit(flags.Stat0, Stat0Bits::ReplayRequested);
        Door(4, 104);
    }
    // MainGame itself, as the door or a timer calls it.
    void Call(int16_t button, int16_t shift, float x = 0, float y = 0) {
        GamePlay::MainGame(button, shift, x, y, 0);
    }

    int Count(const std::string& line) const {
        return static_cast<int>(std::count(trace.begin(), trace.end(), line));
    }
    bool Traced(const std::string& line) const { return Count(line) > 0; }
    bool TracedStartingWith(std::string_view start) const {
        return std::any_of(trace.begin(), trace.end(),
                           [start](const std::string& line) { return line.starts_with(start); });
    }

    VirtualTiming timing;
    ScriptedMessageBoxes boxes;
    BaseTableScale baseScale;
    HeadlessTable table;
    std::vector<std::string> trace;
    // A trace line at which the game stops running, for tests of one stretch of a hand.
    std::string stopAtLine;
    std::vector<int> sounds;
    int exits = 0;

  private:
    static void ResetState() {
        hand = {};
        flow = {};
        flags = {};
        settings = {};
        tables = {};
        tableMessages = {};
    }
};
