#include "render/ok_button.h"

#include "render/choice_buttons.h"

void Video::AskOk() {
    ShowChoice(1, "&OK", 0);
    GamePlay::SetDefaultFocus();
}

void Video::ResetChoiceButton() {
    HideChoice(1);
}
