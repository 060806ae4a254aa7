#pragma once

#include <gtest/gtest.h>

#include <string>

#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "platform/random_source.h"
#include "platform/settings/player_settings.h"
#include "players/analysis_state.h"
#include "players/main_logic.h"
#include "support/hand_text.h"
#include "support/trick_table.h"

// A decision of the computer's trick play: the hand words reset, a situation set up
// by the test, then MainLogic for the seat whose turn it is.
class TrickPlayTest : public ::testing::Test {
  protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }
    static void Reset() {
        hand = {};
        flags = {};
        settings = {};
        analysis = {};
    }
    // The seat to play decides; returns the slot.
    int32_t Decide() {
        TrickTable::NextPosition();
        int32_t result = 5;
        LogicMain::MainLogic(result);
        return result;
    }
    static std::string CardAt(int32_t seat, int32_t slot) {
        if (slot < 0 || slot > 4) return "slot " + std::to_string(slot);
        return HandText::CardText(hand.Hands[static_cast<size_t>(seat)][static_cast<size_t>(slot)]);
    }
};
