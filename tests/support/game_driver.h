#pragma once

#include <string>
#include <vector>

#include "engine/event_sounds.h"
#include "engine/game_play.h"
#include "engine/model/exit_routine.h"
#include "engine/model/game_trace.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/state/tables.h"
#include "platform/settings/player_settings.h"
#include "render/headless_table.h"
#include "render/table_messages.h"
#include "support/scripted_message_boxes.h"
#include "support/virtual_timing.h"

// Plays the game headless: calls MainGame as the main window's door does, on a
// HeadlessTable with virtual time and scripted boxes, and records the trace lines,
// the sounds played and the runs of the exit routine. State is reset on both ends.
class GameDriver {
  public:
    GameDriver() {
        ResetState();
        Misc::InstallTraceSink([this](std::string_view line) { trace.emplace_back(line); });
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

    // The door: passes a call only while the game waits for the human or a replay
    // is asked for; some steps take only answer buttons. False when refused.
    bool Door(int16_t button, int16_t shift, float x = 0, float y = 0) {
        if (!flow.InputOpen && !IsSet(flags.Stat0, Stat0Bits::ReplayRequested)) return false;
        if (TakesOnlyButtons(flow.Ptrg) && shift < 100) return false;
        if (DemoRunning() && shift == 0 && flow.Ptrg > 5) {
            EndDemo();
            return true;
        }
        Call(button, shift, x, y);
        return true;
    }
    void Click(float x = 0, float y = 0) { Door(1, 0, x, y); }
    void Answer(int choice) { Door(1, static_cast<int16_t>(100 + choice)); }
    // The replay button: its press reaches the door as Button 4, Shift 104.
    void PressReplay() {
        SetBit(flags.Stat0, Stat0Bits::ReplayRequested);
        Door(4, 104);
    }
    // MainGame itself, as the door or a timer calls it.
    void Call(int16_t button, int16_t shift, float x = 0, float y = 0) {
        GamePlay::MainGame(button, shift, x, y, 0);
    }

    bool Traced(const std::string& line) const {
        for (const auto& each : trace) {
            if (each == line) return true;
        }
        return false;
    }

    VirtualTiming timing;
    ScriptedMessageBoxes boxes;
    HeadlessTable table;
    std::vector<std::string> trace;
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
    static bool TakesOnlyButtons(int32_t step) {
        for (int32_t each : {1000, 1250, 11000, 12000, 13000, 14000}) {
            if (step == each) return true;
        }
        return false;
    }
    static bool DemoRunning() {
        return (settings.Opts1 & (1 << 14)) != 0 ||
               IsSet(flags.Stat1, Stat1Bits::ComputerDecidesSouth);
    }
    static void EndDemo() {
        settings.Opts1 &= ~(1 << 14);
        ClearBit(flags.Stat1, Stat1Bits::ComputerDecidesSouth);
        if (IsSet(flags.Stat2, Stat2Bits::FastMode)) settings.Delay = settings.SavedDelay;
        ClearBit(flags.Stat2, Stat2Bits::FastMode);
        SetBit(flags.Stat1, Stat1Bits::RestartRequested);
    }
};
