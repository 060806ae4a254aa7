#include "engine/game_play.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "render/table_host.h"

namespace {

void ClearTag(TableHost& table, int index) {
    ChoiceButton button = table.Choice(index);
    button.Tag.clear();
    table.SetChoice(index, button);
}

}  // namespace

void GamePlay::ResetHandFlags() {
    for (const int32_t bit :
         {Stat0Bits::ReplayNoScore, Stat0Bits::ReplayRequested, Stat0Bits::ReplayRunning,
          Stat0Bits::EveryonePassed, Stat0Bits::ReplayDeclined}) {
        ClearBit(flags.Stat0, bit);
    }
    for (const int32_t bit : {Stat1Bits::ReviewRequested, Stat1Bits::PartnerPanelShown,
                              Stat1Bits::ReplayButtonsShown}) {
        ClearBit(flags.Stat1, bit);
    }
    if (TableHost* table = CurrentTable()) {
        ClearTag(*table, 4);
        ClearTag(*table, 5);
    }
    for (auto& entry : hand.TradedBest) entry = {-1, -1};
}
