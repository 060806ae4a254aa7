#include "engine/steps/calling_support.h"

#include "engine/model/card_codes.h"
#include "engine/model/hand_queries.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/tables.h"
#include "engine/model/turned_up_card.h"
#include "platform/packed_fields.h"
#include "platform/settings/player_settings.h"
#include "render/choice_buttons.h"
#include "render/table_host.h"

int32_t GamePlay::Calling::Position() {
    return Misc::Get3Bits(hand.GenInf, 7);
}

int32_t GamePlay::Calling::SeatToAct() {
    return CardFunctions::Wrap4(Misc::Get3Bits(hand.GenInf, 4) + Position() + 1);
}

void GamePlay::Calling::SetGenInfField(int field, int32_t value) {
    hand.GenInf = Misc::Set3Bits(hand.GenInf, value, field);
}

int32_t GamePlay::Calling::Maker() {
    return Misc::Get3Bits(hand.GenInf, 2);
}

int32_t GamePlay::Calling::Loner() {
    return Misc::Get3Bits(hand.GenInf, 3);
}

int32_t GamePlay::Calling::RuleCode() {
    return APIs::Nib(hand.CardUp, 5);
}

std::string GamePlay::Calling::SeatName(int32_t seat) {
    return seat >= 0 && seat < 4 ? settings.PlayerNames[seat] : std::string();
}

std::string GamePlay::Calling::SuitName(int32_t suit) {
    return suit >= 0 && suit < 4 ? tables.SuitNames[suit] : std::string();
}

void GamePlay::Calling::ShowOkButton() {
    Video::ShowChoice(1, "OK", 0);
    SetDefaultFocus();
}

void GamePlay::Calling::SetChoiceEnabled(int index, bool enabled) {
    TableHost* table = CurrentTable();
    if (!table) return;
    ChoiceButton button = table->Choice(index);
    button.Enabled = enabled;
    table->SetChoice(index, button);
}

bool GamePlay::Calling::ChoiceEnabled(int index) {
    const TableHost* table = CurrentTable();
    return table && table->Choice(index).Enabled;
}

bool GamePlay::Calling::NoSuitToName(int32_t seat) {
    const int32_t upSuit = CardFunctions::TurnedUpSuit();
    for (int32_t suit = 0; suit < 4; ++suit) {
        if (suit != upSuit && CardFunctions::CanCallSuit(seat, suit)) return false;
    }
    return true;
}
