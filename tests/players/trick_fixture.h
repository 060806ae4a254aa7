#pragma once

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

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
        const auto& card = hand.Hands[static_cast<size_t>(seat)][static_cast<size_t>(slot)];
        static constexpr std::string_view kSuits = "HDCS";
        static constexpr std::string_view kRanks = "9TJQKA";
        const int32_t rank = card[kRankPlane];
        const char suit =
            card[kSuitPlane] <= 3 ? kSuits[static_cast<size_t>(card[kSuitPlane])] : 'J';
        std::string text;
        if (rank == 7) return std::string("L") + suit;
        if (rank == 8) return std::string("R") + suit;
        if (rank >= 0 && rank <= 5) text = std::string(1, kRanks[static_cast<size_t>(rank)]) + suit;
        return text.empty() ? "rank " + std::to_string(rank) : text;
    }
};
