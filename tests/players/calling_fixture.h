#pragma once

#include <gtest/gtest.h>

#include "engine/model/state/flow_state.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "platform/packed_fields.h"
#include "platform/settings/player_settings.h"
#include "players/analysis_state.h"
#include "support/hand_text.h"
#include "support/scripted_message_boxes.h"

// A hand in calling: every seat holds nines of nothing until a test deals it.
class CallingFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        hand = {};
        flow = {};
        flags = {};
        settings = {};
        analysis = {};
        settings.Opts2 = 0;
        for (int seat = 0; seat < 4; ++seat) HandText::SetHand(seat, "");
    }
    void TearDown() override {
        hand = {};
        flow = {};
        flags = {};
        settings = {};
        analysis = {};
    }
    // The turned-up card as text, the dealer, the turn position and the round.
    void Calling(const char* upCard, int dealer, int position, int round) {
        const auto [suit, rank] = HandText::ParseCard(upCard);
        hand.CardUp = Misc::NibSet(hand.CardUp, suit, 0);
        hand.CardUp = Misc::NibSet(hand.CardUp, rank, 1);
        hand.CardUp = Misc::NibSet(hand.CardUp, round, 2);
        hand.GenInf = Misc::Set3Bits(hand.GenInf, dealer, 4);
        hand.GenInf = Misc::Set3Bits(hand.GenInf, position, 7);
        hand.GenInf = Misc::Set3Bits(hand.GenInf, round, 8);
        hand.Tricks = Misc::NibSet(hand.Tricks, 0, 2);
    }
    static void Option2(int bit) { settings.Opts2 |= 1 << bit; }
    static bool SuitBit(int suit, int bit) { return (analysis.SuitAnalysis[suit] >> bit) & 1; }

    ScriptedMessageBoxes boxes;
};
