#include "render/choice_buttons.h"

#include "engine/model/state/flow_state.h"
#include "engine/model/state/tables.h"
#include "platform/waits.h"
#include "render/table_geometry.h"
#include "render/table_host.h"

void GamePlay::SetDefaultFocus() {
    if (TableHost* table = CurrentTable()) table->FocusDefault();
}

void Video::ShowChoice(int index, const std::string& caption, int clearTag) {
    TableHost* table = CurrentTable();
    if (flow.QuitNow || !table) return;
    ChoiceButton button = table->Choice(index);
    if (clearTag == 1) button.Tag.clear();
    button.Caption = caption;
    button.Visible = true;
    table->SetChoice(index, button);
}

void Video::AskTwoChoices() {
    if (flow.QuitNow) return;
    ShowChoice(1, tables.MessageTable[20], 0);
    ShowChoice(2, tables.MessageTable[21], 0);
    GamePlay::SetDefaultFocus();
}

void Video::AskOk() {
    TableHost* table = CurrentTable();
    if (flow.QuitNow || !table) return;
    ChoiceButton button = table->Choice(1);
    button.Left = (button.Left + table->Choice(2).Left) / 2;
    button.Caption = "&OK";
    button.Visible = true;
    table->SetChoice(1, button);
    GamePlay::SetDefaultFocus();
}

void Video::ResetChoiceButton() {
    TableHost* table = CurrentTable();
    if (flow.QuitNow || !table) return;
    ChoiceButton button = table->Choice(1);
    button.Visible = false;
    button.Enabled = true;
    button.Left = tableGeometry.ChoiceLefts[1];
    table->SetChoice(1, button);
}

void Video::HideChoice(int index) {
    TableHost* table = CurrentTable();
    if (flow.QuitNow || !table) return;
    ChoiceButton button = table->Choice(index);
    button.Visible = false;
    button.Enabled = true;
    table->SetChoice(index, button);
}

void Video::HideAllChoices() {
    if (flow.QuitNow) return;
    for (int i = 0; i < kChoiceButtons; ++i) HideChoice(i);
    APIs::WaitMs(2);
}
